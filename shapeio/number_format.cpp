#include "shapeio/number_format.h"

#include <charconv>
#include <cmath>

namespace shapeio {

void AppendFixed(std::string& out, double value, int decimals) {
    if (std::isnan(value)) {
        out += "nan";
    } else if (std::isinf(value)) {
        out += value < 0 ? "-inf" : "inf";
    } else {
        // 309 integer digits at most, the sign, the point and the decimals.
        char buffer[400];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
        if (result.ec == std::errc()) out.append(buffer, result.ptr);
    }
}

std::string FormatFixed(double value, int decimals) {
    std::string text;
    AppendFixed(text, value, decimals);
    return text;
}

std::string FormatFixed(double value, int width, int decimals) {
    std::string text = FormatFixed(value, decimals);
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

}  // namespace shapeio
