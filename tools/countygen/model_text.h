// Small text and number helpers of the county model.
#pragma once

#include <string>

namespace countygen {

inline int CeilDiv(int a, int b) { return (a + b - 1) / b; }

// A non-negative number in `width` columns, padded with `pad` on the left.
inline std::string Padded(long long value, int width, char pad) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) >= width) return digits;
    return std::string(static_cast<size_t>(width) - digits.size(), pad) + digits;
}

inline std::string ZeroPad(long long value, int width) { return Padded(value, width, '0'); }
inline std::string Right(long long value, int width) { return Padded(value, width, ' '); }
inline std::string Blank(int width) { return std::string(static_cast<size_t>(width), ' '); }

}  // namespace countygen
