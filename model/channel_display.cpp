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

std::string FieldItemText(const ChannelField& field, int value, const LangLookup& lang)
{
    const ItemList& items = field.items;
    if (value < 0 || value >= items.count)
        return {};
    const auto i = static_cast<std::size_t>(value);
    if (items.kind == ItemKind::Keys)
        return lang(items.keys[i]);
    if (items.kind == ItemKind::Texts && field.name == "StepIndex")
        return kStepTexts[i];
    if (items.kind == ItemKind::Texts && field.name == "Bandwidth")
        return kBandwidthTexts[i];
    return {};
}

std::string SignalText(std::string_view item, const ChannelRecord& r, const LangLookup& lang)
{
    if (item == "OptSig") {
        if (r.OptSigType == kOptSigDtmf)
            return "DTMF M" + std::to_string(r.DtmfIndex + 1);
        if (r.OptSigType == kOptSigFiveTone)
            return "5tone " + std::to_string(r.FiveToneIndex);
        return lang(TextKey::SignalOff);
    }
    const bool decode = item == "Decode";
    const int type = decode ? r.DecodeType : r.EncodeType;
    if (type == kSubAudioCtcss) {
        int index = decode ? r.DecodeCtcss : r.EncodeCtcss;
        return CtcssText(index > kUserCtcssIndex ? 0 : index, r.UserCtcss);
    }
    if (type == kSubAudioDcs)
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
    const auto text = [&](std::string_view field) {
        const ChannelField& f = *FindField(kChannelFields, field);
        return FieldItemText(f, Get(r, f), lang);
    };
    cells[4] = text("StepIndex");
    cells[5] = text("Bandwidth");
    cells[6] = text("ScanAdd");
    cells[7] = text("Power");
    cells[8] = SignalText("Decode", r, lang);
    cells[9] = SignalText("Encode", r, lang);
    cells[10] = SignalText("OptSig", r, lang);
    return cells;
}

}  // namespace tq8615
