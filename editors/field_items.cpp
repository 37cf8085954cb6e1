#include "field_items.h"

#include "app/language.h"
#include "model/tone_tables.h"

namespace tq8615::app {

QStringList FieldItems(const ItemList& items, std::string_view fieldName, const Language& language,
                       const std::vector<int>& memoryChannels)
{
    QStringList texts;
    const auto key = [&](int i) { return language.LangText(items.keys[static_cast<std::size_t>(i)]); };
    switch (items.kind) {
    case ItemKind::None: break;
    case ItemKind::Keys:
        for (int i = 0; i < items.count; ++i)
            texts << key(i);
        break;
    case ItemKind::OffThenNumbers:
        texts << key(0);
        for (int n = 1; n < items.count; ++n)
            texts << (items.keys[1] == TextKey{} ? QString::number(n) : QString::number(n) + key(1));
        break;
    case ItemKind::Numbers:
        for (int i = 0; i < items.count; ++i)
            texts << QString::number(items.first + i);
        break;
    case ItemKind::Texts:
        if (fieldName == "Bandwidth") {
            for (const char* t : kBandwidthTexts)
                texts << QString::fromLatin1(t);
        } else {
            for (const char* t : kStepTexts)
                texts << QString::fromLatin1(t);
        }
        break;
    case ItemKind::NumbersThenKey:
        for (int i = 1; i <= items.count; ++i)
            texts << QString::number(items.first * i) + QLatin1Char(' ') + key(0);
        break;
    case ItemKind::MemoryChannels:
        for (int n : memoryChannels)
            texts << QString::number(n);
        break;
    }
    return texts;
}

}  // namespace tq8615::app
