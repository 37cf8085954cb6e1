#include "model/editing_model.h"
#include "model/freq_codec.h"

#include <functional>

namespace tq8615 {

void AddDefaultChannels(EditingModel& model)
{
    const std::string uhf = DefaultFrequencyText(model.Band, kUhf);
    const std::string vhf = DefaultFrequencyText(model.Band, kVhf);
    for (int vfo : {kVfo1, kVfo2}) {
        ChannelRecord r = NewChannelWithFreq(vfo, uhf);
        r.RxFreqVhf = FreqTextToDigits(vhf);
        model.AppendChannel(r);
    }
    ChannelRecord rt = NewChannelWithFreq(kRtChannel, vhf);
    rt.ShiftMode = kPlusShift;
    rt.TxFreq = "000100000";
    model.AppendChannel(rt);
    model.AppendChannel(NewChannelWithFreq(1, uhf));
    model.AppendChannel(NewChannelWithFreq(2, vhf));
}

void ResetToBuiltInDefaults(EditingModel& model)
{
    ResetDtmfDefaults(model.Dtmf);
    ResetTwoToneDefaults(model.TwoTone);
    ResetFiveToneDefaults(model.FiveTone);
    model.Options = OptionSettings{};
    model.ScanSettings = {0, 0, 0, 20, 30, 31, 31, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 1};
    model.AlertSettings = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 5};
    ResetCommuBookDefaults(model.Book);
    model.ChannelCount = 0;
    for (std::size_t i = 0; i < model.FrequencyList.size(); ++i)
        model.FrequencyList[i] = {static_cast<int16_t>(i), 0, std::string_view("00000000"), 1};
    AddDefaultChannels(model);
    model.ToneTips.fill(0);
}

bool EncodeModelToImage(EditingModel& model, RadioImage& image, BlockUsageMap& map, MessageSink& sink,
                        const AreaFilter& marking)
{
    struct Encoder {
        const char* failureText;
        EncodedArea area;
        std::function<void()> encode;
    };
    const Encoder encoders[] = {
        {"SetCommDataByFrequencyError", EncodedArea::Channels, [&] { EncodeChannels(model, image, map); }},
        {"SetCommDataByOptionError", EncodedArea::Options, [&] { EncodeOptions(model.Options, model.Dtmf.SendTime, image, map); }},
        {"SetCommDataBy5ToneError", EncodedArea::FiveTone, [&] { EncodeFiveTone(model.FiveTone, image, map); }},
        {"SetCommDataByDTMFError", EncodedArea::Dtmf, [&] { EncodeDtmf(model.Dtmf, image, map); }},
        {"SetCommDataByDTMFCommuBookError", EncodedArea::Book, [&] { EncodeCommuBook(model.Book, image, map); }},
    };
    const bool active = map.active;
    for (const auto& [failureText, area, encode] : encoders) {
        // An area left out of the marking writes its bytes with the map switched off.
        map.active = active && (!marking || marking(area));
        try {
            encode();
            map.active = active;
        } catch (const std::exception& e) {  // EncodeError, or an address outside the image
            // The routine first, then what failed in it, so the user knows what to fix.
            map.active = active;
            sink.show(Message::Fixed(std::string(failureText) + "\n" + e.what(), Message::Icon::Error));
            return false;
        }
    }
    return true;
}

void DecodeImageToModel(EditingModel& model, const RadioImage& image)
{
    DecodeChannels(model, image);
    DecodeOptions(model.Options, model.Dtmf.SendTime, image);
    DecodeFiveTone(model.FiveTone, image);
    DecodeDtmf(model.Dtmf, image);
    DecodeCommuBook(model.Book, image);
}

void AdoptRadioBand(EditingModel& model, int bandPlanIndex)
{
    SelectBandPlan(model.Band, bandPlanIndex);
}

}  // namespace tq8615
