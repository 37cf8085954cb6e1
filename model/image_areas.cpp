#include "model/image_areas.h"

#include "model/compare.h"
#include "model/five_tone.h"
#include "model/memory_map.h"
#include "model/option_fields.h"

#include <algorithm>

namespace tq8615 {

namespace {
bool Within(int address, int start, int size) { return address >= start && address < start + size; }

// The key assignments sit among the options, one byte each.
bool IsKeyByte(int address)
{
    return std::any_of(kOptionFields.begin(), kOptionFields.end(), [address](const OptionField& f) {
        return f.image.coding == ImageCoding::Bits && f.image.at == address && IsKeyAssignment(f.name);
    });
}
}  // namespace

ImageLocation LocateAddress(int address)
{
    if (address < kVfo1Slot)
        return {ConfigArea::Channels, address / kChannelSlotSize + 1};
    if (Within(address, kVfo1Slot, kChannelSlotSize))
        return {ConfigArea::Channels, kVfo1};
    if (Within(address, kVfo2Slot, kChannelSlotSize))
        return {ConfigArea::Channels, kVfo2};
    if (Within(address, kRtSlot, kChannelSlotSize))
        return {ConfigArea::Channels, kRtChannel};
    if (Within(address, kInUseMap, kChannelMapsSize))
        return {ConfigArea::Channels, 0};  // the in-use and scan bitmaps
    if (Within(address, kDtmfArea, kDtmfAreaSize) || Within(address, kDtmfCodeMap, kDtmfCodeMapSize)
        || address == kDtmfSendTime)
        return {ConfigArea::Dtmf, 0};
    if (Within(address, kFiveToneArea, kFiveToneAreaSize) || Within(address, kFiveToneList, kFiveToneListSize * kFiveToneSlotSize)
        || Within(address, kFiveToneListMap, kFiveToneListMapSize))
        return {ConfigArea::FiveTone, 0};
    if (Within(address, kCommuBookIds, kCommuBookAreaSize))
        return {ConfigArea::CommunicationBook, 0};
    if (IsKeyByte(address))
        return {ConfigArea::Keys, 0};
    return {ConfigArea::Options, 0};  // the option text, the option area and the free bytes
}

std::string ImageMismatch::text() const
{
    std::string out;
    for (ConfigArea area : areas) {
        if (!out.empty())
            out += "; ";
        out += AreaName(area);
        if (area == ConfigArea::Channels && !channels.empty()) {
            out += ' ';
            for (std::size_t i = 0; i < channels.size(); ++i)
                out += (i ? ", " : "") + std::to_string(channels[i]);
        }
    }
    return out + " (" + std::to_string(bytes) + (bytes == 1 ? " byte)" : " bytes)");
}

ImageMismatch FindMismatch(const RadioImage& written, const RadioImage& readBack, const std::vector<int>& blockAddresses)
{
    ImageMismatch m;
    for (int block : blockAddresses) {
        for (int a = block; a < block + kBlockSize && a < kImageSize; ++a) {
            if (written.at(a) == readBack.at(a))
                continue;
            ++m.bytes;
            const ImageLocation where = LocateAddress(a);
            if (std::find(m.areas.begin(), m.areas.end(), where.area) == m.areas.end())
                m.areas.push_back(where.area);
            if (where.channel && std::find(m.channels.begin(), m.channels.end(), where.channel) == m.channels.end())
                m.channels.push_back(where.channel);
        }
    }
    std::sort(m.areas.begin(), m.areas.end());
    std::sort(m.channels.begin(), m.channels.end());
    return m;
}

}  // namespace tq8615
