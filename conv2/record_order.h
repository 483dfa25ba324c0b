// The orders of the record tables. Each comparison returns a negative number
// when the first row sorts before the second, a positive number when after
// and 0 when their keys are equal. Text keys compare as the C string
// comparison does (unsigned bytes up to the NUL); a composite key compares
// its fields in turn, which orders exactly as the joined texts would, since
// every field is stored at its full width. Integer keys compare as numbers.
#pragma once

#include "conv2/record_layouts.h"
#include "tigercore/sort_keys.h"

namespace vornak2 {

using tigercore::SortKey;

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

// The sort keys of the comparisons (tigercore/sort_keys.h).
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

}  // namespace vornak2
