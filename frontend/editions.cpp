#include "frontend/editions.h"

namespace frontend {

namespace {
const char kLaterCharacters[] = {'9', 'a', 'b', 'c', 'd'};
}

char EditionCharacter(int code) {
    if (code == 94) return '0';
    if (code == 95) return '1';
    if (code >= 97 && code <= 103) return static_cast<char>('2' + (code - 97));
    if (code >= 104 && code <= 108) return kLaterCharacters[code - 104];
    return '0';
}

int EditionCodeOfCharacter(char c, int current) {
    if (c == '0') return 94;
    if (c == '1') return 95;
    if (c >= '2' && c <= '8') return 97 + (c - '2');
    if (c == '9') return 104;
    if (c >= 'a' && c <= 'd') return 105 + (c - 'a');
    return current;
}

}  // namespace frontend
