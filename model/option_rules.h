#pragma once
// The option editor's rules that depend only on data: what a list shows for a stored value,
// what a chosen item stores, the working-channel lists and the dependency rules.
#include <vector>

#include "model/channels.h"
#include "model/record_field.h"

namespace tq8615 {

// The memory channels (1..200) present in the list, ascending; {1} when there are none.
std::vector<int> MemoryChannelNumbers(const ChannelTable& channels);

// The item a list shows for a stored value: 0 when the value has no item.
int ShownIndex(const ItemList& items, int value, const std::vector<int>& memoryChannels);
// What choosing item `index` stores.
int StoredValue(const ItemList& items, int index, const std::vector<int>& memoryChannels);

// Combo1(0) channel lock, Combo1(1) display mode, Combo1(2)/Combo1(5) working modes.
struct OptionDependencies {
    bool forceDisplayMode = false;  // Combo1(1) set to its second item
    bool displayModeEnabled = true;
    bool workModesEnabled = true;
};
constexpr int kLockedItem = 1;        // Combo1(0): locked
constexpr int kChannelNumberItem = 1; // Combo1(1): channel number shown
OptionDependencies DependenciesOf(int channelLockIndex, int displayModeIndex);

}  // namespace tq8615
