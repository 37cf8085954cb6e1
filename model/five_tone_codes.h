#pragma once
// The digit strings of 5-tone codes as the user types and sees them, and as the radio keeps
// them: E is the repeat tone, sent instead of a digit equal to the one before it. Special
// codes (data message, ANI, PTT ID) carry their kind in their shape.
#include <optional>
#include <string>
#include <string_view>

#include "model/five_tone.h"
#include "model/messages.h"

namespace tq8615 {

// The placeholder an ANI code of the call list carries for the own identity until the
// 5-tone editor puts the identity in.
inline constexpr std::string_view kSelfIdPlaceholder = "SelfID";

// Field sizes a composed code must fit.
constexpr int kPttIdBoxLength = 24;

// A digit equal to the one before it becomes E; in a data message ("E1...") everything after
// the eighth character (the message's character codes) is kept as it is.
std::string RepeatEncode(std::string_view s);
// As RepeatEncode without the data message rule; the separator and the first digit of the
// own identity (positions 6 and 7) are always kept.
std::string AniRepeatEncode(std::string_view s);
// A called identity, a separator and `id` (the own identity, five digits, or the placeholder).
bool IsAniCode(std::string_view code, std::string_view id);
// How a typed code is stored: ANI codes by AniRepeatEncode, the rest by RepeatEncode.
std::string StoreCode(std::string_view code, std::string_view id);
// `length` characters from position `start` (1-based), every E shown as the digit before it.
std::string Mid5ToneNoE(std::string_view s, int start, int length);

// A code cut to `count` characters, or padded with E when shorter.
std::string CodeOfLength(std::string_view code, int count);

// What a row of the code list shows. The window puts the language texts in: the data
// message kind and the "message" caption between `code` and `message`.
enum class CodeKind { None, DataMessage, PttId, Ani };
struct CodeRowView {
    CodeKind kind = CodeKind::None;
    std::string code;     // the code column (for a data message: the called identity)
    std::string message;  // a data message's text
    std::string standard;
    std::string toneLength;
    std::string name;
};
// `ownId` is the own identity as the editor shows it.
CodeRowView ViewOfCode(const FiveToneCode& entry, std::string_view ownId);
// The repairs made before a row is shown: a digit count above 40 becomes 0, an unknown
// standard the first one, a tone length outside 30..120 becomes 70.
void RepairCode(FiveToneCode& entry);
std::string StandardName(int standard);

// The special call codes, before their repeat encoding: "E1", the called identity, "E" and
// the message's character codes as hexadecimal pairs; and the ANI code.
std::string DataMessageCode(std::string_view calledId, std::string_view message);
std::string AniCode(std::string_view calledId, int separator, std::string_view ownId);

// A code for a field of `limit` characters; a longer one is refused with a message that
// names the limit (nullopt).
struct FittedCode {
    std::optional<std::string> code;
    std::optional<Message> refusal;
};
FittedCode FitCode(std::string code, int limit);

}  // namespace tq8615
