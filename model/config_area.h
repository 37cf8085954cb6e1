#pragma once
// The areas a configuration is compared and checked by, in the order they are reported.
#include <string_view>

namespace tq8615 {

enum class ConfigArea {
    BandPlan,
    Channels,
    Options,
    Keys,
    Dtmf,
    FiveTone,
    CommunicationBook,
    TwoTone,
    FileOnly,  // records the data file keeps and the radio never sees
};

// English name of the area, as reports print it.
std::string_view AreaName(ConfigArea area);

}  // namespace tq8615
