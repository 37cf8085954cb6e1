#include "model/typed_chars.h"

namespace tq8615 {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Capital(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

char AcceptTyped(CharSet set, char typed)
{
    switch (set) {
    case CharSet::Any: return typed;
    case CharSet::Digits: return IsDigit(typed) ? typed : '\0';
    case CharSet::Decimal: return IsDigit(typed) || typed == '.' ? typed : '\0';
    case CharSet::NameLetter: {
        const char c = Capital(typed);
        return IsDigit(c) || (c >= 'A' && c <= 'Z') || c == '-' ? c : '\0';
    }
    case CharSet::DtmfDigit: {
        const char c = Capital(typed);
        return IsDigit(c) || (c >= 'A' && c <= 'D') || c == '*' || c == '#' ? c : '\0';
    }
    case CharSet::BookName: {
        const char c = Capital(typed);
        return IsDigit(c) || (c >= 'A' && c <= 'Z') || c == ' ' ? c : '\0';
    }
    case CharSet::Hex: return IsDigit(typed) || (Capital(typed) >= 'A' && Capital(typed) <= 'F') ? Capital(typed) : '\0';
    case CharSet::DigitsOrA: return IsDigit(typed) || Capital(typed) == 'A' ? Capital(typed) : '\0';
    case CharSet::Alphanumeric: return IsDigit(typed) || (Capital(typed) >= 'A' && Capital(typed) <= 'Z') ? Capital(typed) : '\0';
    case CharSet::NameText: return typed == '\\' || typed == '~' ? '\0' : typed;
    }
    return '\0';
}

}  // namespace tq8615
