#include "model/channel_check.h"
#include "model/channel_display.h"
#include "model/channel_fields.h"
#include "model/image_fields.h"
#include "model/freq_codec.h"
#include "model/text_util.h"
#include "model/tone_tables.h"

#include <optional>

namespace tq8615 {
namespace {

bool Packs(const FixedText<9>& digits, bool emptyAllowed)
{
    const std::string t = digits.trimmed();
    if (t.empty())
        return emptyAllowed;
    try {
        PackBcd8(t);
        return true;
    } catch (const EncodeError&) {
        return false;
    }
}

std::optional<double> FrequencyOf(const FixedText<9>& digits)
{
    CollectingSink quiet;
    const std::string text = DigitsToFreqText(digits.raw(), quiet);
    return text.empty() ? std::nullopt : ParseNumber(text);
}

// Half the last stored digit: values are compared without rounding noise.
constexpr double kTolerance = 0.000005;
constexpr double kMaxOffset = 80;

bool InRange(double value, double low, double high) { return value >= low - kTolerance && value <= high + kTolerance; }

bool InReceiveRange(double mhz, const BandPlan& plan)
{
    return InRange(mhz, plan.RxLow[kUhf], plan.RxHigh[kUhf]) || InRange(mhz, plan.RxLow[kVhf], plan.RxHigh[kVhf]);
}

bool InTransmitRange(double mhz, const BandPlan& plan)
{
    return InReceiveRange(mhz, plan) || InRange(mhz, plan.TxLow[kUhf], plan.TxHigh[kUhf])
        || InRange(mhz, plan.TxLow[kVhf], plan.TxHigh[kVhf]);
}

void CheckFrequencies(const ChannelRecord& r, const BandPlan& plan, std::vector<ChannelFault>& faults)
{
    const bool secondSet = r.ChannelNumber > kMemoryChannels && r.VhfActive != 0;
    const auto& rxField = secondSet ? r.RxFreqVhf : r.RxFreq;
    const auto& txField = secondSet ? r.TxFreqVhf : r.TxFreq;
    const int shift = secondSet ? r.ShiftModeVhf : r.ShiftMode;
    const char* rxName = secondSet ? "RxFreqVhf" : "RxFreq";
    const char* txName = secondSet ? "TxFreqVhf" : "TxFreq";
    const auto rx = FrequencyOf(rxField);
    if (!rx || !InReceiveRange(*rx, plan)) {
        faults.push_back({r.ChannelNumber, rxName});
        return;
    }
    if (shift == 0)
        return;
    // An offset is held to what the editor lets through (at most 80 MHz), not to the band:
    // the program's own defaults put the RT channel's plus shift past the VHF band's edge.
    const auto tx = FrequencyOf(txField);
    const bool fits = shift == 3 ? tx && InTransmitRange(*tx, plan) : tx && *tx >= 0 && *tx <= kMaxOffset + kTolerance;
    if (!fits)
        faults.push_back({r.ChannelNumber, txName});
}

}  // namespace

std::vector<std::string> FieldsOutsideSlot(const ChannelRecord& r)
{
    std::vector<std::string> fields;
    if (ChannelSlotAddress(r.ChannelNumber) < 0)
        fields.emplace_back("ChannelNumber");
    const bool memory = r.ChannelNumber <= kMemoryChannels;
    for (const ChannelField& f : kChannelFields) {
        // The bitmaps and the name hold memory channels only; frequencies are checked below.
        const bool ownRule = f.image.coding == ImageCoding::Own;
        if (f.value.text || (ownRule && !memory))
            continue;
        if (!FitsImage(f, Get(r, f)))
            fields.emplace_back(f.name);
    }
    const std::pair<const char*, bool> frequencies[] = {
        {"RxFreq", Packs(r.RxFreq, true)},
        {"TxFreq", Packs(r.TxFreq, true)},
        {"RxFreqVhf", memory || Packs(r.RxFreqVhf, true)},
        {"TxFreqVhf", memory || Packs(r.TxFreqVhf, true)},
    };
    for (const auto& [name, packs] : frequencies)
        if (!packs)
            fields.emplace_back(name);
    return fields;
}

std::vector<ChannelFault> CheckChannelsForWrite(const ChannelTable& channels, const BandPlan& plan)
{
    std::vector<ChannelFault> faults;
    for (int i = 0; i < channels.ChannelCount; ++i) {
        const ChannelRecord& r = channels.ChannelList[static_cast<std::size_t>(i)];
        const auto outside = FieldsOutsideSlot(r);
        for (const std::string& field : outside)
            faults.push_back({r.ChannelNumber, field});
        if (outside.empty() && (r.ChannelInUse == 1 || r.ChannelNumber > kMemoryChannels))
            CheckFrequencies(r, plan, faults);
    }
    return faults;
}

Message ChannelFaultsMessage(const std::vector<ChannelFault>& faults)
{
    std::string list;
    for (const ChannelFault& f : faults)
        list += "\n" + RowLabel(f.channel) + ": " + f.field;
    return Message::Builtin(BuiltinText::ChannelsNotWritable, Message::Icon::Error, list);
}

}  // namespace tq8615
