#pragma once
// The number and identity fields of DtmfSettings, in record order. The data file offsets
// count from the start of the DTMF block, after its twenty codes (500 bytes).
#include "model/dtmf.h"
#include "model/memory_map.h"
#include "model/record_field.h"

namespace tq8615 {

constexpr int kDtmfCodesFileSize = 500;
constexpr int kDtmfFileBlockSize = 531;
constexpr int kDtmfGroupCodeOff = 255;

using DtmfField = Field<DtmfSettings>;

inline constexpr std::array kDtmfFields = {
    DtmfField{"AniSetting", Value<&DtmfSettings::AniSetting>(), 500, NotInImage(), {0, 1}},
    // 50, 100, 200, 300, 500 ms; the radio keeps it among the options.
    DtmfField{"SendTime", Value<&DtmfSettings::SendTime>(), 502, OwnRule(kDtmfSendTime), {0, 4}, NoList(), TextKey::DtmfSendTime, -1, 1},
    DtmfField{"PttIdSetting", Value<&DtmfSettings::PttIdSetting>(), 504, NotInImage(), {0, 3}, NoList(), TextKey{}, -1, 3},
    DtmfField{"DtmfIdLength", Value<&DtmfSettings::DtmfIdLength>(), 506, NotInImage(), {3, 3}, NoList(), TextKey{}, -1, 3},
    DtmfField{"DtmfId", Value<&DtmfSettings::DtmfId>(), 508, OwnRule(kDtmfId), {}, NoList(), TextKey{}, -1, 0,
              std::string_view("000\0", 4)},
    // A..D, * and #; the encoder writes any other as * (14).
    DtmfField{"SeparatorCode", Value<&DtmfSettings::SeparatorCode>(), 513, Byte(kDtmfHeader), {10, 15}, NoList(), TextKey{}, -1, 14},
    // A..D, * and #, or off; the encoder writes any other as off.
    DtmfField{"GroupCode", Value<&DtmfSettings::GroupCode>(), 515, Byte(kDtmfHeader + 1), {10, 15, kDtmfGroupCodeOff},
              NoList(), TextKey{}, -1, 10},
    DtmfField{"DecodeResponse", Value<&DtmfSettings::DecodeResponse>(), 517, Byte(kDtmfHeader + 2), {0, 2}},
    DtmfField{"FirstDigitDelay", Value<&DtmfSettings::FirstDigitDelay>(), 519, Byte(kDtmfHeader + 4), {0, 250}, NoList(), TextKey{}, -1, 20},
    DtmfField{"PreSendDelay", Value<&DtmfSettings::PreSendDelay>(), 521, Byte(kDtmfHeader + 3), {1, 250}, NoList(), TextKey{}, -1, 20},
    DtmfField{"ResetTime", Value<&DtmfSettings::ResetTime>(), 523, Byte(kDtmfHeader + 5), {0, 250}},
    DtmfField{"PostSendDelay", Value<&DtmfSettings::PostSendDelay>(), 525, Byte(kDtmfHeader + 10), {1, 250}, NoList(), TextKey{}, -1, 20},
    DtmfField{"PauseTime", Value<&DtmfSettings::PauseTime>(), 527, Byte(kDtmfHeader + 11), {5, 75, 0}, NoList(), TextKey{}, -1, 10},
    DtmfField{"SideTone", Value<&DtmfSettings::SideTone>(), 529, Byte(kDtmfHeader + 9), {0, 1}},
};
static_assert(TilesFile(kDtmfFields, kDtmfCodesFileSize, kDtmfFileBlockSize));

}  // namespace tq8615
