#include "model/dtmf_edit.h"

#include "model/dtmf_fields.h"
#include "model/text_util.h"

#include <algorithm>

namespace tq8615 {

namespace {

constexpr int kFirstSeparator = 10;  // A
constexpr int kDefaultSeparator = 14;  // "*"
constexpr int kMinIdLength = 3;
constexpr std::string_view kSeparators = "ABCD*#";

std::string Replaced(std::string_view text, char from1, char to1, char from2, char to2)
{
    std::string out(text);
    for (char& c : out)
        c = c == from1 ? to1 : c == from2 ? to2 : c;
    return out;
}

// A list index for a stored value, item 0 when the list has none for it.
int IndexOf(int value, int first, int last, int firstIndex)
{
    return value >= first && value <= last ? value - first + firstIndex : 0;
}

int16_t Narrow(int value) { return static_cast<int16_t>(value); }

template <std::size_t N>
std::string Shown(const DtmfCode<N>& code)
{
    return DtmfDisplayText(code.Digits.trimmed().substr(0, static_cast<std::size_t>(std::max<int>(code.DigitCount, 0))));
}

// A code the user left as it was shown keeps its stored bytes, so that OK without changes
// leaves the data unmodified.
template <std::size_t N>
void Store(const std::string& typed, DtmfCode<N>& code)
{
    if (typed == Shown(code) && code.DigitCount == static_cast<int>(typed.size()))
        return;
    code.DigitCount = Narrow(static_cast<int>(typed.size()));
    code.Digits = DtmfDigitText(typed);
}

// The boxes in the order of the form: M1..M16, begin, end, then kill and stun apart.
template <typename Visit>
void ForEachLongCode(DtmfSettings& s, Visit visit)
{
    for (int n = 0; n < kDtmfCodeCount; ++n)
        visit(n, s.DtmfCodes[static_cast<std::size_t>(n)]);
    visit(kDtmfBeginBox, s.DtmfPttIdBegin);
    visit(kDtmfEndBox, s.DtmfPttIdEnd);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string DtmfDigitText(std::string_view shown) { return Replaced(shown, '*', 'E', '#', 'F'); }

std::string DtmfDisplayText(std::string_view stored) { return Replaced(stored, 'E', '*', 'F', '#'); }

std::string PaddedOwnId(std::string_view typed)
{
    std::string id = TrimmedText(typed);
    const std::size_t length =
        id.size() >= kMinIdLength && id.size() <= kDtmfIdMaxLength ? id.size() : kMinIdLength;
    id.resize(length, '0');
    return id;
}

DtmfForm ShowDtmfFromModel(DtmfSettings& s)
{
    DtmfForm f;
    if (s.AniSetting > 1)
        s.AniSetting = 0;
    if (s.SendTime > 4)
        s.SendTime = 0;
    if (s.PttIdSetting > 3)
        s.PttIdSetting = 0;
    f.ani = std::max<int>(s.AniSetting, 0);
    f.sendTime = std::max<int>(s.SendTime, 0);
    f.pttId = std::max<int>(s.PttIdSetting, 0);

    if (s.DtmfIdLength < kMinIdLength || s.DtmfIdLength > kDtmfIdMaxLength)
        s.DtmfIdLength = kMinIdLength;
    const auto length = static_cast<std::size_t>(s.DtmfIdLength);
    std::string id = s.DtmfId.trimmed();
    id = IsDecimalDigits(id) ? id.substr(0, length) : std::string();
    id.resize(length, '0');
    s.DtmfId = id + '\0';
    f.ownId = id;

    if (s.SeparatorCode < kFirstSeparator || s.SeparatorCode > 15)
        s.SeparatorCode = kDefaultSeparator;
    f.separator = s.SeparatorCode - kFirstSeparator;
    // The list starts with "off"; any code it cannot show is taken as off.
    if (s.GroupCode < kFirstSeparator || s.GroupCode > 15)
        s.GroupCode = kDtmfGroupCodeOff;
    f.groupCode = IndexOf(s.GroupCode, kFirstSeparator, 15, 1);

    ForEachLongCode(s, [&f](int box, const auto& code) { f.codes[static_cast<std::size_t>(box)] = Shown(code); });
    f.codes[kDtmfKillBox] = Shown(s.KillCode);
    f.codes[kDtmfStunBox] = Shown(s.StunCode);

    if (s.DecodeResponse > 2 || s.DecodeResponse < 0)
        s.DecodeResponse = 0;
    if (s.FirstDigitDelay > 250 || s.FirstDigitDelay < 0)
        s.FirstDigitDelay = 0;
    f.decodeResponse = s.DecodeResponse;
    f.firstDigitDelay = s.FirstDigitDelay;
    f.preSendDelay = IndexOf(s.PreSendDelay, 1, kDtmfTimeItems - 1, 0);
    f.resetTime = IndexOf(s.ResetTime, 0, kDtmfTimeItems - 1, 0);
    f.postSendDelay = IndexOf(s.PostSendDelay, 1, kDtmfTimeItems - 1, 0);
    f.pauseTime = IndexOf(s.PauseTime, kDtmfPauseFirst, kDtmfPauseLast, 1);
    f.sideTone = s.SideTone == 1;
    return f;
}

void SaveDtmfToModel(const DtmfForm& f, DtmfSettings& s)
{
    s.AniSetting = Narrow(f.ani);
    s.SendTime = Narrow(f.sendTime);
    s.PttIdSetting = Narrow(f.pttId);
    const std::string id = PaddedOwnId(f.ownId);
    s.DtmfIdLength = Narrow(static_cast<int>(id.size()));
    s.DtmfId = id + '\0';
    s.SeparatorCode = Narrow(f.separator + kFirstSeparator);
    s.GroupCode = Narrow(f.groupCode == 0 ? kDtmfGroupCodeOff : f.groupCode + kFirstSeparator - 1);
    s.DecodeResponse = Narrow(f.decodeResponse);
    s.FirstDigitDelay = Narrow(f.firstDigitDelay);
    s.PreSendDelay = Narrow(f.preSendDelay + 1);
    s.ResetTime = Narrow(f.resetTime);
    s.PostSendDelay = Narrow(f.postSendDelay + 1);
    s.PauseTime = Narrow(f.pauseTime == 0 ? 0 : f.pauseTime + kDtmfPauseFirst - 1);
    s.SideTone = f.sideTone ? 1 : 0;
    ForEachLongCode(s, [&f](int box, auto& code) { Store(f.codes[static_cast<std::size_t>(box)], code); });
    Store(f.codes[kDtmfKillBox], s.KillCode);
    Store(f.codes[kDtmfStunBox], s.StunCode);
}

char SeparatorChar(int index)
{
    return index >= 0 && index < static_cast<int>(kSeparators.size()) ? kSeparators[static_cast<std::size_t>(index)] : '*';
}

std::string ComposeAni(std::string_view called, char separator, std::string_view ownId)
{
    std::string code(called.substr(0, kDtmfCalledIdLength));
    code.resize(kDtmfCalledIdLength, '0');
    return code + separator + std::string(ownId);
}

std::string WithNewSeparator(const std::string& s, char separator, std::string_view ownId)
{
    if (s.size() == 7 && IsDecimalDigits(s.substr(0, 3)) && IsDecimalDigits(s.substr(4)) && s.substr(4) == ownId &&
        !IsDigit(s[3]))
        return s.substr(0, 3) + separator + s.substr(4);
    if (s.size() == 4 && IsDecimalDigits(s.substr(1)) && s.substr(1) == ownId && !IsDigit(s[0]))
        return separator + s.substr(1);
    return s;
}

std::string WithNewOwnId(const std::string& s, char separator, std::string_view ownId)
{
    if (s.size() == 7 && s[3] == separator)
        return s.substr(0, 4) + std::string(ownId);
    if (s.size() == 4 && s[0] == separator && IsDecimalDigits(s.substr(1)))
        return separator + std::string(ownId);
    return s;
}

bool RemoteCodesClash(std::string_view kill, std::string_view stun)
{
    const std::string k = TrimmedText(kill);
    return !k.empty() && k == TrimmedText(stun);
}

}  // namespace tq8615
