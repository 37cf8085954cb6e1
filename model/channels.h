#pragma once
// The 200 memory channels and the three special channels: the record of the editing model,
// the compact channel list, and the 32-byte image slots with their two bitmaps.
#include <array>
#include <cstdint>
#include <string>

#include "model/band_plan.h"
#include "model/fixed_text.h"
#include "model/memory_map.h"
#include "model/messages.h"
#include "model/radio_image.h"

namespace tq8615 {

constexpr int kChannelSpareWords = 38;

// Values of ShiftMode and ShiftModeVhf.
enum ShiftModeValue : int16_t { kSimplex = 0, kPlusShift = 1, kMinusShift = 2, kSplit = 3 };
// Values of EncodeType and DecodeType.
enum SubAudioType : int16_t { kSubAudioOff = 0, kSubAudioCtcss = 1, kSubAudioDcs = 2 };
// Values of OptSigType.
enum OptionalSignalling : int16_t { kOptSigOff = 0, kOptSigDtmf = 1, kOptSigTwoTone = 2, kOptSigFiveTone = 3 };

struct ChannelRecord {
    int16_t ChannelNumber = 0;
    int16_t ChannelInUse = 0;
    int16_t ScanAdd = 0;
    FixedText<9> RxFreq;
    FixedText<9> TxFreq;
    int16_t ShiftMode = 0;
    int16_t StepIndex = 0;
    int16_t Power = 0;
    int16_t Talkaround = 0;
    int16_t TxForbid = 0;
    int16_t Reverse = 0;
    int16_t Bandwidth = 0;
    int16_t EncodeType = 0;
    int16_t DecodeType = 0;
    int16_t DtmfIndex = 0;
    int16_t EncodeCtcss = 0;
    int16_t DecodeCtcss = 0;
    int16_t EncodeDcs = 0;
    int16_t DecodeDcs = 0;
    int16_t BusyLock = 0;
    int16_t DtmfPttIdMode = 0;
    int16_t FiveTonePttIdMode = 0;
    int16_t SquelchMode = 0;
    int16_t OptSigType = 0;
    int16_t TwoToneIndex = 0;
    int16_t FiveToneIndex = 0;
    FixedText<5> ChannelName;
    int16_t UserCtcss = 0;
    int16_t Scramble = 0;
    int16_t ShiftModeVhf = 0;
    int16_t VhfActive = 0;
    FixedText<9> RxFreqVhf;
    FixedText<9> TxFreqVhf;
    std::array<int16_t, kChannelSpareWords> ChannelSpare{};

    bool operator==(const ChannelRecord&) const = default;
};

// Entries 0..ChannelCount-1 are the channels in the order they were added; the entries
// above keep stale data that decoding reuses for the fields the radio does not hold.
struct ChannelTable {
    std::array<ChannelRecord, kMaxChannels> ChannelList{};
    int ChannelCount = 0;

    int FindChannel(int number) const;  // list index, or -1
    bool ChannelExists(int number) const { return FindChannel(number) >= 0; }
    void DeleteChannel(int number);
    bool AppendChannel(const ChannelRecord& record);  // false when the list is full

    bool operator==(const ChannelTable&) const = default;
};

ChannelRecord NewChannelRecord(int number);
ChannelRecord NewChannelWithFreq(int number, const std::string& freqText);

int ChannelSlotAddress(int number);  // -1 for a number outside 1..203

// Model to image; throws EncodeError for a field that does not fit its bits.
void EncodeChannels(const ChannelTable& channels, RadioImage& image, BlockUsageMap& map);
void DecodeChannels(ChannelTable& channels, const RadioImage& image);

// The transmit frequency text of a channel as the grid shows it.
std::string TxDisplayText(const ChannelRecord& record, bool secondSet, MessageSink& sink);

}  // namespace tq8615
