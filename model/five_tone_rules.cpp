#include "model/five_tone_rules.h"

#include "model/five_tone_codes.h"

#include <array>

namespace tq8615 {

namespace {

using ToneColumn = std::array<const char*, 16>;

// Hz of the digits 0..F; an empty text where the standard has no tone for the digit.
constexpr std::array<ToneColumn, kFiveToneStandardCount> kToneTables = {{
    {{"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200", "2800", "810", "970", "885", "2600", "680"}},
    {{"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200", "885", "810", "740", "680", "970", "2600"}},
    {{"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "885", "", "", "", "2400", ""}},
    {{"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200", "970", "810", "2800", "885", "2600", "680"}},
    {{"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "825/885", "740", "2600", "885", "2400", "680"}},
    {{"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "825", "886", "2600", "856", "2400", ""}},
    {{"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860", "2400", "930", "2247", "991", "2110", "1055"}},
    {{"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860", "2400", "930", "2247", "991", "2110", "1055"}},
    {{"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860", "1050", "930", "2400", "991", "2110", ""}},
    {{"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860", "1055", "930", "2400", "991", "2110", "2247"}},
    {{"979.8", "903.1", "832.5", "767.4", "707.4", "652.0", "601.0", "554.0", "510.7", "470.8", "", "", "", "", "1062.9", ""}},
    {{"1633", "631", "697", "770", "852", "941", "1040", "1209", "1336", "1477", "1995", "571", "2205", "2437", "1805", "2694"}},
    {{"637.5", "787.5", "937.5", "1087.5", "1237.5", "1387.5", "1537.5", "1687.5", "1837.5", "1987.5", "", "", "", "", "487.5", ""}},
    {{"400.0", "697.0", "770.0", "852.0", "941.0", "1209.0", "1335.0", "1477.0", "1663.0", "1800.0", "1900.0", "2000.0", "2100.0",
      "2200.0", "2300.0", "0.0"}},
}};
constexpr std::array<int, kFiveToneStandardCount> kToneLengths = {70, 70, 70, 70, 70, 70, 100, 70, 100, 40, 100, 70, 40, 70};
// ZVEI1, ZVEI3, EURO SIGNAL, NATEL, MODAT and CCITT name their repeat tone.
constexpr std::array<bool, kFiveToneStandardCount> kHasRepeatLine = {true,  false, true,  false, false, false, false,
                                                                     false, false, false, true,  true,  true,  true};

constexpr int kKill = 3, kStun = 4, kWaken = 5;

int KnownStandard(int standard) { return standard >= 0 && standard < kFiveToneStandardCount ? standard : 0; }

bool IsSelfIdCarrier(std::string_view code) { return code.substr(0, 2) == "E2" || code.substr(0, 2) == "E6"; }

// The identity rewriting of one code: E2/E6 codes and ANI codes (recognised by `aniId`)
// end in `selfId`; the result is in stored form.
std::string WithSelfId(std::string code, std::string_view selfId, std::string_view aniId)
{
    if (IsSelfIdCarrier(code))
        code = code.substr(0, 2) + std::string(selfId);
    if (IsAniCode(code, aniId))
        code = code.substr(0, 6) + std::string(selfId);
    return StoreCode(code, selfId);
}

void SetCode(FiveToneCode& entry, const std::string& code)
{
    entry.Code = code;
    entry.DigitCount = static_cast<uint8_t>(std::min<std::size_t>(code.size(), kCodeDigits));
}

std::string InfoDigits(const FiveToneInfoCode& info) { return info.Digits.trimmed().substr(0, info.DigitCount); }

}  // namespace

int StandardToneLength(int standard) { return kToneLengths[static_cast<std::size_t>(KnownStandard(standard))]; }

std::string StandardInfoText(int standard, const ToneTableCaptions& captions)
{
    const std::size_t s = static_cast<std::size_t>(KnownStandard(standard));
    const std::string crlf = "\r\n";
    std::string text = std::string(kFiveToneStandards[s]) + crlf + captions.frequency + "(Hz)" + crlf;
    for (std::size_t digit = 0; digit < 16; ++digit)
        text += "0123456789ABCDEF"[digit] + std::string(" ") + kToneTables[s][digit] + crlf;
    text += captions.toneLength + "(ms) " + std::to_string(kToneLengths[s]) + crlf;
    text += captions.groupTone + " A";
    if (kHasRepeatLine[s])
        text += crlf + captions.repeatTone + " E";
    return text;
}

void StoreListCodes(FiveToneSettings& settings, std::string_view selfId)
{
    for (FiveToneCode& entry : settings.CallList) {
        if (entry.IsEmpty != 0)
            continue;
        // What the list shows is what is kept.
        std::string code = CodeOfLength(entry.Code.trimmed(), std::min<int>(entry.DigitCount, kCodeDigits));
        if (code.size() > 2)
            code = WithSelfId(code, selfId, selfId);
        SetCode(entry, code);
        if (entry.ToneLength < 30 || entry.ToneLength > 120)
            entry.ToneLength = 70;
    }
}

void UpdateSelfIdCodes(FiveToneSettings& settings, std::string_view newId, std::string_view previousId)
{
    const auto update = [&](FiveToneCode& entry) {
        const std::string code = entry.Code.trimmed();
        if (code.size() > 1)
            SetCode(entry, WithSelfId(code, newId, previousId));
    };
    for (FiveToneCode& entry : settings.CallList)
        if (entry.IsEmpty == 0)
            update(entry);
    update(settings.PttIdBegin);
    update(settings.PttIdEnd);
}

std::vector<Message> IsInfoKillStunWakenOK(const FiveToneSettings& settings)
{
    bool killOrStun = false, waken = false, conflict = false;
    for (const FiveToneInfoCode& info : settings.InfoCodes) {
        killOrStun = killOrStun || info.DecodeFunction == kKill || info.DecodeFunction == kStun;
        waken = waken || info.DecodeFunction == kWaken;
        if (info.DecodeFunction < kKill || info.DecodeFunction > kWaken || InfoDigits(info).empty())
            continue;
        // Unused codes (no digits) never conflict.
        for (const FiveToneInfoCode& other : settings.InfoCodes)
            conflict = conflict || (other.DecodeFunction != info.DecodeFunction && InfoDigits(other) == InfoDigits(info));
    }
    std::vector<Message> problems;
    if (killOrStun && !waken)
        problems.push_back(Message::Key(TextKey::KillNeedsWaken));
    if (conflict)
        problems.push_back(Message::Key(TextKey::InfoCodeConflict));
    return problems;
}

void RevalidateFiveToneIndexes(ChannelTable& channels, const FiveToneSettings& settings)
{
    int lowest = 0;
    while (lowest < kFiveToneListSize && settings.CallList[static_cast<std::size_t>(lowest)].IsEmpty != 0)
        ++lowest;
    if (lowest == kFiveToneListSize)
        lowest = 0;
    for (int i = 0; i < channels.ChannelCount; ++i) {
        ChannelRecord& r = channels.ChannelList[static_cast<std::size_t>(i)];
        const bool present = r.FiveToneIndex >= 0 && r.FiveToneIndex < kFiveToneListSize &&
                             settings.CallList[static_cast<std::size_t>(r.FiveToneIndex)].IsEmpty == 0;
        if (!present)
            r.FiveToneIndex = static_cast<int16_t>(lowest);
    }
}

}  // namespace tq8615
