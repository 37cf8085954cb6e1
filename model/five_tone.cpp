#include "model/five_tone.h"
#include "model/five_tone_fields.h"
#include "model/image_fields.h"
#include "model/freq_codec.h"
#include "model/text_util.h"

#include <algorithm>

namespace tq8615 {

const std::array<const char*, kFiveToneStandardCount> kFiveToneStandards = {
    "ZVEI1", "ZVEI2", "ZVEI3", "PZVEI", "DZVEI", "PDZVEI", "CCIR1",
    "CCIR2", "PCCIR", "EEA",   "EURO SIGNAL", "NATEL", "MODAT", "CCITT"};

namespace {


uint8_t HexValue(char c)
{
    int v = HexDigitValue(c);
    if (v < 0)
        throw EncodeError("5-tone digit is not hexadecimal");
    return static_cast<uint8_t>(v);
}

uint8_t RepairedToneLength(int value) { return static_cast<uint8_t>(value < 30 || value > 120 ? 70 : value); }

// The digits of a code, padded with E (the repeat tone) up to its digit count.
std::string PaddedDigits(const std::string& text, int count)
{
    std::string t = text;
    if (static_cast<int>(t.size()) < count)
        t.append(static_cast<std::size_t>(count) - t.size(), 'E');
    return t.substr(0, static_cast<std::size_t>(count));
}

void PutName(RadioImage& image, int address, const FixedText<7>& name)
{
    const std::string t = name.trimmed();
    for (int j = 0; j < 7; ++j)
        image.set(address + j, t.empty() ? 0 : static_cast<uint8_t>(j < static_cast<int>(t.size()) ? t[static_cast<std::size_t>(j)] : ' '));
}

std::string NameAt(const RadioImage& image, int address)
{
    std::string name;
    for (int j = 0; j < 7; ++j) {
        uint8_t b = image.at(address + j);
        if (b == 0x00 || b == 0xFF)
            break;
        name += static_cast<char>(b);
    }
    return name;
}

void EncodeInfoCode(const FiveToneInfoCode& code, RadioImage& image, int base)
{
    if (code.DigitCount > kInfoDigits)
        throw EncodeError("info code digit count out of range");
    PutNumbers(code, kInfoCodeFields, image, base);
    const std::string digits = PaddedDigits(code.Digits.trimmed(), code.DigitCount);
    for (std::size_t i = 0; i < digits.size(); ++i)
        image.set(base + 3 + static_cast<int>(i), HexValue(digits[i]));
    PutName(image, base + 16, code.Name);
}

void EncodeCode(const FiveToneCode& code, RadioImage& image, int base, bool withName)
{
    if (code.DigitCount > kCodeDigits)
        throw EncodeError("code digit count out of range");
    PutNumbers(code, kFiveToneCodeFields, image, base);
    image.set(base + 3, RepairedToneLength(code.ToneLength));
    std::string digits = PaddedDigits(code.Code.trimmed(), code.IsEmpty != 0 ? 0 : code.DigitCount);
    if (digits.size() % 2)
        digits += 'E';
    for (std::size_t m = 0; m < digits.size() / 2; ++m)
        image.set(base + 4 + static_cast<int>(m),
                  static_cast<uint8_t>(HexValue(digits[2 * m]) * 16 + HexValue(digits[2 * m + 1])));
    if (withName)
        PutName(image, base + 24, code.Name);
}

uint8_t ZeroIfFF(uint8_t b) { return b == 0xFF ? 0 : b; }

void DecodeInfoCode(FiveToneInfoCode& code, const RadioImage& image, int base)
{
    GetNumbers(code, kInfoCodeFields, image, base);
    code.DecodeFunction = ZeroIfFF(code.DecodeFunction);
    code.DecodeResponse = ZeroIfFF(code.DecodeResponse);
    code.DigitCount = std::min<uint8_t>(ZeroIfFF(code.DigitCount), kInfoDigits);
    std::string digits;
    for (int i = 0; i < code.DigitCount; ++i)
        digits += HexText(image.at(base + 3 + i));
    code.Digits = digits.substr(0, code.DigitCount);
    code.Name = NameAt(image, base + 16);
}

void DecodeCode(FiveToneCode& code, const RadioImage& image, int base, bool withName)
{
    GetNumbers(code, kFiveToneCodeFields, image, base);
    code.DigitCount = std::min<uint8_t>(code.DigitCount, kCodeDigits);
    code.ToneLength = RepairedToneLength(image.at(base + 3));
    std::string digits;
    for (int m = 0; m < (code.DigitCount + 1) / 2; ++m)
        digits += HexByteText(image.at(base + 4 + m));
    code.Code = digits.substr(0, code.DigitCount);
    if (withName)
        code.Name = NameAt(image, base + 24);
}

}  // namespace

void ResetFiveToneDefaults(FiveToneSettings& s)
{
    ApplyDefaults(s, kFiveToneFields);
    for (auto& info : s.InfoCodes) {
        info.DecodeFunction = info.DecodeResponse = info.DigitCount = 0;
        info.Digits = std::string_view("\0", 1);
    }
    for (auto& entry : s.CallList) {
        entry.IsEmpty = 1;
        entry.Standard = entry.DigitCount = 0;
        entry.ToneLength = 70;
        entry.Code = std::string_view("\0", 1);
    }
}

void EncodeFiveTone(const FiveToneSettings& s, RadioImage& image, BlockUsageMap& map)
{
    PutNumbers(s, kFiveToneFields, image, 0);
    const auto selfId = s.SelfId.raw();
    for (int i = 0; i < kSelfIdDigits; ++i) {
        uint8_t digit = 0;
        if (i < s.SelfIdLength) {
            char c = i < static_cast<int>(selfId.size()) ? selfId[static_cast<std::size_t>(i)] : '\0';
            if (c < '0' || c > '9')
                throw EncodeError("own identity digit is not decimal");
            digit = static_cast<uint8_t>(c - '0');
        }
        image.set(kFiveToneSelfId + i, digit);
    }
    EncodeCode(s.PttIdBegin, image, kFiveTonePttIdBegin, false);
    EncodeCode(s.PttIdEnd, image, kFiveTonePttIdEnd, false);
    for (int i = 0; i < kInfoCodeCount; ++i)
        EncodeInfoCode(s.InfoCodes[static_cast<std::size_t>(i)], image, kFiveToneInfoCodes + kFiveToneSlotSize * i);
    MarkBlocks(map, kFiveToneArea, kFiveToneAreaSize);
    MarkBlocks(map, kFiveToneListMap, kFiveToneListMapSize);
    for (int n = 0; n < kFiveToneListSize; ++n) {
        const FiveToneCode& entry = s.CallList[static_cast<std::size_t>(n)];
        const bool present = entry.IsEmpty == 0;
        image.orBits(kFiveToneListMap + n / 8, static_cast<uint8_t>(present << (n % 8)));
        if (present) {
            EncodeCode(entry, image, kFiveToneList + kFiveToneSlotSize * n, true);
            MarkBlocks(map, kFiveToneList + kFiveToneSlotSize * n, kFiveToneSlotSize);
        }
    }
}

void DecodeFiveTone(FiveToneSettings& s, const RadioImage& image)
{
    GetNumbers(s, kFiveToneFields, image, 0);
    std::string selfId;
    for (int i = 0; i < std::min<int>(s.SelfIdLength, kSelfIdDigits); ++i)
        selfId += std::to_string(image.at(kFiveToneSelfId + i));
    s.SelfId = selfId + '\0';
    DecodeCode(s.PttIdBegin, image, kFiveTonePttIdBegin, false);
    DecodeCode(s.PttIdEnd, image, kFiveTonePttIdEnd, false);
    for (int i = 0; i < kInfoCodeCount; ++i)
        DecodeInfoCode(s.InfoCodes[static_cast<std::size_t>(i)], image, kFiveToneInfoCodes + kFiveToneSlotSize * i);
    for (int n = 0; n < kFiveToneListSize; ++n) {
        FiveToneCode& entry = s.CallList[static_cast<std::size_t>(n)];
        const bool present = image.bit(kFiveToneListMap + n / 8, n % 8);
        entry.IsEmpty = present ? 0 : 1;
        if (present)
            DecodeCode(entry, image, kFiveToneList + kFiveToneSlotSize * n, true);
    }
}

}  // namespace tq8615
