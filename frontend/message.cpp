#include "frontend/message.h"

#include <cstdarg>
#include <cstdio>
#include <ostream>
#include <vector>

namespace frontend {

void ShowMessageBox(std::ostream& out, const std::string& text) {
    out << "[pellard] " << text << "\n" << std::flush;
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (n > 0) {
        std::vector<char> buffer(static_cast<size_t>(n) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        text.assign(buffer.data(), static_cast<size_t>(n));
    }
    va_end(args);
    return text;
}

}  // namespace frontend
