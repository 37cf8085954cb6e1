#include "model/text_util.h"
#include "model/fixed_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tq8615 {

std::string TrimmedText(std::string_view text)
{
    auto end = text.find_last_not_of(' ');
    text = end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
    auto nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    return std::string(text);
}

std::optional<double> ParseNumber(std::string_view text)
{
    auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-')
        ++i;
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (!digits)
        return std::nullopt;
    // strtod follows the C locale, which the program never changes: "." is the separator.
    return std::strtod(std::string(text).c_str(), nullptr);
}

bool IsNumeric(std::string_view text) { return ParseNumber(text).has_value(); }

bool IsDecimalDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

std::string FormatFixed(double value, int minIntDigits, int decimals)
{
    double scale = std::pow(10.0, decimals);
    // Half away from zero at the shown precision; the small nudge absorbs binary
    // representation error (145.525 is stored as 145.52499999...).
    double scaled = std::round(value * scale + (value >= 0 ? 1e-7 : -1e-7));
    bool negative = scaled < 0;
    scaled = std::fabs(scaled);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, scaled / scale);
    std::string s = buf;
    auto point = s.find('.');
    int intDigits = static_cast<int>(point == std::string::npos ? s.size() : point);
    if (intDigits < minIntDigits)
        s.insert(0, static_cast<std::size_t>(minIntDigits - intDigits), '0');
    return negative ? "-" + s : s;
}

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string HexByteText(unsigned value)
{
    static const char digits[] = "0123456789ABCDEF";
    return {digits[(value >> 4) & 15], digits[value & 15]};
}

std::string HexText(unsigned value)
{
    std::string s = HexByteText(value);
    return value < 16 ? s.substr(1) : s;
}

}  // namespace tq8615
