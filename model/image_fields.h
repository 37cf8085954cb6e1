#pragma once
// Moves the numbers of a field table between a record and the radio image: bit fields,
// little-endian words and DCS values. Texts, frequencies and bitmaps follow their area's own
// rules and are left to the area codec.
#include <array>
#include <cstddef>

#include "model/freq_codec.h"
#include "model/radio_image.h"
#include "model/record_field.h"
#include "model/tone_tables.h"

namespace tq8615 {

// A value that does not fit its bits fails the encoder: never a silent truncation.
inline void PutBits(RadioImage& image, int address, int bit, int width, int value)
{
    const int mask = (1 << width) - 1;
    if (value < 0 || value > mask)
        throw EncodeError("field does not fit its bits");
    image.set(address, static_cast<uint8_t>((image.at(address) & ~(mask << bit)) | value << bit));
}

inline int BitsOf(const RadioImage& image, int address, int bit, int width)
{
    return (image.at(address) >> bit) & ((1 << width) - 1);
}

// True when the image can hold `value` where the field lives; a number kept by the area's
// own rule (a bitmap flag) must be one of the field's values.
template <typename Record>
bool FitsImage(const Field<Record>& f, int value)
{
    switch (f.image.coding) {
    case ImageCoding::Bits: return value >= 0 && value < (1 << f.image.width);
    case ImageCoding::Dcs: return value >= 0 && value < kDcsValueCount;
    case ImageCoding::Own: return f.value.text || InRange(f, value);
    case ImageCoding::Word:
    case ImageCoding::None: break;
    }
    return true;
}

// `base` is added to every image place: 0 for fields at fixed addresses, the slot address
// for slot records.
template <typename Record, std::size_t N>
void PutNumbers(const Record& r, const std::array<Field<Record>, N>& fields, RadioImage& image, int base)
{
    for (const auto& f : fields) {
        const ImagePlace& p = f.image;
        const int v = Get(r, f);
        switch (p.coding) {
        case ImageCoding::Bits:
            PutBits(image, base + p.at, p.bit, p.width, v);
            break;
        case ImageCoding::Word:  // the bit pattern of a signed 16-bit field
            image.set(base + p.at, static_cast<uint8_t>(v & 0xFF));
            image.set(base + p.at + 1, static_cast<uint8_t>((v >> 8) & 0xFF));
            break;
        case ImageCoding::Dcs: {
            if (v < 0 || v >= kDcsValueCount)
                throw EncodeError("DCS value out of range");
            const DcsCode code = DcsCode::Of(v);
            PutBits(image, base + p.flagAt, p.bit, 1, code.inverted ? 1 : 0);
            PutBits(image, base + p.at, 0, 8, code.index);
            break;
        }
        case ImageCoding::None:
        case ImageCoding::Own:
            break;
        }
    }
}

template <typename Record, std::size_t N>
void GetNumbers(Record& r, const std::array<Field<Record>, N>& fields, const RadioImage& image, int base)
{
    for (const auto& f : fields) {
        const ImagePlace& p = f.image;
        switch (p.coding) {
        case ImageCoding::Bits:
            Set(r, f, BitsOf(image, base + p.at, p.bit, p.width));
            break;
        case ImageCoding::Word:  // a signed field keeps the bit pattern, so it writes back the same
            Set(r, f, image.word(base + p.at));
            break;
        case ImageCoding::Dcs:
            Set(r, f, DcsCode{BitsOf(image, base + p.flagAt, p.bit, 1) != 0, image.at(base + p.at)}.value());
            break;
        case ImageCoding::None:
        case ImageCoding::Own:
            break;
        }
    }
}

}  // namespace tq8615
