#include "platform/text.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace platform {

std::string FormatList(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n <= 0) return std::string();
    std::vector<char> buffer(static_cast<size_t>(n) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    return std::string(buffer.data(), static_cast<size_t>(n));
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = FormatList(format, args);
    va_end(args);
    return text;
}

std::string Trimmed(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
    return text.substr(begin, end - begin);
}

std::string NumberList(const std::vector<int>& numbers) {
    std::string text;
    for (size_t i = 0; i < numbers.size();) {
        size_t end = i;
        while (end + 1 < numbers.size() && numbers[end + 1] == numbers[end] + 1) ++end;
        if (!text.empty()) text += ", ";
        if (end - i >= 2) {
            text += std::to_string(numbers[i]) + "-" + std::to_string(numbers[end]);
        } else {
            for (size_t k = i; k <= end; ++k) text += (k > i ? ", " : "") + std::to_string(numbers[k]);
        }
        i = end + 1;
    }
    return text;
}

}  // namespace platform
