#include "model/typed_chars.h"

namespace tq8615 {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

char AcceptTyped(CharSet set, char typed)
{
    switch (set) {
    case CharSet::Any: return typed;
    case CharSet::Digits: return IsDigit(typed) ? typed : '\0';
    case CharSet::Decimal: return IsDigit(typed) || typed == '.' ? typed : '\0';
    case CharSet::NameLetter:
        if (typed >= 'a' && typed <= 'z')
            return static_cast<char>(typed - 'a' + 'A');
        return IsDigit(typed) || (typed >= 'A' && typed <= 'Z') || typed == '-' ? typed : '\0';
    case CharSet::Hex: return IsDigit(typed) || (Upper(typed) >= 'A' && Upper(typed) <= 'F') ? Upper(typed) : '\0';
    case CharSet::DigitsOrA: return IsDigit(typed) || Upper(typed) == 'A' ? Upper(typed) : '\0';
    case CharSet::Alphanumeric: return IsDigit(typed) || (Upper(typed) >= 'A' && Upper(typed) <= 'Z') ? Upper(typed) : '\0';
    case CharSet::NameText: return typed == '\\' || typed == '~' ? '\0' : typed;
    }
    return '\0';
}

}  // namespace tq8615
