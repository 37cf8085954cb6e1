#include "model/channel_edit.h"

#include <cmath>

#include "model/channels.h"
#include "model/freq_codec.h"
#include "model/text_util.h"

namespace tq8615 {

namespace {

constexpr int kCarrier = 0, kSubAudio = 1, kSignalling = 2, kBoth = 3, kEither = 4;

// Frequencies compared in the 10 Hz unit of the model.
long long Units(double mhz) { return std::llround(mhz * 100000.0); }

}  // namespace

std::vector<int> SquelchModeItems(bool subAudioOn, bool signallingOn)
{
    if (subAudioOn && signallingOn)
        return {kCarrier, kSubAudio, kSignalling, kBoth, kEither};
    if (subAudioOn)
        return {kCarrier, kSubAudio};
    if (signallingOn)
        return {kCarrier, kSignalling};
    return {kCarrier};
}

std::optional<TransmitShift> ShiftFromFrequencies(std::string_view rxText, std::string_view txText, const BandPlan& plan)
{
    const auto rx = ParseNumber(rxText), tx = ParseNumber(txText);
    if (!rx || !tx)
        return std::nullopt;
    if (!SameBand(rxText, txText, plan))
        return TransmitShift{kSplit, std::string(txText)};
    const long long r = Units(*rx), t = Units(*tx);
    const int mode = r == t ? kSimplex : (r > t ? kMinusShift : kPlusShift);
    return TransmitShift{mode, FormatFixed(static_cast<double>(std::llabs(r - t)) / 100000.0, 1, 5)};
}

std::string TransmitText(std::string_view rxText, int shiftMode, std::string_view offsetText)
{
    const double rx = ParseNumber(rxText).value_or(0.0), offset = ParseNumber(offsetText).value_or(0.0);
    switch (shiftMode) {
    case kSimplex: return std::string(rxText);
    case kPlusShift: return FormatFixed(rx + offset, 1, 5);
    case kMinusShift: return FormatFixed(rx - offset, 1, 5);
    default: return FormatFixed(offset, 1, 5);
    }
}

int MemoryChannelCount(const ChannelTable& channels)
{
    int count = 0;
    for (int i = 0; i < channels.ChannelCount; ++i)
        count += channels.ChannelList[static_cast<std::size_t>(i)].ChannelNumber <= kMemoryChannels ? 1 : 0;
    return count;
}

bool GetUV_Fre(std::string_view text, const BandPlan& plan)
{
    const auto value = ParseNumber(text);
    return value && *value >= plan.RxLow[kVhf] && *value <= plan.RxHigh[kVhf];
}

}  // namespace tq8615
