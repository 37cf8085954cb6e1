#include "model/freq_codec.h"
#include "model/channels.h"
#include "model/fixed_text.h"
#include "model/text_util.h"
#include "model/tone_tables.h"

#include <cmath>
#include <optional>
#include <vector>

namespace tq8615 {
namespace {

// Walks the candidates in order; a later one wins only when strictly nearer.
double Nearest(double value, const std::vector<double>& candidates)
{
    double best = candidates.front();
    for (double c : candidates)
        if (std::fabs(c - value) < std::fabs(best - value))
            best = c;
    return best;
}

std::optional<std::size_t> BandHolding(double value, const std::array<double, 2>& low,
                                       const std::array<double, 2>& high)
{
    for (std::size_t b = 0; b < 2; ++b)
        if (low[b] <= value && value <= high[b])
            return b;
    return std::nullopt;
}

}  // namespace

std::array<uint8_t, 4> PackBcd8(std::string_view digits)
{
    std::string s(digits);
    while (s.size() < 9)
        s += '0';
    s = s.substr(s.size() - 8);
    std::array<uint8_t, 4> bytes{};
    for (std::size_t k = 0; k < 4; ++k) {
        int hi = HexDigitValue(s[2 * k]), lo = HexDigitValue(s[2 * k + 1]);
        if (hi < 0 || lo < 0)
            throw EncodeError("frequency digit is not hexadecimal");
        bytes[k] = static_cast<uint8_t>(hi * 16 + lo);
    }
    return bytes;
}

std::string UnpackBcd8(const std::array<uint8_t, 4>& bytes)
{
    std::string s;
    for (uint8_t b : bytes)
        s += HexByteText(b);
    return s;
}

std::string DigitsToFreqText(std::string_view digits, MessageSink& sink)
{
    std::string t = TrimmedText(digits);
    if (t.empty() || t == kNoFrequency)
        return {};
    std::string withPoint = t.size() > 4 ? t.substr(0, 4) + "." + t.substr(4) : t;
    auto value = ParseNumber(withPoint);
    if (!value || t.find_first_of("+-. ") != std::string::npos) {
        sink.show(Message::Fixed("Not IsNumeric"));
        return {};
    }
    return FormatFixed(*value, 1, 5);
}

std::string FreqTextToDigits(std::string_view text)
{
    std::string t(text);
    if (t.empty())
        return {};
    auto point = t.find('.');
    if (point == std::string::npos) {
        if (t.size() >= 4)
            return "0" + t.substr(0, 3);
        auto whole = ParseNumber(t);
        return (whole ? FormatFixed(std::trunc(*whole), 4, 0) : t) + "00000";
    }
    t = t.substr(0, std::min(t.size(), point + 6));  // digits beyond the fifth decimal drop
    auto value = ParseNumber(t);
    if (!value)
        return {};
    return FormatFixed(*value * 100000, 9, 0);
}

double ValidateRx(double value, double previous, const BandPlan& plan, MessageSink& sink)
{
    if (BandHolding(value, plan.RxLow, plan.RxHigh))
        return value;
    sink.show(Message::Key(TextKey::OutOfRange));
    if (previous != 0)
        return previous;
    return Nearest(value, {plan.RxLow[kUhf], plan.RxHigh[kUhf], plan.RxLow[kVhf], plan.RxHigh[kVhf]});
}

std::string ValidateRxText(std::string_view typed, std::string_view storedDigits,
                           const BandPlan& plan, MessageSink& sink)
{
    CollectingSink quiet;  // a stored value that is no number just counts as 0
    double previous = ParseNumber(DigitsToFreqText(storedDigits, quiet)).value_or(0.0);
    double result;
    if (auto value = ParseNumber(typed)) {
        result = ValidateRx(*value, previous, plan, sink);
    } else {
        sink.show(Message::Key(TextKey::OutOfRange));
        result = previous != 0 ? previous : plan.RxLow[kUhf];
    }
    return FormatFixed(result, 3, 5);
}

double ValidateTx(double tx, double rx, const BandPlan& plan, MessageSink& sink)
{
    auto band = BandHolding(rx, plan.RxLow, plan.RxHigh);
    if (!band)
        return rx;
    if (plan.TxLow[*band] <= tx && tx <= plan.TxHigh[*band])
        return tx;
    sink.show(Message::Key(TextKey::OutOfRange));
    return Nearest(tx, {plan.TxLow[*band], plan.TxHigh[*band]});
}

bool SameBand(std::string_view rxText, std::string_view txText, const BandPlan& plan)
{
    auto rx = ParseNumber(rxText), tx = ParseNumber(txText);
    auto rxBand = rx ? BandHolding(*rx, plan.RxLow, plan.RxHigh) : std::nullopt;
    auto txBand = tx ? BandHolding(*tx, plan.TxLow, plan.TxHigh) : std::nullopt;
    return rxBand == txBand;
}

std::string ComputeOffset(std::string_view offsetText, std::string_view rxText, int& shiftMode,
                          const BandPlan& plan, MessageSink& sink)
{
    auto offset = ParseNumber(offsetText), rx = ParseNumber(rxText);
    if (!offset || !rx)
        return "#0.00000";
    double result = *offset;
    if (shiftMode == kPlusShift || shiftMode == kMinusShift) {
        double tx = ValidateTx(shiftMode == kPlusShift ? *rx + *offset : *rx - *offset, *rx, plan, sink);
        if (tx > *rx)
            shiftMode = kPlusShift;
        else if (tx < *rx)
            shiftMode = kMinusShift;
        result = std::fabs(tx - *rx);
    }
    std::string text = FormatFixed(result, 1, 5);
    if (std::trunc(ParseNumber(text).value_or(0)) > 80)
        return "80.00000";
    return text;
}

std::string CtcssText(int index, int userTone)
{
    if (index == kUserCtcssIndex)
        return FormatFixed(userTone / 10.0, 1, 1);
    if (index < 0 || index > kUserCtcssIndex)
        index = 0;
    return kCtcssTexts[static_cast<std::size_t>(index)];
}

std::string DcsText(int value)
{
    if (value < 0 || value >= kDcsValueCount)
        value = 0;
    const DcsCode code = DcsCode::Of(value);
    return std::string("D") + kDcsCodes[static_cast<std::size_t>(code.index)] + (code.inverted ? "I" : "N");
}

std::string UserCtcssFromText(std::string_view text)
{
    auto value = ParseNumber(text);
    double v = value ? std::clamp(*value, 50.0, 260.0) : 251.1;
    return FormatFixed(v, 1, 1);
}

}  // namespace tq8615
