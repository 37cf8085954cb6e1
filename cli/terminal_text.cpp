#include "cli/terminal_text.h"

namespace tq8615::cli {
namespace {

void Escape(std::string& out, unsigned char byte)
{
    static const char hex[] = "0123456789abcdef";
    out += "\\x";
    out += hex[byte >> 4];
    out += hex[byte & 15];
}

bool Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the valid UTF-8 sequence at the start of `s` (0 when there is none): no
// overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t SequenceLength(std::string_view s)
{
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = at(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (s.size() < length || at(1) < low || at(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!Continuation(at(i)))
            return 0;
    return length;
}

}  // namespace

std::string TerminalText(std::string_view text, bool keepLineBreaks)
{
    std::string out;
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.front());
        if (byte == '\n' && keepLineBreaks) {
            out += '\n';
            text.remove_prefix(1);
        } else if (byte == '\\') {
            out += "\\\\";
            text.remove_prefix(1);
        } else if (byte < 0x20 || byte == 0x7F) {
            Escape(out, byte);
            text.remove_prefix(1);
        } else if (byte < 0x80) {
            out += static_cast<char>(byte);
            text.remove_prefix(1);
        } else if (const std::size_t n = SequenceLength(text); n == 0) {
            Escape(out, byte);
            text.remove_prefix(1);
        } else if (byte == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0) {
            // U+0080..U+009F: control characters too (0x9B starts a sequence on some terminals)
            Escape(out, byte);
            Escape(out, static_cast<unsigned char>(text[1]));
            text.remove_prefix(2);
        } else {
            out.append(text.substr(0, n));
            text.remove_prefix(n);
        }
    }
    return out;
}

}  // namespace tq8615::cli
