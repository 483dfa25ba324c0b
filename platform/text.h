// Small text helpers every part of the system uses.
#pragma once

#include <cstdarg>
#include <string>

namespace platform {

// printf-style formatting into a string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatList(const char* format, va_list args);

// The text without leading and trailing white space.
std::string Trimmed(const std::string& text);

}  // namespace platform
