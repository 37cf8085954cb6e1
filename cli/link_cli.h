#pragma once
// What the radio commands share: their options, the terminal as the run's user, and running
// a programming run to its end on an event loop of their own.
#include "cli/cli.h"
#include "link/programming_run.h"
#include "link/write_task.h"

#include <QCoreApplication>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tq8615::cli {

struct RadioOptions {
    std::string port;
    std::optional<std::string> password;
    int retries = 0;
};

// Reads --port, --password and --retries; nullopt after printing what is wrong.
std::optional<RadioOptions> ParseRadioOptions(const Args& args);

// The command line was the user's confirmation; questions are answered from the options,
// messages go to standard error, progress too while it is a terminal.
class TerminalRunUi : public RunUi {
public:
    explicit TerminalRunUi(int retries) : retriesLeft_(retries) {}

    void show(const Message& message) override;
    bool confirm(const Message&) override { return true; }
    void progressOpened(RunKind kind) override;
    void progressChanged(int percent) override;
    void progressClosed() override;
    std::optional<std::string> askPassword(const std::string& preset) override;
    bool askRetry(const Message& question) override;
    void showEmbeddedInfo(const EmbeddedInfo& info) override;
    // Nothing on the command line asks to stop a write halfway.
    bool confirmStop(const Message&) override { return false; }

private:
    int retriesLeft_;
    bool progressShown_ = false;
    std::string caption_;
};

// Opens the port, lets `start` begin the run and waits for its end; 0 on success.
int ExecuteRun(const RadioOptions& options, TerminalRunUi& ui, const std::function<bool(ProgrammingRun&)>& start);

// Reads --verify and --backup DIR into the options of a write.
WriteTaskOptions WriteOptionsFrom(const Args& args, TerminalRunUi& ui);

// The write with its read-back and backup, as ExecuteRun; `result` receives the outcome.
int ExecuteWrite(const RadioOptions& options, TerminalRunUi& ui, const WriteRequest& request,
                 const WriteTaskOptions& writeOptions, WriteTaskResult* result = nullptr);

// The event loop the serial port and the reply timer need, while the result lives; null
// when there is one already.
std::unique_ptr<QCoreApplication> EnsureEventLoop();

}  // namespace tq8615::cli
