// The text fields of hand-made record rows, filled as the parsers store
// them: the value left-justified in blanks, then NULs.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace testsupport {

// `value` left-justified in `width` blanks (by default the field's room but
// its NUL); the rest of the field NULs. A longer value is cut to `width`.
template <size_t N>
void Put(char (&field)[N], std::string_view value, size_t width = N - 1) {
    std::memset(field, 0, N);
    std::memset(field, ' ', width);
    std::memcpy(field, value.data(), std::min(value.size(), width));
}

// Each field all blanks.
template <typename... Fields>
void Blank(Fields&... fields) {
    (Put(fields, ""), ...);
}

}  // namespace testsupport
