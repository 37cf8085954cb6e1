#pragma once
// The three band plans of the radio and the frequency limits every check uses.
#include <array>
#include <string>

#include "model/memory_map.h"

namespace tq8615 {

constexpr int kUhf = 0;
constexpr int kVhf = 1;

struct BandPlan {
    int BandPlanIndex = 2;
    std::string BandPlanText;
    std::array<double, 2> RxLow{}, RxHigh{}, TxLow{}, TxHigh{};  // [kUhf], [kVhf], MHz

    bool operator==(const BandPlan&) const = default;
};

std::string BandPlanText(int index);          // empty for an unknown plan
std::string BandPlanTwoLineText(int index);   // UHF line, CR LF, VHF line

// Reads the limits out of a band plan text; a part that cannot be read leaves 0.
void ParseBandPlanText(BandPlan& plan);

// Selects plan `index`: its text and its limits.
void SelectBandPlan(BandPlan& plan, int index);

// The default frequency of band b, "000.0000" formatted (for instance "435.5000").
std::string DefaultFrequencyText(const BandPlan& plan, int band);

}  // namespace tq8615
