#pragma once
// Everything a programming run asks or shows. The main window implements it with message
// boxes and its progress and password windows, the command-line tool on the terminal, tests
// with scripted answers.
#include "link/embedded_info.h"
#include "model/messages.h"

#include <functional>
#include <optional>
#include <string>

namespace tq8615 {

enum class RunKind : int16_t { None = 0, Read = 1, Write = 2, ReadEmbeddedInfo = 3 };

class RunUi : public MessageSink {
public:
    // show(): a message box with an OK button; the run waits until it is closed.

    // OK/Cancel question with the question icon; true for OK.
    virtual bool confirm(const Message& prompt) = 0;
    // The progress window of a read or write: opened at 0 %, moved, closed at the end.
    virtual void progressOpened(RunKind kind) = 0;
    virtual void progressChanged(int percent) = 0;
    virtual void progressClosed() = 0;
    // The password window, its text box preset to `preset`; the typed text, or nullopt on
    // Cancel.
    virtual std::optional<std::string> askPassword(const std::string& preset) = 0;
    // Retry/Cancel question after the radio stopped answering; true for Retry.
    virtual bool askRetry(const Message& question) = 0;
    // After a successful embedded information read: show it (the window waits for Close).
    virtual void showEmbeddedInfo(const EmbeddedInfo& info) = 0;
    // Yes/No question with the warning icon before a write is stopped; true for Yes.
    virtual bool confirmStop(const Message& question) = 0;

    // Set by the run while its progress is open: the user asks to stop the transfer.
    std::function<void()> cancelRun;
};

// The run's built-in texts, English and Chinese.
inline Message ReadPrompt() { return Message::Builtin(BuiltinText::ReadPrompt); }
inline Message WritePrompt() { return Message::Builtin(BuiltinText::WritePrompt); }
inline Message ModelWrongMessage() { return Message::Builtin(BuiltinText::WrongModel, Message::Icon::Error); }
inline Message VersionWrongMessage() { return Message::Builtin(BuiltinText::WrongVersion, Message::Icon::Error); }
inline Message BandErrorMessage() { return Message::Builtin(BuiltinText::WrongBand, Message::Icon::Error); }
inline Message ProgressCaption(RunKind kind)
{
    return Message::Builtin(kind == RunKind::Write ? BuiltinText::WriteCommand : BuiltinText::ReadCommand);
}
inline Message ProgressLabel() { return Message::Builtin(BuiltinText::ProgressLabel); }
// The line was lost during a run (a cable pulled, a device gone).
inline Message DisconnectedMessage() { return Message::Builtin(BuiltinText::Disconnected, Message::Icon::Error); }
inline Message PasswordRefusedMessage() { return Message::Builtin(BuiltinText::PasswordRefused, Message::Icon::Error); }
inline Message StopWriteQuestion() { return Message::Builtin(BuiltinText::StopWriteQuestion, Message::Icon::Warning); }
// A transfer the user stopped; a write that had sent data blocks says to write again.
inline Message CancelledMessage(RunKind kind, bool partWritten)
{
    const BuiltinText text = kind != RunKind::Write ? BuiltinText::ReadCancelled
                             : partWritten          ? BuiltinText::WriteCancelledPartway
                                                    : BuiltinText::WriteCancelled;
    return Message::Builtin(text, partWritten ? Message::Icon::Warning : Message::Icon::Information);
}
// A write ended after data blocks had gone out.
inline Message PartialWriteMessage() { return Message::Builtin(BuiltinText::PartialWrite, Message::Icon::Error); }

}  // namespace tq8615
