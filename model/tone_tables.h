#pragma once
// The sub-audio tone tables, step and bandwidth texts that every selector shows.
#include <array>
#include <string>

namespace tq8615 {

constexpr int kCtcssCount = 51;   // index 51 is the channel's own user tone
constexpr int kUserCtcssIndex = 51;
constexpr int kDcsCount = 104;    // a DCS value is polarity * 104 + table index
constexpr int kDcsValueCount = 2 * kDcsCount;  // values 0..207

// A DCS value of the model taken apart: the code's index into kDcsCodes and its polarity.
struct DcsCode {
    bool inverted = false;
    int index = 0;

    static constexpr DcsCode Of(int value) { return {value / kDcsCount != 0, value % kDcsCount}; }
    constexpr int value() const { return (inverted ? kDcsCount : 0) + index; }
};

extern const std::array<const char*, kCtcssCount> kCtcssTexts;
extern const std::array<const char*, kDcsCount> kDcsCodes;
constexpr int kStepCount = 9;
constexpr int kBandwidthCount = 3;

extern const std::array<const char*, kStepCount> kStepTexts;
extern const std::array<const char*, kBandwidthCount> kBandwidthTexts;

}  // namespace tq8615
