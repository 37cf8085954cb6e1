#pragma once
// The fields of the 5-tone records, in record order: the header of FiveToneSettings (the
// first 25 bytes of the 5-tone block of the data file, the image header at 7232), and the
// info codes and codes with their data file entries and image slots.
#include "model/five_tone.h"
#include "model/memory_map.h"
#include "model/record_field.h"

namespace tq8615 {

constexpr int kFiveToneHeaderFileSize = 25;

using FiveToneField = Field<FiveToneSettings>;

inline constexpr std::array kFiveToneFields = {
    // No editor shows it: a byte copied between image and model.
    FiveToneField{"HeaderByte0", Value<&FiveToneSettings::HeaderByte0>(), 0, Byte(kFiveToneHeader), {0, 255}},
    FiveToneField{"DecodeResponse", Value<&FiveToneSettings::DecodeResponse>(), 1, Byte(kFiveToneHeader + 1), {0, 2}},
    FiveToneField{"Standard", Value<&FiveToneSettings::Standard>(), 2, Byte(kFiveToneHeader + 2), {}, TextList(kFiveToneStandardCount)},
    FiveToneField{"SelfIdLength", Value<&FiveToneSettings::SelfIdLength>(), 3, Byte(kFiveToneHeader + 3), {0, 5}},
    FiveToneField{"ToneLength", Value<&FiveToneSettings::ToneLength>(), 4, Byte(kFiveToneHeader + 4), {30, 120}, NoList(), TextKey{}, -1, 70},
    FiveToneField{"SelfId", Value<&FiveToneSettings::SelfId>(), 5, OwnRule(kFiveToneSelfId), {}, NoList(), TextKey{}, -1, 0,
                  std::string_view("\0", 1)},
    FiveToneField{"Time5", Value<&FiveToneSettings::Time5>(), 11, Byte(kFiveToneHeader + 14), {0, 250}},
    FiveToneField{"Time4", Value<&FiveToneSettings::Time4>(), 12, Byte(kFiveToneHeader + 11), {1, 255}, NoList(), TextKey{}, -1, 20},
    FiveToneField{"Time6", Value<&FiveToneSettings::Time6>(), 13, Byte(kFiveToneHeader + 12), {1, 255}, NoList(), TextKey{}, -1, 20},
    FiveToneField{"Count7", Value<&FiveToneSettings::Count7>(), 14, Byte(kFiveToneHeader + 13), {5, 75, 0}, NoList(), TextKey{}, -1, 10},
    FiveToneField{"FirstDigitDelay", Value<&FiveToneSettings::FirstDigitDelay>(), 15, Byte(kFiveToneHeader + 15), {1, 255},
                  NoList(), TextKey{}, -1, 20},
    FiveToneField{"PauseTime", Value<&FiveToneSettings::PauseTime>(), 17, Byte(kFiveToneHeader + 19), {0, 255}, NoList(), TextKey{}, -1, 20},
    // B, C, D or F as its hexadecimal value, or off.
    FiveToneField{"PauseCode", Value<&FiveToneSettings::PauseCode>(), 19, Byte(kFiveToneHeader + 18), {11, 15, 0}},
    FiveToneField{"SideTone", Value<&FiveToneSettings::SideTone>(), 21, Byte(kFiveToneHeader + 16), {0, 1}},
    FiveToneField{"AniSeparator", Value<&FiveToneSettings::AniSeparator>(), 23, Byte(kFiveToneHeader + 17), {0, 15}, NoList(), TextKey{}, -1, 13},
};
static_assert(TilesFile(kFiveToneFields, 0, kFiveToneHeaderFileSize));

// An info code: 22 bytes in the data file; its 32-byte image slot.
constexpr int kInfoCodeFileSize = 22;

using InfoCodeField = Field<FiveToneInfoCode>;

inline constexpr std::array kInfoCodeFields = {
    InfoCodeField{"DecodeFunction", Value<&FiveToneInfoCode::DecodeFunction>(), 0, Byte(0), {0, 6}},
    InfoCodeField{"DecodeResponse", Value<&FiveToneInfoCode::DecodeResponse>(), 1, Byte(1), {0, 2}},
    InfoCodeField{"DigitCount", Value<&FiveToneInfoCode::DigitCount>(), 2, Byte(2), {0, kInfoDigits}},
    InfoCodeField{"Digits", Value<&FiveToneInfoCode::Digits>(), 3, OwnRule(3)},  // one digit a byte
    InfoCodeField{"Name", Value<&FiveToneInfoCode::Name>(), 15, OwnRule(16)},
};
static_assert(TilesFile(kInfoCodeFields, 0, kInfoCodeFileSize));

// A code of the call list or a PTT-ID code: 53 bytes in the data file; its 32-byte image slot.
constexpr int kFiveToneCodeFileSize = 53;

using FiveToneCodeField = Field<FiveToneCode>;

inline constexpr std::array kFiveToneCodeFields = {
    FiveToneCodeField{"IsEmpty", Value<&FiveToneCode::IsEmpty>(), 0, OwnRule(kFiveToneListMap), {0, 1}},  // the list's bitmap
    FiveToneCodeField{"Spare", Value<&FiveToneCode::Spare>(), 2, NotInImage(), {0, 0}},
    FiveToneCodeField{"Standard", Value<&FiveToneCode::Standard>(), 3, Byte(1), {}, TextList(kFiveToneStandardCount)},
    FiveToneCodeField{"DigitCount", Value<&FiveToneCode::DigitCount>(), 4, Byte(2), {0, kCodeDigits}},
    // Written as 70 when outside 30..120, and read so.
    FiveToneCodeField{"ToneLength", Value<&FiveToneCode::ToneLength>(), 5, OwnRule(3), {30, 120}},
    FiveToneCodeField{"Code", Value<&FiveToneCode::Code>(), 6, OwnRule(4)},   // two digits a byte
    FiveToneCodeField{"Name", Value<&FiveToneCode::Name>(), 46, OwnRule(24)}, // call list entries only
};
static_assert(TilesFile(kFiveToneCodeFields, 0, kFiveToneCodeFileSize));

}  // namespace tq8615
