#include "model/band_plan.h"
#include "model/text_util.h"

#include <cmath>

namespace tq8615 {
namespace {

const std::array<const char*, kBandPlanCount> kUhfLines = {
    "UHF{Rx(430 - 440 MHz) Tx(430 - 440 MHz)}",
    "UHF{Rx(400 - 490 MHz) Tx(400 - 490 MHz)}",
    "UHF{Rx(430 - 440 MHz) Tx(430 - 440 MHz)}"};
const std::array<const char*, kBandPlanCount> kVhfLines = {
    "VHF{Rx(144 - 148 MHz) Tx(144 - 148 MHz)}",
    "VHF{Rx(136 - 174 MHz) Tx(136 - 174 MHz)}",
    "VHF{Rx(144 - 146 MHz) Tx(144 - 146 MHz)}"};

std::string Between(const std::string& text, const std::string& open, const std::string& close)
{
    auto a = text.find(open);
    if (a == std::string::npos)
        return {};
    a += open.size();
    auto b = text.find(close, a);
    return text.substr(a, b == std::string::npos ? std::string::npos : b - a);
}

// "430 - 440 MHz": the low limit before the first space, the high one between the
// second and the third space.
void ParseRange(const std::string& text, double& low, double& high)
{
    auto s1 = text.find(' ');
    auto s2 = s1 == std::string::npos ? s1 : text.find(' ', s1 + 1);
    auto s3 = s2 == std::string::npos ? s2 : text.find(' ', s2 + 1);
    low = ParseNumber(text.substr(0, s1)).value_or(0.0);
    high = s2 == std::string::npos
               ? 0.0
               : ParseNumber(text.substr(s2 + 1, s3 == std::string::npos ? s3 : s3 - s2 - 1)).value_or(0.0);
}

}  // namespace

std::string BandPlanText(int index)
{
    if (!IsKnownBandPlan(index))
        return {};
    return std::string(kUhfLines[static_cast<std::size_t>(index)]) + " " + kVhfLines[static_cast<std::size_t>(index)];
}

std::string BandPlanTwoLineText(int index)
{
    if (!IsKnownBandPlan(index))
        return {};
    return std::string(kUhfLines[static_cast<std::size_t>(index)]) + "\r\n" + kVhfLines[static_cast<std::size_t>(index)];
}

void ParseBandPlanText(BandPlan& plan)
{
    const std::string& text = plan.BandPlanText;
    std::array<std::string, 2> parts{text, text};
    if (text.find("UHF{") != std::string::npos) {
        parts[kUhf] = Between(text, "UHF{", "}");
        parts[kVhf] = Between(text, "VHF{", "}");
    }
    for (std::size_t i = 0; i < 2; ++i) {
        ParseRange(Between(parts[i], "Rx(", ")"), plan.RxLow[i], plan.RxHigh[i]);
        ParseRange(Between(parts[i], "Tx(", ")"), plan.TxLow[i], plan.TxHigh[i]);
    }
}

void SelectBandPlan(BandPlan& plan, int index)
{
    plan.BandPlanIndex = index;
    plan.BandPlanText = BandPlanText(index);
    ParseBandPlanText(plan);
}

std::string DefaultFrequencyText(const BandPlan& plan, int band)
{
    auto b = static_cast<std::size_t>(band);
    return FormatFixed((std::trunc(plan.RxHigh[b]) + plan.RxLow[b] + 1) / 2, 3, 4);
}

}  // namespace tq8615
