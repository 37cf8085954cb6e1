#pragma once
// The header fields of FiveToneSettings, in record order: the first 25 bytes of the 5-tone
// block of the data file, and their bytes of the image header at 7232.
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
    FiveToneField{"Standard", Value<&FiveToneSettings::Standard>(), 2, Byte(kFiveToneHeader + 2), {}, TextList(14)},
    FiveToneField{"SelfIdLength", Value<&FiveToneSettings::SelfIdLength>(), 3, Byte(kFiveToneHeader + 3), {0, 5}},
    FiveToneField{"ToneLength", Value<&FiveToneSettings::ToneLength>(), 4, Byte(kFiveToneHeader + 4), {30, 120}, NoList(), 0, -1, 70},
    FiveToneField{"SelfId", Value<&FiveToneSettings::SelfId>(), 5, OwnRule(kFiveToneSelfId), {}, NoList(), 0, -1, 0,
                  std::string_view("\0", 1)},
    FiveToneField{"Time5", Value<&FiveToneSettings::Time5>(), 11, Byte(kFiveToneHeader + 14), {0, 250}},
    FiveToneField{"Time4", Value<&FiveToneSettings::Time4>(), 12, Byte(kFiveToneHeader + 11), {1, 255}, NoList(), 0, -1, 20},
    FiveToneField{"Time6", Value<&FiveToneSettings::Time6>(), 13, Byte(kFiveToneHeader + 12), {1, 255}, NoList(), 0, -1, 20},
    FiveToneField{"Count7", Value<&FiveToneSettings::Count7>(), 14, Byte(kFiveToneHeader + 13), {5, 75, 0}, NoList(), 0, -1, 10},
    FiveToneField{"FirstDigitDelay", Value<&FiveToneSettings::FirstDigitDelay>(), 15, Byte(kFiveToneHeader + 15), {1, 255},
                  NoList(), 0, -1, 20},
    FiveToneField{"PauseTime", Value<&FiveToneSettings::PauseTime>(), 17, Byte(kFiveToneHeader + 19), {0, 255}, NoList(), 0, -1, 20},
    // B, C, D or F as its hexadecimal value, or off.
    FiveToneField{"PauseCode", Value<&FiveToneSettings::PauseCode>(), 19, Byte(kFiveToneHeader + 18), {11, 15, 0}},
    FiveToneField{"SideTone", Value<&FiveToneSettings::SideTone>(), 21, Byte(kFiveToneHeader + 16), {0, 1}},
    FiveToneField{"AniSeparator", Value<&FiveToneSettings::AniSeparator>(), 23, Byte(kFiveToneHeader + 17), {0, 15}, NoList(), 0, -1, 13},
};
static_assert(TilesFile(kFiveToneFields, 0, kFiveToneHeaderFileSize));

}  // namespace tq8615
