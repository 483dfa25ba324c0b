// The orders of the record tables. Each comparison returns a negative number
// when the first row sorts before the second, a positive number when after
// and 0 when their keys are equal. Text keys compare as the C string
// comparison does (unsigned bytes up to the NUL); a composite key compares
// its fields in turn, which orders exactly as the joined texts would, since
// every field is stored at its full width. Integer keys compare as numbers.
#pragma once

#include "conv2/record_layouts.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace vornak2 {

// Type 1 after reading: class letter, then TLID.
int CompareType1Records(const Type1Record& a, const Type1Record& b);
// Type 1 in the polygon stage: TLID.
int CompareTextAt6(const Type1Record& a, const Type1Record& b);
// Types 2, 4, 6 and Z: TLID, then RTSQ.
int CompareTlidRtsq(const Type2Record& a, const Type2Record& b);
int CompareTlidRtsq(const Type4Record& a, const Type4Record& b);
int CompareTlidRtsq(const Type6Record& a, const Type6Record& b);
int CompareTlidRtsq(const TypeZRecord& a, const TypeZRecord& b);
// Type 5: FEAT.
int CompareType5Records(const Type5Record& a, const Type5Record& b);
// Type I: TLID; type T: TZID.
int CompareTextAt12(const TypeIRecord& a, const TypeIRecord& b);
int CompareTextAt12(const TypeTRecord& a, const TypeTRecord& b);
// Type U: TZID, then RTSQ as a number.
int CompareTypeURecords(const TypeURecord& a, const TypeURecord& b);
// Types A, S, B, 8 and E: CENID, then POLYID.
int CompareTypeARecords(const TypeARecord& a, const TypeARecord& b);
int CompareTypeSRecords(const TypeSRecord& a, const TypeSRecord& b);
int CompareTypeBRecords(const TypeBRecord& a, const TypeBRecord& b);
int CompareType8Records(const Type8Record& a, const Type8Record& b);
int CompareTypeERecords(const TypeERecord& a, const TypeERecord& b);
// Type P: POLYID, then CENID.
int CompareTypePRecords(const TypePRecord& a, const TypePRecord& b);
// Type 7: LAND as a number.
int CompareType7Records(const Type7Record& a, const Type7Record& b);
// Type M: TLID, then RTSQ.
int CompareTypeMRecords(const TypeMRecord& a, const TypeMRecord& b);

// Sorts a table by a comparison. Rows with equal keys keep their order (the
// file order), so the result does not depend on the sort's internals. The
// rows are sorted through an array of row numbers and then moved into place
// once, which needs no second copy of the table.
template <typename Row>
void SortRecords(std::vector<Row>& rows, int (*compare)(const Row&, const Row&)) {
    auto before = [compare](const Row& a, const Row& b) { return compare(a, b) < 0; };
    if (std::is_sorted(rows.begin(), rows.end(), before)) return;
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&rows, compare](size_t a, size_t b) { return compare(rows[a], rows[b]) < 0; });
    // Row i of the result is rows[order[i]]: follow each cycle of the
    // permutation once, marking the places filled as order[i] = i.
    for (size_t start = 0; start < rows.size(); ++start) {
        if (order[start] == start) continue;
        Row held = rows[start];
        size_t place = start;
        while (order[place] != start) {
            size_t from = order[place];
            rows[place] = rows[from];
            order[place] = place;
            place = from;
        }
        rows[place] = held;
        order[place] = place;
    }
}

}  // namespace vornak2
