#include "model/channel_repair.h"
#include "model/channel_display.h"
#include "model/tone_tables.h"

namespace tq8615 {
namespace {

bool Clamp(int16_t& value, int max)
{
    if (value >= 0 && value <= max)
        return false;
    value = 0;
    return true;
}

}  // namespace

std::vector<int> RepairDecodedChannels(ChannelTable& channels)
{
    std::vector<int> repaired;
    for (int i = 0; i < channels.ChannelCount; ++i) {
        ChannelRecord& r = channels.ChannelList[static_cast<std::size_t>(i)];
        bool changed = false;
        for (int16_t* dcs : {&r.DecodeDcs, &r.EncodeDcs})
            changed |= Clamp(*dcs, 2 * kDcsCount - 1);
        for (int16_t* ctcss : {&r.DecodeCtcss, &r.EncodeCtcss})
            changed |= Clamp(*ctcss, kUserCtcssIndex);
        if (changed)
            repaired.push_back(r.ChannelNumber);
    }
    return repaired;
}

Message RepairedChannelsMessage(const std::vector<int>& channels)
{
    std::string list;
    for (int n : channels)
        list += (list.empty() ? "" : ", ") + RowLabel(n);
    return Message::Builtin(BuiltinText::ChannelsRepaired, Message::Icon::Warning, list);
}

}  // namespace tq8615
