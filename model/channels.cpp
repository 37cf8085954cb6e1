#include "model/channels.h"
#include "model/channel_check.h"
#include "model/channel_fields.h"
#include "model/image_fields.h"
#include "model/freq_codec.h"
#include "model/text_util.h"

#include <algorithm>

namespace tq8615 {
namespace {

void PutFreq(RadioImage& image, int address, std::string_view digits)
{
    auto bytes = PackBcd8(digits);
    for (int k = 0; k < 4; ++k)
        image.set(address + k, bytes[static_cast<std::size_t>(k)]);
}

// Receive side: empty means no frequency, four 0xFF bytes. (Packing a text would pad it
// with a zero digit and end in 0xF0.)
void PutRxFreq(RadioImage& image, int address, const FixedText<9>& freq)
{
    const std::string t = freq.trimmed();
    if (t.empty()) {
        for (int k = 0; k < 4; ++k)
            image.set(address + k, 0xFF);
        return;
    }
    PutFreq(image, address, t);
}

// Transmit side: trailing blanks are padding, and a field that was never set holds zeros.
// A fresh model leaves the second set's transmit field blank; packing blanks as they
// stand would fail every write of it.
void PutTxFreq(RadioImage& image, int address, const FixedText<9>& freq)
{
    std::string t = freq.trimmed();
    PutFreq(image, address, t.empty() ? kZeroFrequency : std::string_view(t));
}

std::string DigitsAt(const RadioImage& image, int address)
{
    std::array<uint8_t, 4> bytes{};
    for (int k = 0; k < 4; ++k)
        bytes[static_cast<std::size_t>(k)] = image.at(address + k);
    return UnpackBcd8(bytes);
}

// A channel's bit in a bitmap that the image cleared before.
void OrMapBit(RadioImage& image, int address, int bit, int value)
{
    if (value != 0 && value != 1)
        throw EncodeError("channel flag out of range");
    image.orBits(address, static_cast<uint8_t>(value << bit));
}

bool IsNameChar(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '-'; }

void EncodeOne(const ChannelRecord& r, RadioImage& image, BlockUsageMap& map)
{
    const int n = r.ChannelNumber;
    const int a = ChannelSlotAddress(n);
    if (a < 0)
        throw EncodeError("channel number out of range");
    const bool memory = n <= kMemoryChannels;
    if (memory) {
        const int byte = (n - 1) / 8, bit = (n - 1) % 8;
        OrMapBit(image, kInUseMap + byte, bit, r.ChannelInUse);
        OrMapBit(image, kScanMap + byte, bit, r.ScanAdd);
        MarkBlocks(map, a, kChannelSlotSize);
    }
    PutRxFreq(image, a, r.RxFreq);
    PutTxFreq(image, a + 4, r.TxFreq);
    PutNumbers(r, kChannelFields, image, a);
    if (memory) {
        const std::string name = r.ChannelName.trimmed();  // at most 5: the field holds no more
        for (int i = 0; i < 5; ++i)
            image.set(a + 22 + i, static_cast<uint8_t>(i < static_cast<int>(name.size()) ? name[static_cast<std::size_t>(i)] : ' '));
    } else {
        PutRxFreq(image, a + 22, r.RxFreqVhf);
        PutTxFreq(image, a + 26, r.TxFreqVhf);
    }
}

}  // namespace

int ChannelTable::FindChannel(int number) const
{
    for (int i = 0; i < ChannelCount; ++i)
        if (ChannelList[static_cast<std::size_t>(i)].ChannelNumber == number)
            return i;
    return -1;
}

void ChannelTable::DeleteChannel(int number)
{
    int i = FindChannel(number);
    if (i < 0)
        return;
    std::move(ChannelList.begin() + i + 1, ChannelList.begin() + ChannelCount, ChannelList.begin() + i);
    --ChannelCount;
}

bool ChannelTable::AppendChannel(const ChannelRecord& record)
{
    if (ChannelCount >= kMaxChannels)
        return false;
    ChannelList[static_cast<std::size_t>(ChannelCount++)] = record;
    return true;
}

ChannelRecord NewChannelRecord(int number)
{
    ChannelRecord r;
    r.ChannelNumber = static_cast<int16_t>(number);
    r.ChannelInUse = 0;
    r.ScanAdd = 1;
    r.RxFreq = kNoFrequency;
    r.TxFreq = kZeroFrequency;
    r.StepIndex = 1;
    r.EncodeDcs = r.DecodeDcs = 17;
    r.UserCtcss = 2511;
    return r;
}

ChannelRecord NewChannelWithFreq(int number, const std::string& freqText)
{
    ChannelRecord r = NewChannelRecord(number);
    r.ChannelInUse = 1;
    r.RxFreq = FreqTextToDigits(freqText);
    r.ShiftMode = 0;
    r.TxFreq = kZeroFrequency;
    return r;
}

int ChannelSlotAddress(int number)
{
    if (number >= 1 && number <= kMemoryChannels)
        return (number - 1) * kChannelSlotSize;
    switch (number) {
    case kVfo1: return kVfo1Slot;
    case kVfo2: return kVfo2Slot;
    case kRtChannel: return kRtSlot;
    default: return -1;
    }
}

void EncodeChannels(const ChannelTable& channels, RadioImage& image, BlockUsageMap& map)
{
    MarkBlocks(map, kInUseMap, kChannelMapsSize);
    for (int i = 0; i < channels.ChannelCount; ++i) {
        const ChannelRecord& r = channels.ChannelList[static_cast<std::size_t>(i)];
        try {
            EncodeOne(r, image, map);
        } catch (const EncodeError& e) {
            const auto fields = FieldsOutsideSlot(r);
            throw EncodeError("channel " + std::to_string(r.ChannelNumber) + ": "
                              + (fields.empty() ? std::string(e.what()) : fields.front()));
        }
    }
}

void DecodeChannels(ChannelTable& channels, const RadioImage& image)
{
    channels.ChannelCount = 0;
    for (int n = 1; n <= kMaxChannels; ++n) {
        const bool memory = n <= kMemoryChannels;
        const bool inUse = !memory || image.bit(kInUseMap + (n - 1) / 8, (n - 1) % 8);
        if (!inUse)
            continue;
        const int a = ChannelSlotAddress(n);
        std::string rx = DigitsAt(image, a);
        if (!IsDecimalDigits(rx))
            continue;
        // Reuse the entry: the fields the radio does not hold keep what it had.
        ChannelRecord& r = channels.ChannelList[static_cast<std::size_t>(channels.ChannelCount)];
        r.ChannelNumber = static_cast<int16_t>(n);
        r.ChannelInUse = 1;
        r.ScanAdd = memory ? image.bit(kScanMap + (n - 1) / 8, (n - 1) % 8) : 0;
        r.RxFreq = "0" + rx;
        std::string tx = DigitsAt(image, a + 4);
        const bool txValid = IsDecimalDigits(tx);
        r.TxFreq = txValid ? "0" + tx : std::string(kZeroFrequency);
        GetNumbers(r, kChannelFields, image, a);
        // The RT channel's shift follows its transmit bytes: a frequency means split, none
        // simplex. An offset shift that this program wrote itself (1 or 2) is kept, or a
        // written offset would come back read as a transmit frequency.
        if (n == kRtChannel && !(txValid && (r.ShiftMode == kPlusShift || r.ShiftMode == kMinusShift)))
            r.ShiftMode = txValid ? kSplit : kSimplex;
        if (memory) {
            std::string name;
            for (int i = 0; i < 5; ++i) {
                char c = static_cast<char>(image.at(a + 22 + i));
                name += IsNameChar(c) ? c : ' ';
            }
            name = TrimmedText(name);
            if (name.size() < 5)
                name += '\0';
            r.ChannelName = name;
        } else {
            r.RxFreqVhf = "0" + DigitsAt(image, a + 22);
            std::string txVhf = DigitsAt(image, a + 26);
            r.TxFreqVhf = IsDecimalDigits(txVhf) ? "0" + txVhf : std::string(kZeroFrequency);
            r.ChannelName = std::string_view("\0", 1);
        }
        ++channels.ChannelCount;
    }
}

std::string TxDisplayText(const ChannelRecord& record, bool secondSet, MessageSink& sink)
{
    const auto& rxField = secondSet ? record.RxFreqVhf : record.RxFreq;
    const auto& txField = secondSet ? record.TxFreqVhf : record.TxFreq;
    const int shift = secondSet ? record.ShiftModeVhf : record.ShiftMode;
    std::string rxText = DigitsToFreqText(rxField.raw(), sink);
    if (rxText.empty())
        return {};
    if (shift == kSimplex)
        return rxText;
    if (shift != kPlusShift && shift != kMinusShift && shift != kSplit)
        return FormatFixed(ParseNumber(rxText).value_or(0), 3, 5);
    std::string txText = DigitsToFreqText(txField.raw(), sink);
    if (shift == kSplit)
        return txText;
    auto rx = ParseNumber(rxText), offset = ParseNumber(txText);
    if (!rx || !offset)
        return TrimmedText(txField.raw());
    return FormatFixed(shift == kPlusShift ? *rx + *offset : *rx - *offset, 3, 5);
}

}  // namespace tq8615
