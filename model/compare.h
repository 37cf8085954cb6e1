#pragma once
// Field-level comparison of two configurations: every field of every area described once
// by the field tables, channels matched by number.
#include <string>
#include <vector>

#include "model/config_area.h"
#include "model/editing_model.h"

namespace tq8615 {

struct Difference {
    ConfigArea area = ConfigArea::Options;
    int channel = 0;    // the channel number in the channel area, else 0
    std::string item;   // "channel 12", "M3", "call list 7"; empty for an area's own fields
    std::string field;  // the field's name in its table
    std::string left;   // the value on each side, as text
    std::string right;

    bool operator==(const Difference&) const = default;
};

struct CompareScope {
    // One side was decoded from a radio image: what the radio does not hold (the 2-tone
    // block, the file-only records, fields the image has no place for) cannot differ.
    bool radioFieldsOnly = false;
    // Texts are compared by what they say: up to the first NUL, trailing spaces dropped.
    // With this set, the padding bytes after the text count too.
    bool paddingCounts = false;
};

std::vector<Difference> CompareConfigurations(const EditingModel& left, const EditingModel& right,
                                              CompareScope scope = {});

// The option fields that assign functions to keys, compared as their own area.
bool IsKeyAssignment(std::string_view fieldName);

// "channels  channel 12  EncodeCtcss: 8 -> 12"
std::string DifferenceLine(const Difference& difference);

}  // namespace tq8615
