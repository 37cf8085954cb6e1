#pragma once
// The 2-tone block: kept in the editing model and the data file only; the radio receives
// just the channels' code numbers. Here too are the editor's rules for showing and storing
// it, so the window only moves texts.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/channels.h"
#include "model/fixed_text.h"
#include "model/five_tone.h"

namespace tq8615 {

constexpr int kTwoToneEntries = 32;

struct TwoToneEntry {
    int16_t Flag = 1;               // 0 in use, 1 empty
    std::array<uint8_t, 8> Tones{}; // dividers and tones, big-endian pairs
    FixedText<7> Name;

    bool operator==(const TwoToneEntry&) const = default;
};

struct TwoToneBlock {
    std::array<uint8_t, 24> Header{};
    std::array<TwoToneEntry, kTwoToneEntries> Entries{};

    bool operator==(const TwoToneBlock&) const = default;
};

void ResetTwoToneDefaults(TwoToneBlock& block);

// Tones are kept in 0.1 Hz and limited to what the radio's decoder takes.
constexpr double kLowestTwoTone = 288.0;
constexpr double kHighestTwoTone = 3106.0;
double ClampTwoTone(double hz);
// The decoder's divider of a tone: the whole part of dividend / f. The list's codes use
// 600000, the header 4800000.
constexpr int kCodeDividend = 600000;
constexpr int kHeaderDividend = 4800000;
int ToneDivider(int dividend, double hz);

// Decode formats: two of the tones A..D, or one long tone.
constexpr int kTwoToneFormats = 15;
extern const std::array<const char*, kTwoToneFormats> kTwoToneFormatNames;  // "A-B" .. "Long C"
constexpr int kToneBoxes = 4;  // A, B, C, D
struct FormatTones {
    int first = 0;    // 0..3 for A..D
    int second = -1;  // -1 for a long tone
};
FormatTones TonesOfFormat(int format);

// The header as the editor's controls show it; list positions where a list shows it.
struct TwoToneHeaderView {
    int format = 0;                         // Combo2(0)
    std::array<double, kToneBoxes> tones{}; // A..D in Hz
    int autoResetTime = 0;                  // 0..250, tenths of a second
    int decodeResponse = 0;                 // 0..2
    bool sideTone = false;
    std::array<int, 3> toneTimes{};         // first, second and long tone time: 0..95 for 0.5..10.0 s
    int interval = 0;                       // 0..20 for 0..2000 ms
};
constexpr int kAutoResetTimes = 251;
constexpr int kToneTimes = 96;
constexpr int kIntervals = 21;

// Values outside their lists are shown as the list's first item.
TwoToneHeaderView ShowTwoToneHeader(const std::array<uint8_t, 24>& header);
// Stores the view: the format's tones (clamped) with their dividers, the second pair 0 for
// a long tone, and the four reference tones.
void StoreTwoToneHeader(const TwoToneHeaderView& view, std::array<uint8_t, 24>& header);
// A header tone box's text as it is shown: a plain number ("321.7", "288").
std::string PlainToneText(double hz);
// What a header tone box holds after it is left: empty counts as 0, then clamped.
double LeftToneBoxValue(std::string_view text);

// The grid: rows 1..32, columns 1 first tone, 2 second tone, 3 name.
constexpr int kFixedToneRows = 20;  // their tones are the radio's own; only names change
constexpr int kFirstToneColumn = 1, kSecondToneColumn = 2, kNameColumn = 3;
std::array<std::string, 3> TwoToneRowTexts(const TwoToneEntry& entry);
bool TwoToneCellCommits(int row, int column);
// Where Enter leads from a cell: on along the row, from the name to the next row's first
// tone, from an empty first tone straight down; after row 32 back to row 1. Tone cells
// that cannot change are passed over for the name.
struct TwoToneCell {
    int row = 1;
    int column = kFirstToneColumn;
};
TwoToneCell TwoToneNextCell(int row, int column, bool emptyFirstTone);
// Commits what was typed into a cell of `row` (1..32): a name, a tone (clamped, with its
// divider), or for a text that is no number the tone removed - the first tone empties the
// whole entry. Cells that do not commit leave the entry as it is.
void CommitTwoToneCell(TwoToneBlock& block, int row, int column, std::string_view text);

// After the code lists changed: a channel using 2-tone or 5-tone signalling keeps its code
// when that code is in use, else takes the first code in use, else 0.
void RecheckSignalCodes(ChannelTable& channels, const TwoToneBlock& twoTone, const FiveToneSettings& fiveTone);

}  // namespace tq8615
