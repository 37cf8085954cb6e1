#pragma once
// The Chinese Windows code page (GB18030, a superset of GBK) that the radio and the
// factory's tools use for texts; ASCII is the same in it.
#include <string>
#include <string_view>

namespace tq8615 {

std::string ToChineseCodePage(std::string_view utf8);

}  // namespace tq8615
