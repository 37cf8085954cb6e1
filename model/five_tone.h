#pragma once
// 5-tone selective calling: own identity and timing, eight info codes, the PTT-ID codes,
// the 100-entry call list and its presence bitmap.
#include <array>
#include <cstdint>

#include "model/fixed_text.h"
#include "model/radio_image.h"

namespace tq8615 {

constexpr int kFiveToneListSize = 100;
constexpr int kInfoCodeCount = 8;
constexpr int kInfoDigits = 12;
constexpr int kCodeDigits = 40;
constexpr int kSelfIdDigits = 5;

constexpr int kFiveToneStandardCount = 14;
extern const std::array<const char*, kFiveToneStandardCount> kFiveToneStandards;

struct FiveToneInfoCode {
    uint8_t DecodeFunction = 0;
    uint8_t DecodeResponse = 0;
    uint8_t DigitCount = 0;
    FixedText<kInfoDigits> Digits;
    FixedText<7> Name;

    bool operator==(const FiveToneInfoCode&) const = default;
};

struct FiveToneCode {
    int16_t IsEmpty = 0;
    uint8_t Spare = 0;
    uint8_t Standard = 0;
    uint8_t DigitCount = 0;
    uint8_t ToneLength = 0;
    FixedText<kCodeDigits> Code;
    FixedText<7> Name;

    bool operator==(const FiveToneCode&) const = default;
};

struct FiveToneSettings {
    uint8_t HeaderByte0 = 0;
    uint8_t DecodeResponse = 0;
    uint8_t Standard = 0;
    uint8_t SelfIdLength = 0;
    uint8_t ToneLength = 0;
    FixedText<6> SelfId;
    // The four timing bytes keep the names the radio's own program gives them.
    uint8_t Time5 = 0;   // automatic reset time, 0.1 s units (0.0..25.0 s)
    uint8_t Time4 = 0;   // first tone time, 10 ms units
    uint8_t Time6 = 0;   // decode time, 10 ms units
    uint8_t Count7 = 0;  // automatic repeat interval: 0 off, else 5..75
    int16_t FirstDigitDelay = 0;
    int16_t PauseTime = 0;
    int16_t PauseCode = 0;
    int16_t SideTone = 0;
    int16_t AniSeparator = 0;
    std::array<FiveToneInfoCode, kInfoCodeCount> InfoCodes{};
    FiveToneCode PttIdBegin;
    FiveToneCode PttIdEnd;
    std::array<FiveToneCode, kFiveToneListSize> CallList{};

    bool operator==(const FiveToneSettings&) const = default;
};

// The defaults of a fresh model; the PTT-ID codes are left as they are.
void ResetFiveToneDefaults(FiveToneSettings& settings);

void EncodeFiveTone(const FiveToneSettings& settings, RadioImage& image, BlockUsageMap& map);
void DecodeFiveTone(FiveToneSettings& settings, const RadioImage& image);

}  // namespace tq8615
