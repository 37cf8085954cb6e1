#pragma once
// The radio's memory map: its identity, the band plans it knows, and where each area of the
// configuration memory and of the embedded information lies. Radio address = image index.
// The codecs, the transfer planner, the protocol and the virtual radio all take their
// addresses from here.

namespace tq8615 {

// Identity the radio reports and the data file carries.
constexpr const char* kModelName = "TQ8615";
constexpr const char* kFormatVersion = "V100";

constexpr int kBandPlanCount = 3;  // band plans 0, 1, 2
constexpr bool IsKnownBandPlan(int index) { return index >= 0 && index < kBandPlanCount; }

// An inclusive range of radio addresses.
struct AddressRange {
    int start = 0;
    int end = 0;  // inclusive
    bool operator==(const AddressRange&) const = default;
};

// The configuration memory travels in 16-byte blocks.
constexpr int kImageSize = 12960;
constexpr int kBlockSize = 16;
constexpr int kBlockCount = kImageSize / kBlockSize;      // 810
constexpr int kImageEndAddress = kImageSize - kBlockSize;  // start of the last block, 12944

// Channels: 200 memory channels, then VFO1, VFO2 and the RT channel.
constexpr int kMemoryChannels = 200;
constexpr int kVfo1 = 201;
constexpr int kVfo2 = 202;
constexpr int kRtChannel = 203;
constexpr int kMaxChannels = 203;
constexpr int kChannelSlots = kMemoryChannels;  // slots 0..199 hold memory channels 1..200
constexpr int kChannelSlotSize = 32;
constexpr int kVfo1Slot = 6400;
constexpr int kVfo2Slot = 6432;
constexpr int kRtSlot = 12928;
constexpr int kInUseMap = 6464;     // one bit a memory channel
constexpr int kScanMap = 6496;      // the same layout
constexpr int kChannelBitmapAddress = kInUseMap;
constexpr int kChannelMapsSize = 64;  // both bitmaps
constexpr AddressRange kIncludeRange{kInUseMap, kInUseMap + kChannelMapsSize - 1};  // what a read fetches first

// Option area: the power-on message, and the general settings.
constexpr int kOptionText = 6528;
constexpr int kOptionTextSize = 16;
constexpr int kOptionArea = 12800;
constexpr int kOptionAreaSize = 112;
constexpr int kOptionFlags = 12827;   // six one-bit options
constexpr int kDtmfSendTime = 12826;  // a DTMF setting the radio keeps among the options
constexpr int kPowerOnPassword = 12864;

// DTMF area.
constexpr int kDtmfArea = 6544;
constexpr int kDtmfAreaSize = 336;
constexpr int kDtmfCodeSlotSize = 16;
constexpr int kDtmfCodes = 6544;      // M1..M16
constexpr int kDtmfPttIdBegin = 6800;
constexpr int kDtmfPttIdEnd = 6816;
constexpr int kDtmfStunCode = 6832;
constexpr int kDtmfKillCode = 6848;
constexpr int kDtmfHeader = 6864;
constexpr int kDtmfId = 6870;         // three decimal digits
constexpr int kDtmfCodeMap = 12910;   // one bit for each of M1..M16 that has digits
constexpr int kDtmfCodeMapSize = 2;

// 5-tone area and list.
constexpr int kFiveToneArea = 6880;
constexpr int kFiveToneAreaSize = 384;
constexpr int kFiveToneSlotSize = 32;
constexpr int kFiveToneInfoCodes = 6880;
constexpr int kFiveTonePttIdBegin = 7136;
constexpr int kFiveTonePttIdEnd = 7168;
constexpr int kFiveToneHeader = 7232;
constexpr int kFiveToneSelfId = 7237;  // five decimal digits
constexpr int kFiveToneList = 7264;
constexpr int kFiveToneListMap = 12512;
constexpr int kFiveToneListMapSize = 16;

// DTMF communication book.
constexpr int kCommuBookIds = 10464;
constexpr int kCommuBookNames = 11488;
constexpr int kCommuBookSlotSize = 8;
constexpr int kCommuBookAreaSize = 2048;  // both halves

// Never transferred: neither read nor written.
constexpr AddressRange kUnusedArea{12528, 12799};

// Embedded information, read only, outside the configuration memory.
constexpr int kEmbeddedInfoStart = 15104;  // 0x3B00
constexpr int kEmbeddedInfoSize = 256;
constexpr int kEmbeddedInfoEnd = kEmbeddedInfoStart + kEmbeddedInfoSize - 1;  // 15359
constexpr int kPasswordBlockAddress = 15120;  // 0x3B10; the password is bytes 8..11 of it
constexpr int kPasswordOffsetInBlock = 8;
constexpr int kPasswordLength = 4;

}  // namespace tq8615
