#include "model/radio_image.h"

namespace tq8615 {

void MarkBlocks(BlockUsageMap& map, int start, int length)
{
    if (!map.active || length <= 0)
        return;
    for (int i = start / kBlockSize; i <= (start + length - 1) / kBlockSize; ++i)
        if (i >= 0 && i < kBlockCount)
            map.used[static_cast<std::size_t>(i)] = 1;
}

void ClearImage(RadioImage& image, BlockUsageMap& map)
{
    image.clear();
    if (map.active)
        map.reset();
}

}  // namespace tq8615
