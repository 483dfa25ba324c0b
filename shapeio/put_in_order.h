// Moving the elements of a table into an order found by sorting their
// numbers, so that wide rows move once and no second copy of the table is
// needed.
#pragma once

#include <cstddef>
#include <vector>

namespace shapeio {

// Element i of the result is rows[order[i]] (`order` a permutation of the
// row numbers). Each cycle of the permutation is followed once, marking the
// places filled; `order` is the identity afterwards.
template <typename Row, typename Index>
void PutInOrder(std::vector<Row>& rows, std::vector<Index>& order) {
    for (size_t start = 0; start < order.size(); ++start) {
        if (static_cast<size_t>(order[start]) == start) continue;
        Row held = rows[start];
        size_t place = start;
        while (static_cast<size_t>(order[place]) != start) {
            const size_t from = static_cast<size_t>(order[place]);
            rows[place] = rows[from];
            order[place] = static_cast<Index>(place);
            place = from;
        }
        rows[place] = held;
        order[place] = static_cast<Index>(place);
    }
}

}  // namespace shapeio
