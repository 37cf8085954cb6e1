#pragma once
// What an editor's text box lets the user type, one rule per kind of box, so the rule can
// be checked without a window.
namespace tq8615 {

enum class CharSet {
    Any,         // anything printable (the box checks its text when it is left)
    Digits,      // "0".."9"
    Decimal,     // "0".."9" and "."
    NameLetter,  // "0".."9", "A".."Z" and "-"; "a".."z" taken as capitals
    DtmfDigit,   // "0".."9", "A".."D", "*" and "#"; "a".."d" taken as capitals
    BookName,    // "0".."9", "A".."Z" and the blank; "a".."z" taken as capitals
    Hex,         // "0".."9", "A".."F"; "a".."f" taken as capitals
    DigitsOrA,   // "0".."9" and "A" ("a" taken as the capital)
    Alphanumeric,  // "0".."9", "A".."Z"; "a".."z" taken as capitals
    NameText,    // anything printable but "\\" and "~"
};

// The character a typed printable character becomes in the box, or 0 when it is refused.
char AcceptTyped(CharSet set, char typed);

}  // namespace tq8615
