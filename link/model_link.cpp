#include "link/model_link.h"
#include "model/channel_check.h"

namespace tq8615 {

std::bitset<kChannelSlots> ChannelsInUse(const ChannelTable& channels)
{
    std::bitset<kChannelSlots> used;
    for (int i = 0; i < channels.ChannelCount && i < int(channels.ChannelList.size()); ++i) {
        const int n = channels.ChannelList[std::size_t(i)].ChannelNumber;
        if (n >= 1 && n <= kChannelSlots)
            used.set(std::size_t(n - 1));
    }
    return used;
}

WriteRequest WriteRequestFor(EditingModel& model)
{
    WriteRequest request;
    request.bandPlanIndex = model.Band.BandPlanIndex;
    request.channelsInUse = ChannelsInUse(model);
    request.encode = [&model](RadioImage& image, BlockUsageMap& usage, MessageSink& sink) {
        if (const auto faults = CheckChannelsForWrite(model, model.Band); !faults.empty()) {
            sink.show(ChannelFaultsMessage(faults));
            return false;
        }
        return EncodeModelToImage(model, image, usage, sink);
    };
    return request;
}

}  // namespace tq8615
