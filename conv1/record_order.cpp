#include "conv1/record_order.h"

#include <cstring>

namespace vornak {

namespace {

using tigercore::KeyWriter;

int Sign(int c) { return c < 0 ? -1 : (c > 0 ? 1 : 0); }

int CompareText(const char* a, const char* b) { return Sign(std::strcmp(a, b)); }

// Two text fields in turn: the order of the joined texts.
int CompareTexts(const char* a1, const char* b1, const char* a2, const char* b2) {
    int c = std::strcmp(a1, b1);
    return Sign(c != 0 ? c : std::strcmp(a2, b2));
}

template <typename Row>
int ByCenidPolyid(const Row& a, const Row& b) {
    return CompareTexts(a.CENID, b.CENID, a.POLYID, b.POLYID);
}

template <typename Row>
SortKey CenidPolyid(const Row& r) {
    return KeyWriter().Text(r.CENID, 5).Text(r.POLYID, 10).Key();
}

template <typename Row>
int ByTlidRtsq(const Row& a, const Row& b) {
    return CompareTexts(a.TLID, b.TLID, a.RTSQ, b.RTSQ);
}

template <typename Row>
SortKey TlidRtsq(const Row& r) {
    return KeyWriter().Text(r.TLID, 10).Text(r.RTSQ, 3).Key();
}

}  // namespace

int CompareType1Records(const Type1Record& a, const Type1Record& b) {
    unsigned char x = static_cast<unsigned char>(a.lineClass), y = static_cast<unsigned char>(b.lineClass);
    if (x != y) return x < y ? -1 : 1;
    return CompareText(a.TLID, b.TLID);
}
SortKey Type1ClassKey(const Type1Record& r) { return KeyWriter().Byte(r.lineClass).Text(r.TLID, 10).Key(); }

int CompareLeadingText(const Type1Record& a, const Type1Record& b) { return CompareText(a.TLID, b.TLID); }
int CompareLeadingText(const Type3Record& a, const Type3Record& b) { return CompareText(a.TLID, b.TLID); }
int CompareLeadingText(const TypeIRecord& a, const TypeIRecord& b) { return CompareText(a.TLID, b.TLID); }
int CompareLeadingText(const Type5Record& a, const Type5Record& b) { return CompareText(a.FEAT, b.FEAT); }
SortKey Type1TlidKey(const Type1Record& r) { return KeyWriter().Text(r.TLID, 10).Key(); }
SortKey LeadingTextKey(const Type3Record& r) { return KeyWriter().Text(r.TLID, 10).Key(); }
SortKey LeadingTextKey(const TypeIRecord& r) { return KeyWriter().Text(r.TLID, 10).Key(); }
SortKey LeadingTextKey(const Type5Record& r) { return KeyWriter().Text(r.FEAT, 8).Key(); }

int CompareTlidRtsq(const Type2Record& a, const Type2Record& b) { return ByTlidRtsq(a, b); }
int CompareTlidRtsq(const Type4Record& a, const Type4Record& b) { return ByTlidRtsq(a, b); }
int CompareTlidRtsq(const Type6Record& a, const Type6Record& b) { return ByTlidRtsq(a, b); }
int CompareTlidRtsq(const TypeZRecord& a, const TypeZRecord& b) { return ByTlidRtsq(a, b); }
SortKey TlidRtsqKey(const Type2Record& r) { return TlidRtsq(r); }
SortKey TlidRtsqKey(const Type4Record& r) { return TlidRtsq(r); }
SortKey TlidRtsqKey(const Type6Record& r) { return TlidRtsq(r); }
SortKey TlidRtsqKey(const TypeZRecord& r) { return TlidRtsq(r); }

int CompareType7Records(const Type7Record& a, const Type7Record& b) {
    return a.LAND > b.LAND ? 1 : (a.LAND < b.LAND ? -1 : 0);
}
SortKey LandKey(const Type7Record& r) { return KeyWriter().Number(r.LAND, 8).Key(); }

int CompareType8Records(const Type8Record& a, const Type8Record& b) { return ByCenidPolyid(a, b); }
int CompareType9Records(const Type9Record& a, const Type9Record& b) { return ByCenidPolyid(a, b); }
int CompareTypeARecords(const TypeARecord& a, const TypeARecord& b) { return ByCenidPolyid(a, b); }
int CompareTypeSRecords(const TypeSRecord& a, const TypeSRecord& b) { return ByCenidPolyid(a, b); }
SortKey CenidPolyidKey(const Type8Record& r) { return CenidPolyid(r); }
SortKey CenidPolyidKey(const Type9Record& r) { return CenidPolyid(r); }
SortKey CenidPolyidKey(const TypeARecord& r) { return CenidPolyid(r); }
SortKey CenidPolyidKey(const TypeSRecord& r) { return CenidPolyid(r); }

}  // namespace vornak
