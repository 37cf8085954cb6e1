#pragma once
// The texts of a field's list as an editor shows them, in the current language.
#include "model/record_field.h"

#include <QStringList>

#include <string_view>
#include <vector>

namespace tq8615::app {

class Language;

// `fieldName` picks the fixed table of a Texts list (steps or bandwidths);
// `memoryChannels` are the numbers a MemoryChannels list shows.
QStringList FieldItems(const ItemList& items, std::string_view fieldName, const Language& language,
                       const std::vector<int>& memoryChannels = {});

}  // namespace tq8615::app
