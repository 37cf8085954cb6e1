#include "model/text_keys.h"

#include <cstdio>

namespace tq8615 {

TextSection SectionOf(TextKey key)
{
    for (const TextKeyInfo& info : kTextKeys)
        if (info.key == key)
            return info.section;
    return TextSection::Other;
}

const char* SectionName(TextSection section)
{
    switch (section) {
    case TextSection::Msg:
        return "MSG";
    case TextSection::Option:
        return "OPTION";
    case TextSection::Other:
        break;
    }
    return "OTHER";
}

std::string KeyText(TextKey key)
{
    char text[16];
    const int number = static_cast<int>(key);
    std::snprintf(text, sizeof text, SectionOf(key) == TextSection::Msg ? "%X" : "%d", number);
    return text;
}

}  // namespace tq8615
