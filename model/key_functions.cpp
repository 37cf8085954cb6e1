#include "model/key_functions.h"

#include <array>

namespace tq8615 {

namespace {

constexpr std::array<std::string_view, kNullKeyFunction> kNames = {
    "A/B", "V/M", "SQL", "VOL", "POW", "CDT", "REV", "SCN", "CAL",
    "TALK", "BND", "SFT", "MON", "DIR", "TRF", "RDW", "NULL"};

}  // namespace

std::string KeyFunctionName(int code)
{
    if (code < kFirstKeyFunction || code > kLastShortcutFunction)
        return "NULL";
    return std::string(kNames[static_cast<std::size_t>(code - 1)]);
}

int KeyFunctionCode(std::string_view name)
{
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name)
            return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace tq8615
