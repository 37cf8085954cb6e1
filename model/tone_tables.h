#pragma once
// The sub-audio tone tables, step and bandwidth texts that every selector shows.
#include <array>
#include <string>

namespace tq8615 {

constexpr int kCtcssCount = 51;   // index 51 is the channel's own user tone
constexpr int kUserCtcssIndex = 51;
constexpr int kDcsCount = 104;    // a DCS value is polarity * 104 + table index

extern const std::array<const char*, kCtcssCount> kCtcssTexts;
extern const std::array<const char*, kDcsCount> kDcsCodes;
extern const std::array<const char*, 9> kStepTexts;
extern const std::array<const char*, 3> kBandwidthTexts;

}  // namespace tq8615
