#pragma once
// The fields of a ChannelRecord, in record order: the data file offset (a channel entry is
// 173 bytes), the place in the channel's 32-byte image slot, the values and the label.
#include "model/channels.h"
#include "model/memory_map.h"
#include "model/record_field.h"
#include "model/tone_tables.h"

namespace tq8615 {

constexpr int kChannelFileRecordSize = 173;

using ChannelField = Field<ChannelRecord>;

inline constexpr std::array kChannelFields = {
    // The number chooses the slot; the two flags live in the bitmaps.
    ChannelField{"ChannelNumber", Value<&ChannelRecord::ChannelNumber>(), 0, NotInImage(), {1, kMaxChannels}, NoList(), TextKey::RowLabelHeader},
    ChannelField{"ChannelInUse", Value<&ChannelRecord::ChannelInUse>(), 2, OwnRule(kInUseMap), {0, 1}},
    ChannelField{"ScanAdd", Value<&ChannelRecord::ScanAdd>(), 4, OwnRule(kScanMap), {}, KeyList(TextKey::No, TextKey::Yes), TextKey::ScanAddLabel},
    ChannelField{"RxFreq", Value<&ChannelRecord::RxFreq>(), 6, OwnRule(0), {}, NoList(), TextKey::RxFrequency},
    ChannelField{"TxFreq", Value<&ChannelRecord::TxFreq>(), 15, OwnRule(4), {}, NoList(), TextKey::TxFrequency},
    ChannelField{"ShiftMode", Value<&ChannelRecord::ShiftMode>(), 24, BitsAt(9, 0, 2), {kSimplex, kSplit}},
    ChannelField{"StepIndex", Value<&ChannelRecord::StepIndex>(), 26, NotInImage(), {}, TextList(kStepCount), TextKey::Step},
    ChannelField{"Power", Value<&ChannelRecord::Power>(), 28, BitsAt(9, 2, 2), {}, KeyList(TextKey::PowerHigh, TextKey::PowerMiddle, TextKey::PowerLow), TextKey::Power},
    ChannelField{"Talkaround", Value<&ChannelRecord::Talkaround>(), 30, BitsAt(9, 7, 1), {0, 1}, NoList(), TextKey::Talkaround},
    ChannelField{"TxForbid", Value<&ChannelRecord::TxForbid>(), 32, BitsAt(10, 0, 1), {}, KeyList(TextKey::TxForbidOff, TextKey::TxForbidOn), TextKey::TxForbid},
    ChannelField{"Reverse", Value<&ChannelRecord::Reverse>(), 34, BitsAt(10, 1, 1), {0, 1}, NoList(), TextKey::Reverse},
    ChannelField{"Bandwidth", Value<&ChannelRecord::Bandwidth>(), 36, BitsAt(10, 2, 2), {}, TextList(kBandwidthCount), TextKey::Bandwidth},
    ChannelField{"EncodeType", Value<&ChannelRecord::EncodeType>(), 38, BitsAt(11, 0, 2), {kSubAudioOff, kSubAudioDcs}, NoList(), TextKey::EncodeHeader},
    ChannelField{"DecodeType", Value<&ChannelRecord::DecodeType>(), 40, BitsAt(11, 2, 2), {kSubAudioOff, kSubAudioDcs}, NoList(), TextKey::DecodeHeader},
    ChannelField{"DtmfIndex", Value<&ChannelRecord::DtmfIndex>(), 42, BitsAt(11, 4, 4), {0, 15}},
    ChannelField{"EncodeCtcss", Value<&ChannelRecord::EncodeCtcss>(), 44, Byte(13), {0, kUserCtcssIndex}},
    ChannelField{"DecodeCtcss", Value<&ChannelRecord::DecodeCtcss>(), 46, Byte(12), {0, kUserCtcssIndex}},
    ChannelField{"EncodeDcs", Value<&ChannelRecord::EncodeDcs>(), 48, DcsAt(15, 10, 5), {0, kDcsValueCount - 1}},
    ChannelField{"DecodeDcs", Value<&ChannelRecord::DecodeDcs>(), 50, DcsAt(14, 10, 4), {0, kDcsValueCount - 1}},
    ChannelField{"BusyLock", Value<&ChannelRecord::BusyLock>(), 52, Byte(16), {0, 2}, NoList(), TextKey::BusyLock},
    ChannelField{"DtmfPttIdMode", Value<&ChannelRecord::DtmfPttIdMode>(), 54, BitsAt(17, 0, 4), {}, KeyList(TextKey::TxForbidOff, TextKey::PttIdBegin, TextKey::PttIdEnd, TextKey::PttIdBeginEnd), TextKey::DtmfPttId},
    ChannelField{"FiveTonePttIdMode", Value<&ChannelRecord::FiveTonePttIdMode>(), 56, BitsAt(17, 4, 4), {}, KeyList(TextKey::TxForbidOff, TextKey::PttIdBegin, TextKey::PttIdEnd, TextKey::PttIdBeginEnd), TextKey::FiveTonePttId},
    ChannelField{"SquelchMode", Value<&ChannelRecord::SquelchMode>(), 58, Byte(18), {}, KeyList(TextKey::SquelchCarrier, TextKey::SquelchSubAudio, TextKey::SquelchOptSig, TextKey::SquelchSubAudioAndOptSig, TextKey::SquelchSubAudioOrOptSig), TextKey::SquelchMode},
    ChannelField{"OptSigType", Value<&ChannelRecord::OptSigType>(), 60, Byte(19), {kOptSigOff, kOptSigFiveTone}, NoList(), TextKey::OptionalSignalling},
    ChannelField{"TwoToneIndex", Value<&ChannelRecord::TwoToneIndex>(), 62, Byte(20), {0, 255}},
    ChannelField{"FiveToneIndex", Value<&ChannelRecord::FiveToneIndex>(), 64, Byte(21), {0, 255}},
    ChannelField{"ChannelName", Value<&ChannelRecord::ChannelName>(), 66, OwnRule(22), {}, NoList(), TextKey::ChannelName},  // memory channels
    ChannelField{"UserCtcss", Value<&ChannelRecord::UserCtcss>(), 71, WordAt(30), {500, 2600}, NoList(), TextKey::UserCtcss},  // 0.1 Hz
    ChannelField{"Scramble", Value<&ChannelRecord::Scramble>(), 73, BitsAt(9, 4, 1), {0, 1}, NoList(), TextKey::Scramble},
    ChannelField{"ShiftModeVhf", Value<&ChannelRecord::ShiftModeVhf>(), 75, BitsAt(8, 0, 2), {kSimplex, kSplit}},
    ChannelField{"VhfActive", Value<&ChannelRecord::VhfActive>(), 77, BitsAt(10, 6, 1), {0, 1}},
    // The second set takes the name's place in the slots of channels 201..203.
    ChannelField{"RxFreqVhf", Value<&ChannelRecord::RxFreqVhf>(), 79, OwnRule(22)},
    ChannelField{"TxFreqVhf", Value<&ChannelRecord::TxFreqVhf>(), 88, OwnRule(26)},
    ChannelField{"ChannelSpare", Value<&ChannelRecord::ChannelSpare>(), 97, NotInImage()},
};
static_assert(TilesFile(kChannelFields, 0, kChannelFileRecordSize));

// Whether the radio holds this field for this channel: bytes 22.. of a slot hold a memory
// channel's name or a VFO's second set, and the bitmaps cover only the memory channels.
constexpr bool RadioHoldsField(const ChannelField& f, int channelNumber)
{
    if (f.image.coding == ImageCoding::None)
        return false;
    const std::string_view name = f.name;
    if (channelNumber <= kMemoryChannels)
        return name != "RxFreqVhf" && name != "TxFreqVhf";
    return name != "ChannelName" && name != "ChannelInUse" && name != "ScanAdd";
}

}  // namespace tq8615
