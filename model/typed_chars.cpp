#include "model/typed_chars.h"

namespace tq8615 {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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
    case CharSet::CodeName: return typed >= ' ' && typed < '~' && typed != '\\' ? typed : '\0';
    }
    return '\0';
}

}  // namespace tq8615
