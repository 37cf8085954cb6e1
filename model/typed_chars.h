#pragma once
// What an editor's text box lets the user type, one rule per kind of box, so the rule can
// be checked without a window.
namespace tq8615 {

enum class CharSet {
    Any,         // anything printable (the box checks its text when it is left)
    Digits,      // "0".."9"
    Decimal,     // "0".."9" and "."
    NameLetter,  // "0".."9", "A".."Z" and "-"; "a".."z" taken as capitals
    CodeName,    // printable characters below 126 except the backslash
};

// The character a typed printable character becomes in the box, or 0 when it is refused.
char AcceptTyped(CharSet set, char typed);

}  // namespace tq8615
