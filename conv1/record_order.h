// The orders of the record tables. Each comparison returns -1 when the first
// row sorts before the second, 1 when after and 0 when their keys are equal.
// A text key is one text formed from the row's fields ("%s" a field's text
// up to its NUL, "%10s" and the like the text right-justified in that many
// characters, "%c" one character); two keys compare as the C string
// comparison does (unsigned bytes up to the NUL). Integer keys compare as
// numbers. Each comparison has a sort key (tigercore/sort_keys.h) whose byte
// order is its order.
#pragma once

#include "conv1/record_layouts.h"
#include "tigercore/sort_keys.h"

namespace vornak {

using tigercore::SortKey;

// Type 1 after reading: "%c%s" of the class letter and TLID.
int CompareType1Records(const Type1Record& a, const Type1Record& b);
SortKey Type1ClassKey(const Type1Record& r);
// The leading text: the type 1 lines' ends (in the polygon stage), types 3
// and I by TLID, type 5 by FEAT.
int CompareLeadingText(const LineEnds& a, const LineEnds& b);
int CompareLeadingText(const Type3Record& a, const Type3Record& b);
int CompareLeadingText(const TypeIRecord& a, const TypeIRecord& b);
int CompareLeadingText(const Type5Record& a, const Type5Record& b);
SortKey LineEndsTlidKey(const LineEnds& r);
SortKey LeadingTextKey(const Type3Record& r);
SortKey LeadingTextKey(const TypeIRecord& r);
SortKey LeadingTextKey(const Type5Record& r);
// Types 2, 4, 6 and Z: "%10s%3s" of TLID and RTSQ.
int CompareTlidRtsq(const Type2Record& a, const Type2Record& b);
int CompareTlidRtsq(const Type4Record& a, const Type4Record& b);
int CompareTlidRtsq(const Type6Record& a, const Type6Record& b);
int CompareTlidRtsq(const TypeZRecord& a, const TypeZRecord& b);
SortKey TlidRtsqKey(const Type2Record& r);
SortKey TlidRtsqKey(const Type4Record& r);
SortKey TlidRtsqKey(const Type6Record& r);
SortKey TlidRtsqKey(const TypeZRecord& r);
// Type 7: LAND as a number.
int CompareType7Records(const Type7Record& a, const Type7Record& b);
SortKey LandKey(const Type7Record& r);
// Types 8, 9, A and S: "%s%s" of CENID and POLYID.
int CompareType8Records(const Type8Record& a, const Type8Record& b);
int CompareType9Records(const Type9Record& a, const Type9Record& b);
int CompareTypeARecords(const TypeARecord& a, const TypeARecord& b);
int CompareTypeSRecords(const TypeSRecord& a, const TypeSRecord& b);
SortKey CenidPolyidKey(const Type8Record& r);
SortKey CenidPolyidKey(const Type9Record& r);
SortKey CenidPolyidKey(const TypeARecord& r);
SortKey CenidPolyidKey(const TypeSRecord& r);

}  // namespace vornak
