#include "model/option_rules.h"

#include <algorithm>

namespace tq8615 {

std::vector<int> MemoryChannelNumbers(const ChannelTable& channels)
{
    std::vector<int> numbers;
    for (int i = 0; i < channels.ChannelCount; ++i) {
        const int n = channels.ChannelList[static_cast<std::size_t>(i)].ChannelNumber;
        if (n >= 1 && n <= kMemoryChannels)
            numbers.push_back(n);
    }
    std::sort(numbers.begin(), numbers.end());
    if (numbers.empty())
        numbers.push_back(1);
    return numbers;
}

int ShownIndex(const ItemList& items, int value, const std::vector<int>& memoryChannels)
{
    int index = value;
    if (items.kind == ItemKind::Numbers)
        index = value - items.first;
    else if (items.kind == ItemKind::MemoryChannels) {
        const auto it = std::find(memoryChannels.begin(), memoryChannels.end(), value + 1);
        index = it == memoryChannels.end() ? 0 : static_cast<int>(it - memoryChannels.begin());
    }
    const int count = items.kind == ItemKind::MemoryChannels ? static_cast<int>(memoryChannels.size()) : items.count;
    return index >= 0 && index < count ? index : 0;
}

int StoredValue(const ItemList& items, int index, const std::vector<int>& memoryChannels)
{
    switch (items.kind) {
    case ItemKind::Numbers: return items.first + index;
    case ItemKind::MemoryChannels: return memoryChannels.at(static_cast<std::size_t>(index)) - 1;
    default: return index;
    }
}

OptionDependencies DependenciesOf(int channelLockIndex, int displayModeIndex)
{
    OptionDependencies d;
    if (channelLockIndex == kLockedItem) {
        d.forceDisplayMode = true;
        d.displayModeEnabled = false;
        displayModeIndex = kChannelNumberItem;
    }
    d.workModesEnabled = displayModeIndex != kChannelNumberItem;
    return d;
}

}  // namespace tq8615
