// Decimal text of numbers that does not depend on the C locale: the decimal
// point is always '.', whatever locale the host process has set.
#pragma once

#include <string>

namespace shapeio {

// `value` with exactly `decimals` digits after the point, like "%.*f".
std::string FormatFixed(double value, int decimals);
// The same appended to `out`.
void AppendFixed(std::string& out, double value, int decimals);

// The same right-justified in `width` characters, like "%*.*f"; a longer text
// is not cut.
std::string FormatFixed(double value, int width, int decimals);

}  // namespace shapeio
