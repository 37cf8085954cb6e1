#include "model/channel_display.h"
#include "model/freq_codec.h"
#include "model/text_util.h"
#include "model/tone_tables.h"

namespace tq8615 {

std::string RowLabel(int row)
{
    switch (row) {
    case kVfo1: return "VFO1";
    case kVfo2: return "VFO2";
    case kRtChannel: return "TRF";
    default: return row >= 1 && row <= kMemoryChannels ? std::to_string(row) : std::string();
    }
}

std::array<std::string, kGridColumns> GridHeaderTexts(const LangLookup& lang)
{
    const std::string subAudio = lang(TextKey::SubAudio) + "\r\n";
    return {lang(TextKey::RowLabelHeader), lang(TextKey::RxFrequency), lang(TextKey::TxFrequency),
            lang(TextKey::ChannelName),    lang(TextKey::Step),        lang(TextKey::Bandwidth),
            lang(TextKey::ScanAdd),        lang(TextKey::Power),       subAudio + lang(TextKey::DecodeHeader),
            subAudio + lang(TextKey::EncodeHeader), lang(TextKey::OptionalSignalling)};
}

std::string ItemText(std::string_view item, int value, const LangLookup& lang)
{
    auto pick = [value](std::initializer_list<std::string> texts) {
        return value >= 0 && value < static_cast<int>(texts.size()) ? *(texts.begin() + value) : std::string();
    };
    if (item == "Step")
        return value >= 0 && value < static_cast<int>(kStepTexts.size()) ? kStepTexts[static_cast<std::size_t>(value)] : "";
    if (item == "WN")
        return value >= 0 && value < static_cast<int>(kBandwidthTexts.size()) ? kBandwidthTexts[static_cast<std::size_t>(value)] : "";
    if (item == "Scan")
        return pick({lang(TextKey::No), lang(TextKey::Yes)});
    if (item == "Power")
        return pick({lang(TextKey::PowerHigh), lang(TextKey::PowerMiddle), lang(TextKey::PowerLow)});
    if (item == "OptSig")
        return pick({lang(TextKey::OptSigOff), "DTMF", "", "5tone"});
    if (item == "TxForbid")
        return pick({lang(TextKey::TxForbidOff), lang(TextKey::TxForbidOn)});
    return {};
}

std::string SignalText(std::string_view item, const ChannelRecord& r, const LangLookup& lang)
{
    if (item == "OptSig") {
        if (r.OptSigType == 1)
            return "DTMF M" + std::to_string(r.DtmfIndex + 1);
        if (r.OptSigType == 3)
            return "5tone " + std::to_string(r.FiveToneIndex);
        return lang(TextKey::SignalOff);
    }
    const bool decode = item == "Decode";
    const int type = decode ? r.DecodeType : r.EncodeType;
    if (type == 1) {
        int index = decode ? r.DecodeCtcss : r.EncodeCtcss;
        return CtcssText(index > kUserCtcssIndex ? 0 : index, r.UserCtcss);
    }
    if (type == 2)
        return DcsText(decode ? r.DecodeDcs : r.EncodeDcs);
    return lang(TextKey::SignalOff);
}

std::array<std::string, kGridColumns> ChannelRowTexts(const ChannelRecord& r, const LangLookup& lang,
                                                      MessageSink& sink)
{
    std::array<std::string, kGridColumns> cells;
    cells[0] = RowLabel(r.ChannelNumber);
    if (r.ChannelInUse != 1)
        return cells;
    const bool vhf = r.VhfActive != 0;
    cells[1] = DigitsToFreqText((vhf ? r.RxFreqVhf : r.RxFreq).raw(), sink);
    cells[2] = TxDisplayText(r, vhf, sink);
    cells[3] = r.ChannelName.trimmed();
    cells[4] = ItemText("Step", r.StepIndex, lang);
    cells[5] = ItemText("WN", r.Bandwidth, lang);
    cells[6] = ItemText("Scan", r.ScanAdd, lang);
    cells[7] = ItemText("Power", r.Power, lang);
    cells[8] = SignalText("Decode", r, lang);
    cells[9] = SignalText("Encode", r, lang);
    cells[10] = SignalText("OptSig", r, lang);
    return cells;
}

}  // namespace tq8615
