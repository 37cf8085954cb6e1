#pragma once
// A radio image may hold channel values the radio's tables do not have (a DCS index byte
// of 0xF0). Decoding keeps the bytes as they are; this pass brings such values into range
// the way the channel grid already shows them, so whatever is decoded can be written back.
#include <vector>

#include "model/channels.h"
#include "model/messages.h"

namespace tq8615 {

// Sub-audio indexes outside the CTCSS or DCS table become 0, as the grid shows them.
// Returns the numbers of the channels changed, in list order.
std::vector<int> RepairDecodedChannels(ChannelTable& channels);

// Tells the user which channels were changed.
Message RepairedChannelsMessage(const std::vector<int>& channels);

}  // namespace tq8615
