#include "conv2/record_order.h"

#include <cstring>

namespace vornak2 {

namespace {

int CompareText(const char* a, const char* b) { return std::strcmp(a, b); }

// Two text fields in turn: the order of the joined texts.
int CompareTexts(const char* a1, const char* b1, const char* a2, const char* b2) {
    int c = std::strcmp(a1, b1);
    return c != 0 ? c : std::strcmp(a2, b2);
}

template <typename Number>
int CompareNumbers(Number a, Number b) {
    return a > b ? 1 : a < b ? -1 : 0;
}

}  // namespace

int CompareType1Records(const Type1Record& a, const Type1Record& b) {
    int c = CompareNumbers(static_cast<unsigned char>(a.lineClass), static_cast<unsigned char>(b.lineClass));
    return c != 0 ? c : CompareText(a.TLID, b.TLID);
}

int CompareTextAt6(const Type1Record& a, const Type1Record& b) { return CompareText(a.TLID, b.TLID); }

int CompareTlidRtsq(const Type2Record& a, const Type2Record& b) { return CompareTexts(a.TLID, b.TLID, a.RTSQ, b.RTSQ); }
int CompareTlidRtsq(const Type4Record& a, const Type4Record& b) { return CompareTexts(a.TLID, b.TLID, a.RTSQ, b.RTSQ); }
int CompareTlidRtsq(const Type6Record& a, const Type6Record& b) { return CompareTexts(a.TLID, b.TLID, a.RTSQ, b.RTSQ); }
int CompareTlidRtsq(const TypeZRecord& a, const TypeZRecord& b) { return CompareTexts(a.TLID, b.TLID, a.RTSQ, b.RTSQ); }

int CompareType5Records(const Type5Record& a, const Type5Record& b) { return CompareText(a.FEAT, b.FEAT); }

int CompareTextAt12(const TypeIRecord& a, const TypeIRecord& b) { return CompareText(a.TLID, b.TLID); }
int CompareTextAt12(const TypeTRecord& a, const TypeTRecord& b) { return CompareText(a.TZID, b.TZID); }

int CompareTypeURecords(const TypeURecord& a, const TypeURecord& b) {
    int c = CompareText(a.TZID, b.TZID);
    return c != 0 ? c : CompareNumbers(a.RTSQ, b.RTSQ);
}

int CompareTypeARecords(const TypeARecord& a, const TypeARecord& b) {
    return CompareTexts(a.CENID, b.CENID, a.POLYID, b.POLYID);
}
int CompareTypeSRecords(const TypeSRecord& a, const TypeSRecord& b) {
    return CompareTexts(a.CENID, b.CENID, a.POLYID, b.POLYID);
}
int CompareTypeBRecords(const TypeBRecord& a, const TypeBRecord& b) {
    return CompareTexts(a.CENID, b.CENID, a.POLYID, b.POLYID);
}
int CompareType8Records(const Type8Record& a, const Type8Record& b) {
    return CompareTexts(a.CENID, b.CENID, a.POLYID, b.POLYID);
}
int CompareTypeERecords(const TypeERecord& a, const TypeERecord& b) {
    return CompareTexts(a.CENID, b.CENID, a.POLYID, b.POLYID);
}

int CompareTypePRecords(const TypePRecord& a, const TypePRecord& b) {
    return CompareTexts(a.POLYID, b.POLYID, a.CENID, b.CENID);
}

int CompareType7Records(const Type7Record& a, const Type7Record& b) { return CompareNumbers(a.LAND, b.LAND); }

int CompareTypeMRecords(const TypeMRecord& a, const TypeMRecord& b) {
    return CompareTexts(a.TLID, b.TLID, a.RTSQ, b.RTSQ);
}

}  // namespace vornak2

namespace vornak2 {

using tigercore::KeyWriter;

SortKey Type1ClassKey(const Type1Record& r) { return KeyWriter().Byte(r.lineClass).Text(r.TLID, 10).Key(); }
SortKey Type1TlidKey(const Type1Record& r) { return KeyWriter().Text(r.TLID, 10).Key(); }
SortKey TlidRtsqKey(const Type2Record& r) { return KeyWriter().Text(r.TLID, 10).Text(r.RTSQ, 3).Key(); }
SortKey TlidRtsqKey(const Type4Record& r) { return KeyWriter().Text(r.TLID, 10).Text(r.RTSQ, 3).Key(); }
SortKey TlidRtsqKey(const Type6Record& r) { return KeyWriter().Text(r.TLID, 10).Text(r.RTSQ, 3).Key(); }
SortKey TlidRtsqKey(const TypeZRecord& r) { return KeyWriter().Text(r.TLID, 10).Text(r.RTSQ, 3).Key(); }
SortKey TlidRtsqKey(const TypeMRecord& r) { return KeyWriter().Text(r.TLID, 10).Text(r.RTSQ, 3).Key(); }
SortKey FeatKey(const Type5Record& r) { return KeyWriter().Text(r.FEAT, 8).Key(); }
SortKey TextAt12Key(const TypeIRecord& r) { return KeyWriter().Text(r.TLID, 10).Key(); }
SortKey TextAt12Key(const TypeTRecord& r) { return KeyWriter().Text(r.TZID, 10).Key(); }
SortKey TypeUKey(const TypeURecord& r) { return KeyWriter().Text(r.TZID, 10).Number(r.RTSQ, 4).Key(); }
SortKey CenidPolyidKey(const TypeARecord& r) { return KeyWriter().Text(r.CENID, 5).Text(r.POLYID, 10).Key(); }
SortKey CenidPolyidKey(const TypeSRecord& r) { return KeyWriter().Text(r.CENID, 5).Text(r.POLYID, 10).Key(); }
SortKey CenidPolyidKey(const TypeBRecord& r) { return KeyWriter().Text(r.CENID, 5).Text(r.POLYID, 10).Key(); }
SortKey CenidPolyidKey(const Type8Record& r) { return KeyWriter().Text(r.CENID, 5).Text(r.POLYID, 10).Key(); }
SortKey CenidPolyidKey(const TypeERecord& r) { return KeyWriter().Text(r.CENID, 5).Text(r.POLYID, 10).Key(); }
SortKey PolyidCenidKey(const TypePRecord& r) { return KeyWriter().Text(r.POLYID, 10).Text(r.CENID, 5).Key(); }
SortKey LandKey(const Type7Record& r) { return KeyWriter().Number(r.LAND, 8).Key(); }

}  // namespace vornak2
