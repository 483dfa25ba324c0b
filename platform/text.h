// Small text helpers every part of the system uses.
#pragma once

#include <cstdarg>
#include <string>
#include <vector>

namespace platform {

// printf-style formatting into a string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatList(const char* format, va_list args);

// The text without leading and trailing white space.
std::string Trimmed(const std::string& text);

// Ascending numbers as a list, runs of three or more as ranges:
// "94, 95, 97-103".
std::string NumberList(const std::vector<int>& numbers);

}  // namespace platform
