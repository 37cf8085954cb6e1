#pragma once
// Number formatting and parsing that always use "." whatever the user's locale.
#include <optional>
#include <string>
#include <string_view>

namespace tq8615 {

// Parses a decimal number ("435", "435.00625", " -1.5 "); nullopt when the text is not one.
std::optional<double> ParseNumber(std::string_view text);
bool IsNumeric(std::string_view text);
bool IsDecimalDigits(std::string_view text);

// Formats with a fixed number of decimals and at least minIntDigits integer digits,
// rounding half away from zero ("#0.00000" is (v, 1, 5), "000.00000" is (v, 3, 5)).
std::string FormatFixed(double value, int minIntDigits, int decimals);

int HexDigitValue(char c);  // -1 when c is not a hexadecimal digit
std::string HexByteText(unsigned value);  // two upper-case hexadecimal digits
std::string HexText(unsigned value);      // upper-case hexadecimal, no leading zero

}  // namespace tq8615
