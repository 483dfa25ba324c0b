// The search by halving over a sorted record table, which every search of
// both libraries uses.
#pragma once

#include <cstring>
#include <vector>

namespace tigercore {

// The row of `rows` (the first `count` of them, sorted) whose key is the
// one searched for, or -1. `order(row)` tells where a row's key lies against
// the key searched for (negative: below, 0: equal). The first and the last
// row of the remaining range are probed before every halving; among equal
// rows the one probed first is found, or, with `firstOfRun`, the first of
// their run in table order.
template <typename Row, typename Order>
int FindByHalving(const std::vector<Row>& rows, int count, Order order, bool firstOfRun) {
    if (count <= 0 || static_cast<size_t>(count) > rows.size()) return -1;
    if (count == 1) return order(rows[0]) == 0 ? 0 : -1;
    int lo = 0;
    int hi = count - 1;
    int found = -1;
    while (hi - lo > 0) {
        if (order(rows[lo]) == 0) { found = lo; break; }
        if (order(rows[hi]) == 0) { found = hi; break; }
        if (hi - lo == 1) return -1;
        int mid = lo + (hi - lo) / 2;
        int c = order(rows[mid]);
        if (c == 0) { found = mid; break; }
        if (c < 0) lo = mid;
        else hi = mid;
    }
    if (found < 0) return -1;
    if (firstOfRun) {
        while (found >= 1 && order(rows[found - 1]) == 0) --found;
    }
    return found;
}

// A polygon table (CENID, POLYID fields) searched by CENID then POLYID,
// which orders as the joined texts.
template <typename Row>
int FindByCenidPolyid(const std::vector<Row>& rows, int count, const char* cenid, const char* polyid,
                      bool firstOfRun) {
    return FindByHalving(
        rows, count,
        [cenid, polyid](const Row& row) {
            int c = std::strcmp(row.CENID, cenid);
            return c != 0 ? c : std::strcmp(row.POLYID, polyid);
        },
        firstOfRun);
}

// A table sorted by a text field (`key` gives a row's text) searched for a
// text: any row that has it.
template <typename Row, typename KeyOf>
int FindByText(const std::vector<Row>& rows, int count, const char* wanted, KeyOf key) {
    return FindByHalving(
        rows, count, [wanted, key](const Row& row) { return std::strcmp(key(row), wanted); }, false);
}

}  // namespace tigercore
