#include "model/two_tone.h"
#include "model/text_util.h"

#include <algorithm>
#include <cmath>

namespace tq8615 {

const std::array<const char*, kTwoToneFormats> kTwoToneFormatNames = {
    "A-B", "A-C", "A-D", "B-A", "B-C", "B-D", "C-A", "C-B", "C-D", "D-A", "D-B", "D-C", "Long A", "Long B", "Long C"};

namespace {

constexpr std::size_t kFirstToneAt = 0, kSecondToneAt = 2, kFirstDividerAt = 5, kSecondDividerAt = 7,
                      kFormatAt = 4, kAutoResetAt = 9, kResponseAt = 10, kSideToneAt = 11, kToneBoxesAt = 12,
                      kToneTimesAt = 20, kIntervalAt = 23;
constexpr int kToneTimeBase = 5;  // the list's 0.5 s is stored as 5

// Entry bytes after the flag.
constexpr std::size_t kEntryFirstDivider = 0, kEntrySecondDivider = 2, kEntryFirstTone = 4, kEntrySecondTone = 6;

int Tenths(double hz) { return static_cast<int>(std::lround(hz * 10.0)); }

template <std::size_t N>
void PutBigEndian(std::array<uint8_t, N>& bytes, std::size_t at, int value)
{
    bytes[at] = static_cast<uint8_t>((value >> 8) & 0xFF);
    bytes[at + 1] = static_cast<uint8_t>(value & 0xFF);
}

template <std::size_t N>
int BigEndian(const std::array<uint8_t, N>& bytes, std::size_t at)
{
    return bytes[at] << 8 | bytes[at + 1];
}

int InList(int value, int count) { return value >= 0 && value < count ? value : 0; }

void EmptyEntry(TwoToneEntry& entry)
{
    entry.Flag = 1;
    entry.Tones.fill(0);
    entry.Name = "";
}

}  // namespace

void ResetTwoToneDefaults(TwoToneBlock& block)
{
    // 321.7 Hz and 928.1 Hz, format "A-B"; tones A..D 321.7, 928.1, 626.5, 2043.8 Hz.
    block.Header = {12, 145, 36, 65, 0, 58, 72, 20, 52, 0, 0, 0,
                    0x91, 0x0C, 0x41, 0x24, 0x79, 0x18, 0xD6, 0x4F, 5, 5, 10, 0};
    for (auto& entry : block.Entries)
        entry = {1, {}, std::string_view("")};
    block.Entries[0] = {0, {58, 72, 20, 52, 12, 145, 36, 65}, std::string_view("")};
}

double ClampTwoTone(double hz) { return std::clamp(hz, kLowestTwoTone, kHighestTwoTone); }

int ToneDivider(int dividend, double hz) { return static_cast<int>(dividend / hz); }

FormatTones TonesOfFormat(int format)
{
    const std::string_view name = kTwoToneFormatNames[static_cast<std::size_t>(InList(format, kTwoToneFormats))];
    const auto box = [](char letter) { return letter - 'A'; };
    if (name.starts_with("Long "))
        return {box(name.back()), -1};
    return {box(name.front()), box(name.back())};
}

TwoToneHeaderView ShowTwoToneHeader(const std::array<uint8_t, 24>& h)
{
    TwoToneHeaderView v;
    v.format = InList(h[kFormatAt], kTwoToneFormats);
    for (std::size_t k = 0; k < kToneBoxes; ++k)
        v.tones[k] = (h[kToneBoxesAt + 2 * k] | h[kToneBoxesAt + 2 * k + 1] << 8) / 10.0;
    v.autoResetTime = InList(h[kAutoResetAt], kAutoResetTimes);
    v.decodeResponse = InList(h[kResponseAt], 3);
    v.sideTone = h[kSideToneAt] != 0;
    for (std::size_t k = 0; k < v.toneTimes.size(); ++k)
        v.toneTimes[k] = InList(h[kToneTimesAt + k] - kToneTimeBase, kToneTimes);
    v.interval = InList(h[kIntervalAt], kIntervals);
    return v;
}

void StoreTwoToneHeader(const TwoToneHeaderView& v, std::array<uint8_t, 24>& h)
{
    const FormatTones tones = TonesOfFormat(v.format);
    h[kFormatAt] = static_cast<uint8_t>(InList(v.format, kTwoToneFormats));
    const double first = ClampTwoTone(v.tones[static_cast<std::size_t>(tones.first)]);
    PutBigEndian(h, kFirstToneAt, Tenths(first));
    PutBigEndian(h, kFirstDividerAt, ToneDivider(kHeaderDividend, first));
    if (tones.second >= 0) {
        const double second = ClampTwoTone(v.tones[static_cast<std::size_t>(tones.second)]);
        PutBigEndian(h, kSecondToneAt, Tenths(second));
        PutBigEndian(h, kSecondDividerAt, ToneDivider(kHeaderDividend, second));
    } else {
        PutBigEndian(h, kSecondToneAt, 0);
        PutBigEndian(h, kSecondDividerAt, 0);
    }
    for (std::size_t k = 0; k < kToneBoxes; ++k) {
        const int tenths = Tenths(ClampTwoTone(v.tones[k]));
        h[kToneBoxesAt + 2 * k] = static_cast<uint8_t>(tenths & 0xFF);
        h[kToneBoxesAt + 2 * k + 1] = static_cast<uint8_t>((tenths >> 8) & 0xFF);
    }
    h[kAutoResetAt] = static_cast<uint8_t>(InList(v.autoResetTime, kAutoResetTimes));
    h[kResponseAt] = static_cast<uint8_t>(InList(v.decodeResponse, 3));
    h[kSideToneAt] = v.sideTone ? 1 : 0;
    for (std::size_t k = 0; k < v.toneTimes.size(); ++k)
        h[kToneTimesAt + k] = static_cast<uint8_t>(InList(v.toneTimes[k], kToneTimes) + kToneTimeBase);
    h[kIntervalAt] = static_cast<uint8_t>(InList(v.interval, kIntervals));
}

std::string PlainToneText(double hz)
{
    const int tenths = Tenths(hz);
    return tenths % 10 == 0 ? std::to_string(tenths / 10) : FormatFixed(tenths / 10.0, 1, 1);
}

double LeftToneBoxValue(std::string_view text)
{
    return ClampTwoTone(text.empty() ? 0.0 : ParseNumber(text).value_or(0.0));
}

std::array<std::string, 3> TwoToneRowTexts(const TwoToneEntry& e)
{
    const int first = BigEndian(e.Tones, kEntryFirstTone);
    if (e.Flag != 0 || first == 0)
        return {};
    const int second = BigEndian(e.Tones, kEntrySecondTone);
    return {FormatFixed(first / 10.0, 1, 1), second != 0 ? FormatFixed(second / 10.0, 1, 1) : std::string(),
            e.Name.trimmed()};
}

bool TwoToneCellCommits(int row, int column)
{
    return row >= 1 && row <= kTwoToneEntries && column >= kFirstToneColumn && column <= kNameColumn
           && (row > kFixedToneRows || column == kNameColumn);
}

TwoToneCell TwoToneNextCell(int row, int column, bool emptyFirstTone)
{
    TwoToneCell next{row, column + 1};
    if (column == kNameColumn || (column == kFirstToneColumn && emptyFirstTone))
        next = {row % kTwoToneEntries + 1, kFirstToneColumn};
    if (!TwoToneCellCommits(next.row, next.column))
        next.column = kNameColumn;
    return next;
}

void CommitTwoToneCell(TwoToneBlock& block, int row, int column, std::string_view text)
{
    if (!TwoToneCellCommits(row, column))
        return;
    TwoToneEntry& e = block.Entries[static_cast<std::size_t>(row - 1)];
    if (column == kNameColumn) {
        e.Name = TrimmedText(text);
        return;
    }
    const bool first = column == kFirstToneColumn;
    const std::optional<double> typed = ParseNumber(text);
    if (!typed) {
        if (first) {
            EmptyEntry(e);
        } else {
            PutBigEndian(e.Tones, kEntrySecondDivider, 0);
            PutBigEndian(e.Tones, kEntrySecondTone, 0);
        }
        return;
    }
    const double hz = ClampTwoTone(*typed);
    if (first)
        e.Flag = 0;
    PutBigEndian(e.Tones, first ? kEntryFirstDivider : kEntrySecondDivider, ToneDivider(kCodeDividend, hz));
    PutBigEndian(e.Tones, first ? kEntryFirstTone : kEntrySecondTone, Tenths(hz));
}

namespace {

template <typename InUse>
int16_t CodeInUse(int16_t current, int count, InUse inUse)
{
    if (current >= 0 && current < count && inUse(current))
        return current;
    for (int i = 0; i < count; ++i)
        if (inUse(i))
            return static_cast<int16_t>(i);
    return 0;
}

}  // namespace

void RecheckSignalCodes(ChannelTable& channels, const TwoToneBlock& twoTone, const FiveToneSettings& fiveTone)
{
    const auto twoToneInUse = [&](int i) { return twoTone.Entries[static_cast<std::size_t>(i)].Flag == 0; };
    const auto fiveToneInUse = [&](int i) { return fiveTone.CallList[static_cast<std::size_t>(i)].IsEmpty == 0; };
    for (int i = 0; i < channels.ChannelCount; ++i) {
        ChannelRecord& r = channels.ChannelList[static_cast<std::size_t>(i)];
        if (r.OptSigType == kOptSigTwoTone)
            r.TwoToneIndex = CodeInUse(r.TwoToneIndex, kTwoToneEntries, twoToneInUse);
        else if (r.OptSigType == kOptSigFiveTone)
            r.FiveToneIndex = CodeInUse(r.FiveToneIndex, kFiveToneListSize, fiveToneInUse);
    }
}

}  // namespace tq8615
