#include "link/transfer_planner.h"

#include "model/radio_image.h"

namespace tq8615 {

TransferPlanner::TransferPlanner() { IncludeList = {kIncludeRange}; }

void TransferPlanner::addSkipRange(int start, int end)
{
    if (!SkipList.empty() && SkipList.back().end + 1 == start) {
        SkipList.back().end = end;
        return;
    }
    // A full list only means more blocks travel than needed, never fewer.
    if (int(SkipList.size()) < kMaxSkipRanges)
        SkipList.push_back({start, end});
}

void TransferPlanner::finishSkipList(int blockSize)
{
    std::vector<AddressRange> whole;
    for (auto r : SkipList) {
        int start = (r.start + blockSize - 1) / blockSize * blockSize;
        int endPlusOne = (r.end + 1) / blockSize * blockSize;
        if (endPlusOne > start)
            whole.push_back({start, endPlusOne - 1});
    }
    SkipList = std::move(whole);
}

int TransferPlanner::countBlocks(int endAddress, int blockSize) const
{
    int total = endAddress / blockSize + 1;
    for (auto r : SkipList)
        total -= (r.end - r.start + 1) / blockSize;
    return total;
}

std::optional<int> TransferPlanner::nextAddress(int address) const
{
    if (PlannerMode == Mode::AllBlocks)
        return address;
    if (PlannerMode == Mode::IncludeOnly) {
        for (auto r : IncludeList) {
            if (r.start >= address)
                return r.start;
            if (r.start < address && address <= r.end)
                return address;
        }
        return std::nullopt;
    }
    // Repeat the lookup so that a skip range ending right before another never lands the
    // transfer inside the second one.
    for (bool moved = true; moved;) {
        moved = false;
        for (auto r : SkipList) {
            if (r.start <= address && address <= r.end) {
                address = r.end + 1;
                moved = true;
                break;
            }
        }
    }
    return address;
}

void TransferPlanner::planReadFromBitmap(const RadioImage& image)
{
    PlannerMode = Mode::ReadSkipList;
    SkipList.clear();
    addSkipRange(kUnusedArea.start, kUnusedArea.end);
    for (int n = 1; n <= kChannelSlots; ++n) {
        bool inUse = image.bit(kChannelBitmapAddress + (n - 1) / 8, (n - 1) % 8);
        if (!inUse)
            addSkipRange((n - 1) * kChannelSlotSize, (n - 1) * kChannelSlotSize + kChannelSlotSize - 1);
    }
    for (auto r : IncludeList)
        addSkipRange(r.start, r.end);
    finishSkipList();
}

std::vector<int> TransferPlanner::plannedBlocks(int endAddress) const
{
    std::vector<int> blocks;
    for (auto next = nextAddress(0); next && *next <= endAddress; next = nextAddress(*next + kBlockSize))
        blocks.push_back(*next);
    return blocks;
}

void TransferPlanner::planWrite(const std::bitset<kChannelSlots>& channelsInUse)
{
    PlannerMode = Mode::WriteSkipList;
    SkipList.clear();
    addSkipRange(kUnusedArea.start, kUnusedArea.end);
    for (int n = 1; n <= kChannelSlots; ++n)
        if (!channelsInUse.test(static_cast<std::size_t>(n - 1)))
            addSkipRange((n - 1) * kChannelSlotSize, (n - 1) * kChannelSlotSize + kChannelSlotSize - 1);
    finishSkipList();
}

}  // namespace tq8615
