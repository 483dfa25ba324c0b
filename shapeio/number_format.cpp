#include "shapeio/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace shapeio {

namespace {

constexpr double kScales[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr uint64_t kWholeScales[] = {1,      10,      100,      1000,      10000,
                                     100000, 1000000, 10000000, 100000000, 1000000000};

// The text of `value` with `decimals` (0 to 9) digits after the point, the
// same as "%.*f", found from the value scaled to a whole number of
// millionths (for 6 decimals): the product is taken exactly, as the rounded
// product and its error, and rounded to the nearest whole number. False,
// and nothing appended, when the value is too large for that or lies so
// near the middle between two texts that only the exact formatting tells
// which it is.
bool AppendFixedScaled(std::string& out, double value, int decimals) {
    if (decimals < 0 || decimals > 9) return false;
    const double scale = kScales[decimals];
    const double magnitude = std::fabs(value);
    const double scaled = magnitude * scale;
    if (!(scaled < 4503599627370496.0)) return false;  // 2^52: whole numbers and halves are exact
    // magnitude * scale is scaled + error exactly; the part above `whole`
    // is off by far less than the margin.
    const double error = std::fma(magnitude, scale, -scaled);
    const double whole = std::floor(scaled);
    const double above = (scaled - whole) + error;
    constexpr double kMargin = 1e-9;
    if (std::fabs(above - 0.5) < kMargin) return false;
    const uint64_t units = static_cast<uint64_t>(whole) + (above > 0.5 ? 1 : 0);

    char buffer[48];
    char* end = buffer + sizeof buffer;
    char* at = end;
    uint64_t fraction = units % kWholeScales[decimals];
    for (int i = 0; i < decimals; ++i, fraction /= 10) *--at = static_cast<char>('0' + fraction % 10);
    if (decimals > 0) *--at = '.';
    uint64_t integer = units / kWholeScales[decimals];
    do {
        *--at = static_cast<char>('0' + integer % 10);
        integer /= 10;
    } while (integer != 0);
    // Like "%f", a negative value (and -0) keeps its sign even when its
    // text is all zeros.
    if (std::signbit(value)) *--at = '-';
    out.append(at, end);
    return true;
}

}  // namespace

void AppendFixed(std::string& out, double value, int decimals) {
    if (AppendFixedScaled(out, value, decimals)) return;
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
