#include "model/five_tone_codes.h"

#include "model/text_util.h"

namespace tq8615 {

namespace {

constexpr int kDataMessageHead = 8;  // "E1", five identity digits, "E"
constexpr int kAniLength = 11;       // called identity, separator, own identity

bool IsDataMessage(std::string_view s) { return s.substr(0, 2) == "E1"; }

// The repeat rule over s; `keep(i)` names the 1-based positions copied unchanged.
template <typename Keep>
std::string Encoded(std::string_view s, Keep keep)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const int position = static_cast<int>(i) + 1;
        const char c = s[i];
        out += (!out.empty() && !keep(position) && c == out.back()) ? 'E' : c;
    }
    return out;
}

}  // namespace

std::string RepeatEncode(std::string_view s)
{
    const bool message = IsDataMessage(s);
    return Encoded(s, [message](int position) { return message && position > kDataMessageHead; });
}

std::string AniRepeatEncode(std::string_view s)
{
    return Encoded(s, [](int position) { return position == 6 || position == 7; });
}

bool IsAniCode(std::string_view code, std::string_view id)
{
    if (id != kSelfIdPlaceholder && id.size() != static_cast<std::size_t>(kSelfIdDigits))
        return false;
    if (code.size() == kAniLength + 1 && code.substr(kAniLength + 1 - kSelfIdPlaceholder.size()) == kSelfIdPlaceholder)
        return true;
    if (code.size() != kAniLength)
        return false;
    const std::string_view tail = code.substr(kAniLength - kSelfIdDigits);
    return tail == id || tail == RepeatEncode(id);
}

std::string StoreCode(std::string_view code, std::string_view id)
{
    return IsAniCode(code, id) ? AniRepeatEncode(code) : RepeatEncode(code);
}

std::string Mid5ToneNoE(std::string_view s, int start, int length)
{
    std::string out;
    for (int p = start; p < start + length && p >= 1 && p <= static_cast<int>(s.size()); ++p) {
        const std::size_t i = static_cast<std::size_t>(p - 1);
        out += (s[i] == 'E' && i > 0) ? s[i - 1] : s[i];
    }
    return out;
}

std::string CodeOfLength(std::string_view code, int count)
{
    std::string out(code.substr(0, static_cast<std::size_t>(count)));
    out.resize(static_cast<std::size_t>(count), 'E');
    return out;
}

std::string StandardName(int standard)
{
    return kFiveToneStandards[static_cast<std::size_t>(standard >= 0 && standard < kFiveToneStandardCount ? standard : 0)];
}

void RepairCode(FiveToneCode& entry)
{
    if (entry.DigitCount > kCodeDigits)
        entry.DigitCount = 0;
    // Standards 14 and 15 have no name to show either.
    if (entry.Standard >= kFiveToneStandardCount)
        entry.Standard = 0;
    if (entry.ToneLength < 30 || entry.ToneLength > 120)
        entry.ToneLength = 70;
}

CodeRowView ViewOfCode(const FiveToneCode& entry, std::string_view ownId)
{
    CodeRowView view;
    if (entry.IsEmpty != 0) {
        view.standard = StandardName(0);
        view.toneLength = "70";
        return view;
    }
    const std::string c = entry.Code.trimmed();
    if (IsDataMessage(c) && c.size() >= kDataMessageHead) {
        view.kind = CodeKind::DataMessage;
        view.code = Mid5ToneNoE(c, 3, kSelfIdDigits);
        for (std::size_t i = kDataMessageHead; i + 1 < c.size(); i += 2) {
            const int high = HexDigitValue(c[i]);
            const int low = HexDigitValue(c[i + 1]);
            if (high >= 0 && low >= 0)
                view.message += static_cast<char>(high * 16 + low);
        }
    } else if (c.substr(0, 2) == "E6" && c.size() >= 6) {
        view.kind = CodeKind::PttId;
    } else if (IsAniCode(c, ownId)) {
        view.kind = CodeKind::Ani;
        view.code = Mid5ToneNoE(c, 1, kSelfIdDigits) + c.substr(kSelfIdDigits, 1);
    } else {
        view.code = CodeOfLength(c, entry.DigitCount);
    }
    view.standard = StandardName(entry.Standard);
    view.toneLength = std::to_string(entry.ToneLength >= 30 && entry.ToneLength <= 120 ? entry.ToneLength : 70);
    view.name = entry.Name.trimmed();
    return view;
}

std::string DataMessageCode(std::string_view calledId, std::string_view message)
{
    std::string code = "E1" + std::string(calledId) + "E";
    for (const char c : message)
        code += HexByteText(static_cast<unsigned char>(c));
    return code;
}

std::string AniCode(std::string_view calledId, int separator, std::string_view ownId)
{
    return std::string(calledId) + HexText(static_cast<unsigned>(separator & 0xF)) + std::string(ownId);
}

FittedCode FitCode(std::string code, int limit)
{
    if (static_cast<int>(code.size()) <= limit)
        return {std::move(code), std::nullopt};
    return {std::nullopt, Message::Builtin(BuiltinText::CodeTooLong, Message::Icon::Warning, std::to_string(limit))};
}

}  // namespace tq8615
