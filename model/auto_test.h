#pragma once
// What the factory's auto test export records while it encodes the model: the blocks of
// the image the chosen groups wrote and one row of display texts per memory channel.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/channel_display.h"
#include "model/editing_model.h"

namespace tq8615 {

// One flag per check box of the export window, in its order; only some groups record.
constexpr std::size_t kAutoTestGroupCount = 12;
using AutoTestGroupFlags = std::array<int16_t, kAutoTestGroupCount>;
constexpr std::size_t kChannelsGroup = 0, kOptionsGroup = 4, kDtmfGroup = 6, kFiveToneGroup = 8, kCommuBookGroup = 10;
constexpr AutoTestGroupFlags kStartAutoTestGroups = {1};  // channels only
extern const std::array<const char*, kAutoTestGroupCount> kAutoTestGroupCaptions;

constexpr std::size_t kAutoTestCellsPerRow = 9;
constexpr std::size_t kAutoTestMaxCells = 4096;
using AutoTestRow = std::array<std::string, kAutoTestCellsPerRow>;

struct AutoTestRecord {
    BlockUsageMap map;
    std::vector<AutoTestRow> rows;
};

// Cells "label|value": the channel number shown and used, the frequencies, sub-audio,
// power and bandwidth as the channel grid shows them.
AutoTestRow AutoTestRowOf(const ChannelRecord& channel, const LangLookup& lang, MessageSink& sink);

// Clears the image and the record and encodes the model, the groups set in `groups`
// marking their blocks and, for the channels, adding their rows. `record.map` must be
// active. False when an encoder failed (reported to `sink`).
bool EncodeForAutoTest(EditingModel& model, const AutoTestGroupFlags& groups, RadioImage& image,
                       AutoTestRecord& record, const LangLookup& lang, MessageSink& sink);

}  // namespace tq8615
