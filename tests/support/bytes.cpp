#include "support/bytes.h"

#include <cctype>
#include <cstdio>
#include <stdexcept>

namespace testsupport {

std::string Hex(const std::string& pairs) {
    std::string bytes;
    int high = -1;
    for (char c : pairs) {
        if (std::isspace(static_cast<unsigned char>(c))) continue;
        if (!std::isxdigit(static_cast<unsigned char>(c))) throw std::invalid_argument("not hex: " + pairs);
        int value = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
        if (high < 0) {
            high = value;
        } else {
            bytes.push_back(static_cast<char>(high * 16 + value));
            high = -1;
        }
    }
    if (high >= 0) throw std::invalid_argument("odd hex: " + pairs);
    return bytes;
}

std::string ToHex(const std::string& bytes) {
    std::string text;
    char pair[4];
    for (unsigned char c : bytes) {
        std::snprintf(pair, sizeof pair, "%02x ", c);
        text += pair;
    }
    return text;
}

}  // namespace testsupport
