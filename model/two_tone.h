#pragma once
// The 2-tone block: kept in the editing model and the data file only; the radio receives
// just the channels' code numbers.
#include <array>
#include <cstdint>

#include "model/fixed_text.h"

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

}  // namespace tq8615
