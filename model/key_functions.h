#pragma once
// The functions a programmable key of the radio can take, by code and by name.
#include <string>
#include <string_view>

namespace tq8615 {

constexpr int kFirstKeyFunction = 1;   // "A/B"
constexpr int kLastShortcutFunction = 16;  // "RDW"
constexpr int kNullKeyFunction = 17;   // "NULL"

// Codes 1..16 give their name; every other code "NULL".
std::string KeyFunctionName(int code);
// The code of a name; 0 for a text that names no function.
int KeyFunctionCode(std::string_view name);

}  // namespace tq8615
