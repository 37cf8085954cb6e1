#pragma once
// Frequencies and tones in their three forms: the text the user sees, the nine-digit string
// of the model and the data file, and the packed BCD bytes of the radio image.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "model/band_plan.h"
#include "model/messages.h"

namespace tq8615 {

// A model value that cannot be put into the radio image; the area encoder that meets it stops.
struct EncodeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A model number written as one image byte; anything outside 0..255 fails the encoder.
inline uint8_t ByteField(int value)
{
    if (value < 0 || value > 255)
        throw EncodeError("value does not fit a byte");
    return static_cast<uint8_t>(value);
}

constexpr std::string_view kNoFrequency = "FFFFFFFFF";
constexpr std::string_view kZeroFrequency = "000000000";


std::array<uint8_t, 4> PackBcd8(std::string_view digits);  // throws EncodeError
std::string UnpackBcd8(const std::array<uint8_t, 4>& bytes);  // eight hexadecimal digits

std::string DigitsToFreqText(std::string_view digits, MessageSink& sink);
std::string FreqTextToDigits(std::string_view text);

double ValidateRx(double value, double previous, const BandPlan& plan, MessageSink& sink);
std::string ValidateRxText(std::string_view typed, std::string_view storedDigits,
                           const BandPlan& plan, MessageSink& sink);
double ValidateTx(double tx, double rx, const BandPlan& plan, MessageSink& sink);
bool SameBand(std::string_view rxText, std::string_view txText, const BandPlan& plan);
std::string ComputeOffset(std::string_view offsetText, std::string_view rxText, int& shiftMode,
                          const BandPlan& plan, MessageSink& sink);

std::string CtcssText(int index, int userTone);
std::string DcsText(int value);
std::string UserCtcssFromText(std::string_view text);

}  // namespace tq8615
