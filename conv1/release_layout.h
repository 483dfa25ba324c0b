// The columns of a record type whose layout changes from release to
// release, as data: a blank fill that every release shares and a table of
// column groups, each read by the releases of its range. A county's layout
// is picked from the table once, before its first line is parsed.
#pragma once

#include <array>
#include <cstddef>

namespace vornak {

template <typename Row>
struct ColumnGroup {
    int firstRelease, lastRelease;  // inclusive
    void (*read)(Row&);
};

template <typename Row>
class ReleaseLayout {
public:
    // The layout of `release`: `blankFill` writes the blanks a row holds
    // before any column is copied; then the groups whose range holds the
    // release are read in table order.
    template <size_t N>
    void Select(void (*blankFill)(Row&), const ColumnGroup<Row> (&groups)[N], int release) {
        static_assert(N <= kMaxGroups, "column groups of one type");
        blank_ = Row{};
        blankFill(blank_);
        count_ = 0;
        for (const ColumnGroup<Row>& g : groups) {
            if (release >= g.firstRelease && release <= g.lastRelease) reads_[count_++] = g.read;
        }
    }

    // Fills `row` from the line buffer.
    void Parse(Row& row) const {
        row = blank_;
        for (size_t k = 0; k < count_; ++k) reads_[k](row);
    }

private:
    static constexpr size_t kMaxGroups = 12;
    Row blank_{};
    std::array<void (*)(Row&), kMaxGroups> reads_{};
    size_t count_ = 0;
};

}  // namespace vornak
