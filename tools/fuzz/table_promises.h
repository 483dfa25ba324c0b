// What the record readers promise about a table they have read in full.
#pragma once

#include <cstdlib>
#include <cstring>
#include <vector>

namespace fuzz {

// A type 2 table (sorted by TLID and RTSQ) holds each row of a line once.
template <typename Row>
void AbortOnRepeatedShapeRows(const std::vector<Row>& rows) {
    for (size_t i = 1; i < rows.size(); ++i) {
        if (std::strcmp(rows[i - 1].TLID, rows[i].TLID) == 0 && std::strcmp(rows[i - 1].RTSQ, rows[i].RTSQ) == 0)
            std::abort();
    }
}

}  // namespace fuzz
