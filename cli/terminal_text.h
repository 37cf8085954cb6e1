#pragma once
// Radio and file texts on a terminal: a name holding ESC [2J must not clear the screen.
#include <string>
#include <string_view>

namespace tq8615::cli {

// Control characters (C0, DEL, C1), bytes that are not valid UTF-8 and the backslash come
// out escaped ("\x1b", "\\"); with `keepLineBreaks`, "\n" stays a line break.
std::string TerminalText(std::string_view text, bool keepLineBreaks = false);

}  // namespace tq8615::cli
