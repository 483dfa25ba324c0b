#include "conv1/record_order.h"

#include <cstring>

namespace vornak {

namespace {

// A key text as the comparison formats it: "%s" appends a field's text up
// to its NUL, "%<w>s" right-justifies it in w characters (a field is never
// longer than its width), "%c" appends one character. The key is zero-filled
// after its text, so comparing two keys byte by byte is comparing the two
// texts as the C string comparison does.
class KeyText {
public:
    KeyText() { std::memset(key_.bytes, 0, sizeof key_.bytes); }
    KeyText& Text(const char* field, size_t width) {
        if (ended_) return *this;
        const size_t n = Length(field, width);
        std::memcpy(key_.bytes + at_, field, n);
        at_ += n;
        return *this;
    }
    KeyText& RightJustified(const char* field, size_t width) {
        if (ended_) return *this;
        const size_t n = Length(field, width);
        std::memset(key_.bytes + at_, ' ', width - n);
        std::memcpy(key_.bytes + at_ + width - n, field, n);
        at_ += width;
        return *this;
    }
    // A NUL character ends the text.
    KeyText& Char(char c) {
        if (ended_ || c == '\0') {
            ended_ = true;
            return *this;
        }
        key_.bytes[at_++] = static_cast<unsigned char>(c);
        return *this;
    }
    SortKey Key() const { return key_; }

private:
    static size_t Length(const char* field, size_t width) {
        size_t n = 0;
        while (n < width && field[n] != '\0') ++n;
        return n;
    }
    SortKey key_;
    size_t at_ = 0;
    bool ended_ = false;
};

int CompareKeys(const SortKey& a, const SortKey& b) {
    const int c = std::memcmp(a.bytes, b.bytes, sizeof a.bytes);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// "%s%s" of CENID and POLYID.
template <typename Row>
SortKey CenidPolyid(const Row& r) {
    return KeyText().Text(r.CENID, 5).Text(r.POLYID, 10).Key();
}

// "%10s%3s" of TLID and RTSQ.
template <typename Row>
SortKey TlidRtsq(const Row& r) {
    return KeyText().RightJustified(r.TLID, 10).RightJustified(r.RTSQ, 3).Key();
}

}  // namespace

// "%c%s" of the class letter and TLID.
SortKey Type1ClassKey(const Type1Record& r) { return KeyText().Char(r.lineClass).Text(r.TLID, 10).Key(); }
int CompareType1Records(const Type1Record& a, const Type1Record& b) {
    return CompareKeys(Type1ClassKey(a), Type1ClassKey(b));
}

SortKey LineEndsTlidKey(const LineEnds& r) { return KeyText().Text(r.TLID, 10).Key(); }
SortKey LeadingTextKey(const Type3Record& r) { return KeyText().Text(r.TLID, 10).Key(); }
SortKey LeadingTextKey(const TypeIRecord& r) { return KeyText().Text(r.TLID, 10).Key(); }
SortKey LeadingTextKey(const Type5Record& r) { return KeyText().Text(r.FEAT, 8).Key(); }
int CompareLeadingText(const LineEnds& a, const LineEnds& b) {
    return CompareKeys(LineEndsTlidKey(a), LineEndsTlidKey(b));
}
int CompareLeadingText(const Type3Record& a, const Type3Record& b) {
    return CompareKeys(LeadingTextKey(a), LeadingTextKey(b));
}
int CompareLeadingText(const TypeIRecord& a, const TypeIRecord& b) {
    return CompareKeys(LeadingTextKey(a), LeadingTextKey(b));
}
int CompareLeadingText(const Type5Record& a, const Type5Record& b) {
    return CompareKeys(LeadingTextKey(a), LeadingTextKey(b));
}

SortKey TlidRtsqKey(const Type2Record& r) { return TlidRtsq(r); }
SortKey TlidRtsqKey(const Type4Record& r) { return TlidRtsq(r); }
SortKey TlidRtsqKey(const Type6Record& r) { return TlidRtsq(r); }
SortKey TlidRtsqKey(const TypeZRecord& r) { return TlidRtsq(r); }
int CompareTlidRtsq(const Type2Record& a, const Type2Record& b) { return CompareKeys(TlidRtsq(a), TlidRtsq(b)); }
int CompareTlidRtsq(const Type4Record& a, const Type4Record& b) { return CompareKeys(TlidRtsq(a), TlidRtsq(b)); }
int CompareTlidRtsq(const Type6Record& a, const Type6Record& b) { return CompareKeys(TlidRtsq(a), TlidRtsq(b)); }
int CompareTlidRtsq(const TypeZRecord& a, const TypeZRecord& b) { return CompareKeys(TlidRtsq(a), TlidRtsq(b)); }

SortKey LandKey(const Type7Record& r) { return tigercore::KeyWriter().Number(r.LAND, 8).Key(); }
int CompareType7Records(const Type7Record& a, const Type7Record& b) {
    return a.LAND > b.LAND ? 1 : (a.LAND < b.LAND ? -1 : 0);
}

SortKey CenidPolyidKey(const Type8Record& r) { return CenidPolyid(r); }
SortKey CenidPolyidKey(const Type9Record& r) { return CenidPolyid(r); }
SortKey CenidPolyidKey(const TypeARecord& r) { return CenidPolyid(r); }
SortKey CenidPolyidKey(const TypeSRecord& r) { return CenidPolyid(r); }
int CompareType8Records(const Type8Record& a, const Type8Record& b) {
    return CompareKeys(CenidPolyid(a), CenidPolyid(b));
}
int CompareType9Records(const Type9Record& a, const Type9Record& b) {
    return CompareKeys(CenidPolyid(a), CenidPolyid(b));
}
int CompareTypeARecords(const TypeARecord& a, const TypeARecord& b) {
    return CompareKeys(CenidPolyid(a), CenidPolyid(b));
}
int CompareTypeSRecords(const TypeSRecord& a, const TypeSRecord& b) {
    return CompareKeys(CenidPolyid(a), CenidPolyid(b));
}

}  // namespace vornak
