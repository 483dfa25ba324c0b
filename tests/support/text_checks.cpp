#include "support/text_checks.h"

namespace testsupport {

int CountOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::string::size_type at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

std::string Trim(const std::string& text, const char* blanks) {
    size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string::npos) return "";
    return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

std::string Blanks(size_t n) { return std::string(n, ' '); }

std::string Pad(const std::string& text, size_t width) { return text + Blanks(width - text.size()); }

}  // namespace testsupport
