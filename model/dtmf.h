#pragma once
// DTMF signalling (sixteen codes, PTT-ID, kill and stun codes, timing) and the
// 128-entry DTMF communication book.
#include <array>
#include <cstdint>

#include "model/fixed_text.h"
#include "model/radio_image.h"

namespace tq8615 {

constexpr int kDtmfCodeCount = 16;
constexpr int kCommuBookSize = 128;

template <std::size_t N>
struct DtmfCode {
    FixedText<N> Digits;   // hexadecimal characters: E stands for "*", F for "#"
    int16_t DigitCount = 0;

    bool operator==(const DtmfCode&) const = default;
};

struct DtmfSettings {
    std::array<DtmfCode<24>, kDtmfCodeCount> DtmfCodes{};
    DtmfCode<24> DtmfPttIdBegin;
    DtmfCode<24> DtmfPttIdEnd;
    DtmfCode<14> KillCode;
    DtmfCode<14> StunCode;
    int16_t AniSetting = 0;
    int16_t SendTime = 0;
    int16_t PttIdSetting = 0;
    int16_t DtmfIdLength = 0;
    FixedText<5> DtmfId;
    int16_t SeparatorCode = 0;
    int16_t GroupCode = 0;
    int16_t DecodeResponse = 0;
    int16_t FirstDigitDelay = 0;
    int16_t PreSendDelay = 0;
    int16_t ResetTime = 0;
    int16_t PostSendDelay = 0;
    int16_t PauseTime = 0;
    int16_t SideTone = 0;

    bool operator==(const DtmfSettings&) const = default;
};

struct CommuBookEntry {
    int16_t EntryNumber = 0;
    FixedText<5> CallId;
    FixedText<7> Name;

    bool operator==(const CommuBookEntry&) const = default;
};
using CommuBook = std::array<CommuBookEntry, kCommuBookSize>;

void ResetDtmfDefaults(DtmfSettings& settings);
void ResetCommuBookDefaults(CommuBook& book);

// Both encoders repair the model as they go: out-of-range header values, the identity,
// and the order of the book (sorted by call identity). Decoding gives the same repairs.
void EncodeDtmf(DtmfSettings& settings, RadioImage& image, BlockUsageMap& map);
void DecodeDtmf(DtmfSettings& settings, const RadioImage& image);
void EncodeCommuBook(CommuBook& book, RadioImage& image, BlockUsageMap& map);
void DecodeCommuBook(CommuBook& book, const RadioImage& image);

}  // namespace tq8615
