// The orders of the record tables. Each comparison returns a negative number
// when the first row sorts before the second, a positive number when after
// and 0 when their keys are equal. Text keys compare as the C string
// comparison does (unsigned bytes up to the NUL); a composite key compares
// its fields in turn, which orders exactly as the joined texts would, since
// every field is stored at its full width. Integer keys compare as numbers.
#pragma once

#include "conv2/record_layouts.h"

#include <algorithm>
#include <cstring>
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

// The key of a row as bytes whose order (memcmp) is exactly the order of its
// comparison: text fields at full width, cut at a NUL and zero-filled after
// it, as the string comparison sees them; numbers big-endian with the sign
// bit flipped. Used to sort large tables quickly; equal keys are equal rows
// for the comparison.
struct SortKey {
    unsigned char bytes[16];
};

SortKey Type1ClassKey(const Type1Record& r);   // CompareType1Records
SortKey Type1TlidKey(const Type1Record& r);    // CompareTextAt6
SortKey TlidRtsqKey(const Type2Record& r);     // CompareTlidRtsq
SortKey TlidRtsqKey(const Type4Record& r);
SortKey TlidRtsqKey(const Type6Record& r);
SortKey TlidRtsqKey(const TypeZRecord& r);
SortKey TlidRtsqKey(const TypeMRecord& r);     // CompareTypeMRecords
SortKey FeatKey(const Type5Record& r);         // CompareType5Records
SortKey TextAt12Key(const TypeIRecord& r);     // CompareTextAt12
SortKey TextAt12Key(const TypeTRecord& r);
SortKey TypeUKey(const TypeURecord& r);        // CompareTypeURecords
SortKey CenidPolyidKey(const TypeARecord& r);  // CompareTypeARecords
SortKey CenidPolyidKey(const TypeSRecord& r);  // CompareTypeSRecords
SortKey CenidPolyidKey(const TypeBRecord& r);  // CompareTypeBRecords
SortKey CenidPolyidKey(const Type8Record& r);  // CompareType8Records
SortKey CenidPolyidKey(const TypeERecord& r);  // CompareTypeERecords
SortKey PolyidCenidKey(const TypePRecord& r);  // CompareTypePRecords
SortKey LandKey(const Type7Record& r);         // CompareType7Records

// Sorts a table into the order of `compare`, whose key `keyOf` is. Rows with
// equal keys keep their order (the file order), so the result does not
// depend on the sort's internals. The keys are sorted with their row numbers
// and the rows then moved into place once, which needs no second copy of
// the table.
template <typename Row>
void SortRecords(std::vector<Row>& rows, int (*compare)(const Row&, const Row&), SortKey (*keyOf)(const Row&)) {
    auto before = [compare](const Row& a, const Row& b) { return compare(a, b) < 0; };
    if (std::is_sorted(rows.begin(), rows.end(), before)) return;
    struct KeyedRow {
        SortKey key;
        size_t row;
    };
    std::vector<KeyedRow> keyed(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) keyed[i] = {keyOf(rows[i]), i};
    std::sort(keyed.begin(), keyed.end(), [](const KeyedRow& a, const KeyedRow& b) {
        int c = std::memcmp(a.key.bytes, b.key.bytes, sizeof a.key.bytes);
        return c != 0 ? c < 0 : a.row < b.row;
    });
    std::vector<size_t> order(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) order[i] = keyed[i].row;
    std::vector<KeyedRow>().swap(keyed);
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
