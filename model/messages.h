#pragma once
// The data side never shows anything: it reports a message and the caller decides how to
// show it (a message box in the window, a line on standard error in the command-line tool).
#include <string>
#include <vector>

#include "model/builtin_texts.h"
#include "model/text_keys.h"

namespace tq8615 {

struct Message {
    enum class Icon { None, Information, Warning, Error };
    Icon icon = Icon::None;
    TextKey langKey{};        // set: the text is the language file's text of this key
    // A fixed text, or a built-in pair. With langKey set: an optional detail that follows
    // the language file's text (a cause and what to do about it).
    std::string english;
    std::string chinese;      // the Chinese element of a pair; empty for fixed texts

    static Message Fixed(std::string text, Icon icon = Icon::None) { return {icon, {}, std::move(text), {}}; }
    // A built-in text, followed in both languages by `detail` (a path, a list of channels).
    static Message Builtin(BuiltinText text, Icon icon = Icon::None, const std::string& detail = {})
    {
        const TextPair& pair = PairOf(text);
        return {icon, {}, pair.english + detail, pair.chinese + detail};
    }
    static Message Key(TextKey key, Icon icon = Icon::Warning) { return {icon, key, {}, {}}; }
    // The language file's text of `key`, then `detail` in the same language.
    static Message KeyFollowedBy(TextKey key, const Message& detail, Icon icon = Icon::Warning)
    {
        return {icon, key, detail.english, detail.chinese};
    }
    bool operator==(const Message&) const = default;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const Message& message) = 0;
};

// Keeps what was reported; used where nobody is there to see it at once.
class CollectingSink : public MessageSink {
public:
    void show(const Message& message) override { messages.push_back(message); }
    std::vector<Message> messages;
};

// Built-in texts that the data side reports.
inline Message FileErrorMessage() { return Message::Builtin(BuiltinText::FileError, Message::Icon::Error); }
// The same text, then the file and the system's reason, so the user can act on it.
inline Message FileErrorMessage(const std::string& path, const std::string& reason)
{
    return Message::Builtin(BuiltinText::FileError, Message::Icon::Error, "\n" + path + ": " + reason);
}

}  // namespace tq8615
