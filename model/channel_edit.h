#pragma once
// The channel editor's rules that depend only on data: the squelch modes a channel may
// choose, the shift a pair of typed frequencies gives, and the band a receive text names.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/band_plan.h"
#include "model/channels.h"

namespace tq8615 {

// Positions in the master list of squelch modes (M0..M4) offered for the given settings.
std::vector<int> SquelchModeItems(bool subAudioOn, bool signallingOn);

struct TransmitShift {
    int shiftMode;
    std::string offsetText;  // the offset, or with a split the transmit frequency
    bool operator==(const TransmitShift&) const = default;
};
// The shift mode and offset of validated receive and transmit texts; nothing when either is
// no number.
std::optional<TransmitShift> ShiftFromFrequencies(std::string_view rxText, std::string_view txText,
                                                  const BandPlan& plan);

// The transmit frequency a receive text, shift mode and offset (or split frequency) give.
std::string TransmitText(std::string_view rxText, int shiftMode, std::string_view offsetText);

// The memory channels (1..200) in the list.
int MemoryChannelCount(const ChannelTable& channels);

// True when the text is a number inside the VHF receive range (the second frequency set).
bool GetUV_Fre(std::string_view text, const BandPlan& plan);

}  // namespace tq8615
