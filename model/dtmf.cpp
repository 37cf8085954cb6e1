#include "model/dtmf.h"
#include "model/dtmf_fields.h"
#include "model/image_fields.h"
#include "model/freq_codec.h"
#include "model/text_util.h"

#include <algorithm>
#include <utility>

namespace tq8615 {
namespace {

constexpr int kSeparatorRepair = 14;  // "*"

const std::string_view kNulText("\0", 1);

// Writes one 16-byte code slot; returns the number of digits written.
template <std::size_t N>
int EncodeCode(const DtmfCode<N>& code, RadioImage& image, int base)
{
    const std::string t = code.Digits.trimmed();
    int count = code.DigitCount <= kDtmfCodeSlotSize ? std::max<int>(code.DigitCount, 0) : 0;
    count = std::min(count, static_cast<int>(t.size()));
    for (int i = 0; i < kDtmfCodeSlotSize; ++i) {
        uint8_t b = 0xFF;
        if (i < count) {
            int v = HexDigitValue(t[static_cast<std::size_t>(i)]);
            if (v < 0)
                throw EncodeError("DTMF digit is not hexadecimal");
            b = static_cast<uint8_t>(v);
        }
        image.set(base + i, b);
    }
    return count;
}

template <std::size_t N>
void DecodeCode(DtmfCode<N>& code, const RadioImage& image, int base)
{
    std::string digits;
    // The short kill and stun fields cannot hold more than their width.
    const int limit = std::min<int>(kDtmfCodeSlotSize, static_cast<int>(N));
    for (int i = 0; i < limit; ++i) {
        uint8_t b = image.at(base + i);
        if (b > 15)
            break;
        digits += HexText(b);
    }
    code.DigitCount = static_cast<int16_t>(digits.size());
    code.Digits = digits + '\0';
}

// Sort key of a book entry: its numeric call identity; entries without one go last.
long BookKey(const CommuBookEntry& e)
{
    const std::string t = e.CallId.trimmed();
    auto v = ParseNumber(t);
    return v ? static_cast<long>(*v) : 100000;
}

}  // namespace

void ResetDtmfDefaults(DtmfSettings& s)
{
    ApplyDefaults(s, kDtmfFields);
    for (auto& code : s.DtmfCodes)
        code = {};
    s.DtmfPttIdBegin = s.DtmfPttIdEnd = {};
    s.KillCode = s.StunCode = {};
}

void ResetCommuBookDefaults(CommuBook& book)
{
    for (std::size_t e = 0; e < book.size(); ++e)
        book[e] = {static_cast<int16_t>(e), kNulText, kNulText};
}

// Header values the radio cannot take are replaced: in the model before encoding, and in
// what a decode gives.
void RepairDtmfHeader(DtmfSettings& s)
{
    if (s.SeparatorCode < 10 || s.SeparatorCode > 15)
        s.SeparatorCode = kSeparatorRepair;
    if (s.GroupCode < 10 || s.GroupCode > 15)
        s.GroupCode = kDtmfGroupCodeOff;
    if (s.DecodeResponse > 2)
        s.DecodeResponse = 0;
    if (s.FirstDigitDelay > 250)
        s.FirstDigitDelay = 0;
}

void EncodeDtmf(DtmfSettings& s, RadioImage& image, BlockUsageMap& map)
{
    RepairDtmfHeader(s);
    PutNumbers(s, kDtmfFields, image, 0);
    std::string id = s.DtmfId.trimmed().substr(0, 3);
    id = IsDecimalDigits(id) ? id + std::string(3 - id.size(), '0') : "000";
    s.DtmfId = id + '\0';
    for (int i = 0; i < 3; ++i)
        image.set(kDtmfId + i, static_cast<uint8_t>(id[static_cast<std::size_t>(i)] - '0'));
    EncodeCode(s.DtmfPttIdBegin, image, kDtmfPttIdBegin);
    EncodeCode(s.DtmfPttIdEnd, image, kDtmfPttIdEnd);
    EncodeCode(s.StunCode, image, kDtmfStunCode);
    EncodeCode(s.KillCode, image, kDtmfKillCode);
    for (int n = 0; n < kDtmfCodeCount; ++n)
        if (EncodeCode(s.DtmfCodes[static_cast<std::size_t>(n)], image, kDtmfCodes + kDtmfCodeSlotSize * n) > 0)
            image.orBits(kDtmfCodeMap + n / 8, static_cast<uint8_t>(1 << (n % 8)));
    MarkBlocks(map, kDtmfCodeMap, kDtmfCodeMapSize);
    MarkBlocks(map, kDtmfArea, kDtmfAreaSize);
}

void DecodeDtmf(DtmfSettings& s, const RadioImage& image)
{
    GetNumbers(s, kDtmfFields, image, 0);
    RepairDtmfHeader(s);
    s.DtmfIdLength = 3;
    std::string id;
    for (int i = 0; i < 3; ++i) {
        uint8_t digit = image.at(kDtmfId + i);
        if (digit > 9) {
            id = "000";
            break;
        }
        id += static_cast<char>('0' + digit);
    }
    s.DtmfId = id + '\0';
    DecodeCode(s.DtmfPttIdBegin, image, kDtmfPttIdBegin);
    DecodeCode(s.DtmfPttIdEnd, image, kDtmfPttIdEnd);
    DecodeCode(s.StunCode, image, kDtmfStunCode);
    DecodeCode(s.KillCode, image, kDtmfKillCode);
    for (int n = 0; n < kDtmfCodeCount; ++n)
        DecodeCode(s.DtmfCodes[static_cast<std::size_t>(n)], image, kDtmfCodes + kDtmfCodeSlotSize * n);
}

void EncodeCommuBook(CommuBook& book, RadioImage& image, BlockUsageMap& map)
{
    // Each key is read once and travels with its entry (the sort compared thousands of times).
    std::array<long, kCommuBookSize> keys{};
    for (std::size_t i = 0; i < book.size(); ++i)
        keys[i] = BookKey(book[i]);
    for (std::size_t i = 0; i + 1 < book.size(); ++i)
        for (std::size_t j = i + 1; j < book.size(); ++j)
            if (keys[j] < keys[i]) {
                std::swap(book[i], book[j]);
                std::swap(keys[i], keys[j]);
            }
    for (int e = 0; e < kCommuBookSize; ++e) {
        const CommuBookEntry& entry = book[static_cast<std::size_t>(e)];
        std::string id = entry.CallId.trimmed();
        if (!IsNumeric(id))
            id.clear();
        id.resize(5, '\0');
        for (int i = 0; i < 5; ++i)
            image.set(kCommuBookIds + kCommuBookSlotSize * e + i, static_cast<uint8_t>(id[static_cast<std::size_t>(i)]));
        std::string name = entry.Name.trimmed();
        name.resize(7, '\0');
        for (int b = 0; b < 7; ++b)
            image.set(kCommuBookNames + kCommuBookSlotSize * e + b, static_cast<uint8_t>(name[static_cast<std::size_t>(b)]));
    }
    MarkBlocks(map, kCommuBookIds, kCommuBookAreaSize);
}

void DecodeCommuBook(CommuBook& book, const RadioImage& image)
{
    for (int e = 0; e < kCommuBookSize; ++e) {
        CommuBookEntry& entry = book[static_cast<std::size_t>(e)];
        std::string id;
        for (int i = 0; i < 5; ++i)
            id += static_cast<char>(image.at(kCommuBookIds + kCommuBookSlotSize * e + i));
        entry.CallId = id;
        std::string name;
        for (int b = 0; b < 8; ++b) {
            uint8_t c = image.at(kCommuBookNames + kCommuBookSlotSize * e + b);
            if (c == 0xFF)
                break;
            name += static_cast<char>(c);
        }
        name = TrimmedText(name);
        entry.Name = name.size() > 7 ? name.substr(0, 7) : name + '\0';
    }
}

}  // namespace tq8615
