#pragma once
// The rules a channel must meet before it goes to a radio, in one place so the channel
// editor and a radio write apply the same ones.
#include <string>
#include <vector>

#include "model/band_plan.h"
#include "model/channels.h"
#include "model/messages.h"

namespace tq8615 {

struct ChannelFault {
    int channel;        // the channel number (201, 202, 203 for VFO1, VFO2, RT)
    std::string field;  // the field's name in the channel record
    bool operator==(const ChannelFault&) const = default;
};

// The fields of one record that do not fit the radio's channel slot.
std::vector<std::string> FieldsOutsideSlot(const ChannelRecord& record);

// Every channel of the list: the slot's field ranges, the receive frequency of the active
// set inside the band plan, a split transmit frequency inside it too (in any receive or
// transmit range, as the editor lets it be typed), an offset of at most 80 MHz.
std::vector<ChannelFault> CheckChannelsForWrite(const ChannelTable& channels, const BandPlan& plan);

// The refusal of a write, listing the faults as "channel: field".
Message ChannelFaultsMessage(const std::vector<ChannelFault>& faults);

}  // namespace tq8615
