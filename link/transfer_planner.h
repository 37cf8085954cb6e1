#pragma once
// Decides which 16-byte blocks travel: the whole range, only the include list (the channel
// bitmaps a read fetches first), or everything outside the skip list (unused channel
// records and the unused area).
#include <bitset>
#include <optional>
#include <vector>

#include "model/memory_map.h"

namespace tq8615 {

class RadioImage;

class TransferPlanner {
public:
    static constexpr int kMaxIncludeRanges = 16;
    static constexpr int kMaxSkipRanges = 501;
    // Which blocks travel. The values are the ones the radio's own program uses.
    enum class Mode : int16_t {
        AllBlocks = -1,      // every block of the range (the embedded information)
        IncludeOnly = 0,     // only the include list (the bitmaps a read fetches first)
        ReadSkipList = 1,    // a read after the bitmaps: everything outside the skip list
        WriteSkipList = 10,  // a write: everything outside the skip list
    };

    TransferPlanner();

    Mode PlannerMode = Mode::AllBlocks;
    bool usesSkipList() const { return PlannerMode == Mode::ReadSkipList || PlannerMode == Mode::WriteSkipList; }
    std::vector<AddressRange> IncludeList;
    std::vector<AddressRange> SkipList;

    // Adds a skip range; one that starts right after the last range extends it instead.
    void addSkipRange(int start, int end);
    // Shrinks every skip range to the whole blocks it contains and drops the empty ones.
    void finishSkipList(int blockSize = kBlockSize);
    // Blocks planned from 0 to `endAddress` with the current skip list.
    int countBlocks(int endAddress, int blockSize = kBlockSize) const;
    // The start addresses of the blocks planned from 0 to `endAddress`, in order.
    std::vector<int> plannedBlocks(int endAddress) const;
    // The address to transfer for candidate `address`; nullopt when the include list has
    // nothing at or after it.
    std::optional<int> nextAddress(int address) const;

    // A read leaves the include phase: skip what the bitmaps just read say is unused, the
    // unused area and the include ranges already read.
    void planReadFromBitmap(const RadioImage& image);
    // A write sends only the channels in use (bit n-1 set for channel n) and the other areas.
    void planWrite(const std::bitset<kChannelSlots>& channelsInUse);
};

}  // namespace tq8615
