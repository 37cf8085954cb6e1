#include "model/channels.h"
#include "model/freq_codec.h"
#include "model/text_util.h"

#include <algorithm>

namespace tq8615 {
namespace {

// A field that does not fit its bits is an encoding failure, never a silent truncation.
uint8_t Bits(int value, int width)
{
    if (value < 0 || value >= (1 << width))
        throw EncodeError("channel field out of range");
    return static_cast<uint8_t>(value);
}

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

bool IsNameChar(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '-'; }

void EncodeOne(const ChannelRecord& r, RadioImage& image, BlockUsageMap& map)
{
    const int n = r.ChannelNumber;
    const int a = ChannelSlotAddress(n);
    if (a < 0)
        throw EncodeError("channel number out of range");
    const bool memory = n <= kMemoryChannels;
    if (memory) {
        const int byte = (n - 1) / 8, shift = (n - 1) % 8;
        image.orBits(kInUseMap + byte, static_cast<uint8_t>(Bits(r.ChannelInUse, 1) << shift));
        image.orBits(kScanMap + byte, static_cast<uint8_t>(Bits(r.ScanAdd, 1) << shift));
        MarkBlocks(map, a, kChannelSlotSize);
    }
    PutRxFreq(image, a, r.RxFreq);
    PutTxFreq(image, a + 4, r.TxFreq);
    image.set(a + 8, Bits(r.ShiftModeVhf, 2));
    image.set(a + 9, static_cast<uint8_t>(Bits(r.ShiftMode, 2) | Bits(r.Power, 2) << 2 |
                                          Bits(r.Scramble, 1) << 4 | Bits(r.Talkaround, 1) << 7));
    image.set(a + 10, static_cast<uint8_t>(Bits(r.TxForbid, 1) | Bits(r.Reverse, 1) << 1 |
                                           Bits(r.Bandwidth, 2) << 2 |
                                           Bits(r.DecodeDcs / 104, 1) << 4 |
                                           Bits(r.EncodeDcs / 104, 1) << 5 |
                                           Bits(r.VhfActive, 1) << 6));
    image.set(a + 11, static_cast<uint8_t>(Bits(r.EncodeType, 2) | Bits(r.DecodeType, 2) << 2 |
                                           Bits(r.DtmfIndex, 4) << 4));
    image.set(a + 12, Bits(r.DecodeCtcss, 8));
    image.set(a + 13, Bits(r.EncodeCtcss, 8));
    image.set(a + 14, Bits(r.DecodeDcs % 104, 8));
    image.set(a + 15, Bits(r.EncodeDcs % 104, 8));
    image.set(a + 16, Bits(r.BusyLock, 8));
    image.set(a + 17, static_cast<uint8_t>(Bits(r.DtmfPttIdMode, 4) | Bits(r.FiveTonePttIdMode, 4) << 4));
    image.set(a + 18, Bits(r.SquelchMode, 8));
    image.set(a + 19, Bits(r.OptSigType, 8));
    image.set(a + 20, Bits(r.TwoToneIndex, 8));
    image.set(a + 21, Bits(r.FiveToneIndex, 8));
    if (memory) {
        const std::string name = r.ChannelName.trimmed();  // at most 5: the field holds no more
        for (int i = 0; i < 5; ++i)
            image.set(a + 22 + i, static_cast<uint8_t>(i < static_cast<int>(name.size()) ? name[static_cast<std::size_t>(i)] : ' '));
    } else {
        PutRxFreq(image, a + 22, r.RxFreqVhf);
        PutTxFreq(image, a + 26, r.TxFreqVhf);
    }
    const auto tone = static_cast<uint16_t>(r.UserCtcss);
    image.set(a + 30, static_cast<uint8_t>(tone & 0xFF));
    image.set(a + 31, static_cast<uint8_t>(tone >> 8));
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
    for (int i = 0; i < channels.ChannelCount; ++i)
        EncodeOne(channels.ChannelList[static_cast<std::size_t>(i)], image, map);
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
        const uint8_t b9 = image.at(a + 9), b10 = image.at(a + 10), b11 = image.at(a + 11);
        r.ShiftModeVhf = image.at(a + 8) & 3;
        r.ShiftMode = static_cast<int16_t>(b9 & 3);
        // The RT channel's shift follows its transmit bytes: a frequency means split, none
        // simplex. An offset shift that this program wrote itself (1 or 2) is kept, or a
        // written offset would come back read as a transmit frequency.
        if (n == kRtChannel && !(txValid && (r.ShiftMode == 1 || r.ShiftMode == 2)))
            r.ShiftMode = txValid ? 3 : 0;
        r.Power = (b9 >> 2) & 3;
        r.Scramble = (b9 >> 4) & 1;
        r.Talkaround = (b9 >> 7) & 1;
        r.TxForbid = b10 & 1;
        r.Reverse = (b10 >> 1) & 1;
        r.Bandwidth = (b10 >> 2) & 3;
        r.VhfActive = (b10 >> 6) & 1;
        r.EncodeType = b11 & 3;
        r.DecodeType = (b11 >> 2) & 3;
        r.DtmfIndex = (b11 >> 4) & 15;
        r.DecodeCtcss = image.at(a + 12);
        r.EncodeCtcss = image.at(a + 13);
        r.DecodeDcs = static_cast<int16_t>(((b10 >> 4) & 1) * 104 + image.at(a + 14));
        r.EncodeDcs = static_cast<int16_t>(((b10 >> 5) & 1) * 104 + image.at(a + 15));
        r.BusyLock = image.at(a + 16);
        r.DtmfPttIdMode = image.at(a + 17) & 15;
        r.FiveTonePttIdMode = image.at(a + 17) >> 4;
        r.SquelchMode = image.at(a + 18);
        r.OptSigType = image.at(a + 19);
        r.TwoToneIndex = image.at(a + 20);
        r.FiveToneIndex = image.at(a + 21);
        // The field is signed 16-bit: a stored tone of 32768 or more keeps its bit pattern,
        // so the value written back to the radio is the one that was read.
        r.UserCtcss = static_cast<int16_t>(static_cast<uint16_t>(image.word(a + 30)));
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
    if (shift == 0)
        return rxText;
    if (shift != 1 && shift != 2 && shift != 3)
        return FormatFixed(ParseNumber(rxText).value_or(0), 3, 5);
    std::string txText = DigitsToFreqText(txField.raw(), sink);
    if (shift == 3)
        return txText;
    auto rx = ParseNumber(rxText), offset = ParseNumber(txText);
    if (!rx || !offset)
        return TrimmedText(txField.raw());
    return FormatFixed(shift == 1 ? *rx + *offset : *rx - *offset, 3, 5);
}

}  // namespace tq8615
