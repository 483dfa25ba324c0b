#include "conv1/entity_names.h"

#include "conv1/job_state.h"
#include "conv1/record_store.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace vornak {

int gEntityRow = -1;
char gEntityPlaceDc = ' ';

namespace {

const char kEmptyName[] = "";

// How a field of the row is held against a code of the query.
enum class Match {
    kNone,
    kPrefix,             // the first n characters equal (strncmp)
    kLeftTrimmedPrefix,  // the field without its leading blanks: the first n characters equal
    kTrimmed,            // both without leading and trailing blanks: equal as a whole
    kNumber,             // both read as decimal numbers: equal
};

enum class Code { kCode1, kCode2 };

// The field tested: a text field of the row, or the state and county joined.
constexpr size_t kStateCounty = static_cast<size_t>(-1);

struct FieldTest {
    Match match;
    size_t field;
    int n;
    Code code;
};

// What a matching row leaves behind besides its name.
enum class Report { kNothing, kRow, kPlaceDc };

constexpr int kNoLsadc = -1;

// The matching rules of one entity kind for a range of releases and of
// query years; a kind may have a rule per release range or year range.
struct KindRule {
    int kind;
    int firstRelease, lastRelease;
    int firstYear, lastYear;  // the query years the rule serves
    bool yearTest;            // DATAYR equals the query year, or is 0
    char entity;              // ENTITY the row must have; 0: any
    int lsadcLow, lsadcHigh;  // LSADC as a number in low..high; kNoLsadc: any
    FieldTest tests[2];
    Report report;
};

#define PREFIX(field, n, code) FieldTest{Match::kPrefix, offsetof(TypeCRecord, field), n, Code::code}
#define LEFT_TRIMMED(field, n, code) FieldTest{Match::kLeftTrimmedPrefix, offsetof(TypeCRecord, field), n, Code::code}
#define TRIMMED(field, code) FieldTest{Match::kTrimmed, offsetof(TypeCRecord, field), 0, Code::code}
#define NUMBER(field, code) FieldTest{Match::kNumber, offsetof(TypeCRecord, field), 0, Code::code}
#define STATE_COUNTY FieldTest{Match::kPrefix, kStateCounty, 5, Code::kCode2}
#define NO_TEST FieldTest{Match::kNone, 0, 0, Code::kCode1}

constexpr int kEarliest = INT_MIN;
constexpr int kLatest = INT_MAX;

// Releases: all of them, the first two (94, 95), and from 97, 98 or 100 on.
#define ALL_RELEASES 94, 103
#define RELEASES_94_95 94, 95
#define FROM_97 97, 103
#define FROM_98 98, 103
#define FROM_100 100, 103
#define ANY_YEAR kEarliest, kLatest

const KindRule kNameKinds[] = {
    {kStateEntity, ALL_RELEASES, ANY_YEAR, false, 0, 1, 1, {PREFIX(STATE, 2, kCode2), NO_TEST}, Report::kNothing},
    {kCountyEntity, ALL_RELEASES, ANY_YEAR, false, 0, 4, 15, {STATE_COUNTY, NO_TEST}, Report::kNothing},
    {kCountySubdivisionEntity, ALL_RELEASES, ANY_YEAR, false, 0, 19, 49, {PREFIX(FIPS, 5, kCode1), STATE_COUNTY},
     Report::kNothing},
    {kPlaceEntity, ALL_RELEASES, ANY_YEAR, false, 0, 55, 62, {PREFIX(FIPS, 5, kCode1), NO_TEST}, Report::kNothing},
    {kAmericanIndianAreaEntity, ALL_RELEASES, ANY_YEAR, false, 0, kNoLsadc, kNoLsadc, {PREFIX(AIR, 4, kCode1), NO_TEST},
     Report::kNothing},
    {kAnrcEntity, RELEASES_94_95, ANY_YEAR, false, 0, kNoLsadc, kNoLsadc, {PREFIX(ANRC, 2, kCode1), NO_TEST},
     Report::kNothing},
    {kAnrcEntity, FROM_98, ANY_YEAR, false, 0, kNoLsadc, kNoLsadc, {PREFIX(ANRC, 2, kCode1), NO_TEST},
     Report::kNothing},
    {kVotingDistrictEntity, ALL_RELEASES, ANY_YEAR, false, 0, kNoLsadc, kNoLsadc,
     {LEFT_TRIMMED(VTD, 4, kCode1), STATE_COUNTY}, Report::kNothing},
    {kUrbanAreaEntity, ALL_RELEASES, ANY_YEAR, false, 0, kNoLsadc, kNoLsadc, {PREFIX(UA, 4, kCode1), NO_TEST},
     Report::kNothing},
    {kCmsaMsaEntity, FROM_97, ANY_YEAR, false, 'J', 71, 72, {LEFT_TRIMMED(MA, 4, kCode1), NO_TEST}, Report::kNothing},
    {kCmsaMsaEntity, RELEASES_94_95, ANY_YEAR, false, 0, kNoLsadc, kNoLsadc,
     {LEFT_TRIMMED(MSACMSA, 4, kCode1), NO_TEST}, Report::kNothing},
    {kPmsaEntity, FROM_97, ANY_YEAR, false, 'J', 73, 73, {LEFT_TRIMMED(MA, 4, kCode1), NO_TEST}, Report::kNothing},
    {kPmsaEntity, RELEASES_94_95, ANY_YEAR, false, 0, kNoLsadc, kNoLsadc, {LEFT_TRIMMED(PMSA, 4, kCode1), NO_TEST},
     Report::kNothing},
};

const KindRule kNameByYearKinds[] = {
    {kStateEntity, ALL_RELEASES, ANY_YEAR, true, 0, 1, 1, {PREFIX(STATE, 2, kCode2), NO_TEST}, Report::kNothing},
    {kCountyEntity, ALL_RELEASES, ANY_YEAR, true, 0, 3, 15, {STATE_COUNTY, NO_TEST}, Report::kNothing},
    {kCountySubdivisionEntity, ALL_RELEASES, ANY_YEAR, true, 0, 19, 49, {PREFIX(FIPS, 5, kCode1), STATE_COUNTY},
     Report::kNothing},
    {kPlaceEntity, ALL_RELEASES, ANY_YEAR, true, 0, 55, 62, {PREFIX(FIPS, 5, kCode1), NO_TEST}, Report::kRow},
    {kAmericanIndianAreaEntity, ALL_RELEASES, ANY_YEAR, true, 0, kNoLsadc, kNoLsadc,
     {PREFIX(AIR, 4, kCode1), PREFIX(FIPS, 5, kCode2)}, Report::kNothing},
    {kAnrcEntity, RELEASES_94_95, ANY_YEAR, true, 0, kNoLsadc, kNoLsadc, {PREFIX(ANRC, 2, kCode1), NO_TEST},
     Report::kNothing},
    {kAnrcEntity, FROM_98, ANY_YEAR, true, 0, kNoLsadc, kNoLsadc, {PREFIX(ANRC, 2, kCode1), NO_TEST}, Report::kNothing},
    {kVotingDistrictEntity, ALL_RELEASES, ANY_YEAR, true, 'V', kNoLsadc, kNoLsadc, {TRIMMED(VTD, kCode1), STATE_COUNTY},
     Report::kPlaceDc},
    {kUrbanAreaEntity, ALL_RELEASES, 2000, kLatest, true, 0, kNoLsadc, kNoLsadc, {PREFIX(UA, 5, kCode1), NO_TEST},
     Report::kRow},
    {kUrbanAreaEntity, ALL_RELEASES, kEarliest, 1999, true, 0, kNoLsadc, kNoLsadc, {PREFIX(UA, 4, kCode1), NO_TEST},
     Report::kNothing},
    {kCmsaMsaEntity, FROM_97, ANY_YEAR, true, 'J', 71, 72, {TRIMMED(MA, kCode1), NO_TEST}, Report::kNothing},
    {kCmsaMsaEntity, RELEASES_94_95, ANY_YEAR, true, 0, kNoLsadc, kNoLsadc, {TRIMMED(MSACMSA, kCode1), NO_TEST},
     Report::kNothing},
    {kPmsaEntity, FROM_97, ANY_YEAR, true, 'J', 73, 73, {TRIMMED(MA, kCode1), NO_TEST}, Report::kNothing},
    {kPmsaEntity, RELEASES_94_95, ANY_YEAR, true, 0, kNoLsadc, kNoLsadc, {TRIMMED(PMSA, kCode1), NO_TEST},
     Report::kNothing},
    {kSchoolDistrictEntity, FROM_100, ANY_YEAR, true, 0, kNoLsadc, kNoLsadc, {NUMBER(SD, kCode1), NO_TEST},
     Report::kNothing},
    {kTractEntity, FROM_100, ANY_YEAR, false, 'T', kNoLsadc, kNoLsadc, {TRIMMED(VTD, kCode1), NO_TEST},
     Report::kNothing},
    {kConsolidatedCityEntity, FROM_100, ANY_YEAR, true, 'A', kNoLsadc, kNoLsadc, {PREFIX(FIPS, 5, kCode1), NO_TEST},
     Report::kNothing},
    {kLsadc77Entity, ALL_RELEASES, ANY_YEAR, false, 0, 77, 77, {PREFIX(FIPS, 5, kCode1), NO_TEST}, Report::kNothing},
    {kTribalSubdivisionEntity, ALL_RELEASES, ANY_YEAR, false, 0, kNoLsadc, kNoLsadc,
     {PREFIX(FIPS, 5, kCode1), PREFIX(AITSCE, 3, kCode2)}, Report::kNothing},
};

#undef PREFIX
#undef LEFT_TRIMMED
#undef TRIMMED
#undef NUMBER
#undef STATE_COUNTY
#undef NO_TEST
#undef ALL_RELEASES
#undef RELEASES_94_95
#undef FROM_97
#undef FROM_98
#undef FROM_100
#undef ANY_YEAR

// A decimal number as the C conversion reads it: leading white space, a
// sign, digits; 0 when there is none.
long ReadNumber(const char* text) { return std::strtol(text, nullptr, 10); }

std::string_view Trimmed(const char* text) {
    std::string_view view(text);
    size_t first = view.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    size_t last = view.find_last_not_of(' ');
    return view.substr(first, last - first + 1);
}

const char* WithoutLeadingBlanks(const char* text) {
    while (*text == ' ') ++text;
    return text;
}

// The rule of a kind for the county's release and the query's year.
template <size_t N>
const KindRule* RuleOf(const KindRule (&rules)[N], int kind, int year) {
    for (const KindRule& rule : rules) {
        if (rule.kind == kind && gEditionCode >= rule.firstRelease && gEditionCode <= rule.lastRelease &&
            year >= rule.firstYear && year <= rule.lastYear)
            return &rule;
    }
    return nullptr;
}

class RowMatcher {
public:
    RowMatcher(const KindRule& rule, const EntityNameQuery& query)
        : rule_(rule),
          year_(query.year),
          code1_(query.code1 ? query.code1 : ""),
          code2_(query.code2 ? query.code2 : "") {}

    // A trimmed test with a blank code matches no row.
    bool CanMatch() const {
        for (const FieldTest& test : rule_.tests)
            if (test.match == Match::kTrimmed && Trimmed(CodeOf(test)).empty()) return false;
        return true;
    }

    bool Matches(const TypeCRecord& row) const {
        if (rule_.entity != 0 && row.ENTITY != rule_.entity) return false;
        if (rule_.lsadcLow != kNoLsadc) {
            long lsadc = ReadNumber(row.LSADC);
            if (lsadc < rule_.lsadcLow || lsadc > rule_.lsadcHigh) return false;
        }
        for (const FieldTest& test : rule_.tests)
            if (!Passes(test, row)) return false;
        if (rule_.yearTest) {
            long dataYear = ReadNumber(row.DATAYR);
            if (dataYear != year_ && dataYear != 0) return false;
        }
        return true;
    }

private:
    const char* CodeOf(const FieldTest& test) const { return test.code == Code::kCode1 ? code1_ : code2_; }

    bool Passes(const FieldTest& test, const TypeCRecord& row) const {
        char joined[sizeof row.STATE + sizeof row.COUNTY];
        const char* field;
        if (test.field == kStateCounty) {
            std::strcpy(joined, row.STATE);
            std::strcat(joined, row.COUNTY);
            field = joined;
        } else {
            field = reinterpret_cast<const char*>(&row) + test.field;
        }
        const char* code = CodeOf(test);
        switch (test.match) {
            case Match::kNone: return true;
            case Match::kPrefix: return std::strncmp(field, code, static_cast<size_t>(test.n)) == 0;
            case Match::kLeftTrimmedPrefix:
                return std::strncmp(WithoutLeadingBlanks(field), code, static_cast<size_t>(test.n)) == 0;
            case Match::kTrimmed: return Trimmed(field) == Trimmed(code);
            case Match::kNumber: return ReadNumber(field) == ReadNumber(code);
        }
        return false;
    }

    const KindRule& rule_;
    long year_;
    const char* code1_;
    const char* code2_;
};

template <size_t N>
const char* Lookup(const KindRule (&rules)[N], const EntityNameQuery& query, int year) {
    const KindRule* rule = RuleOf(rules, query.kind, year);
    if (!rule) return kEmptyName;
    if (rule->report == Report::kPlaceDc) gEntityPlaceDc = ' ';
    RowMatcher matcher(*rule, query);
    if (!matcher.CanMatch()) return kEmptyName;
    const int rows = std::min(gTypeCCount, static_cast<int>(gTypeCRecords.size()));
    for (int i = 0; i < rows; ++i) {
        const TypeCRecord& row = gTypeCRecords[static_cast<size_t>(i)];
        if (!matcher.Matches(row)) continue;
        if (rule->report == Report::kRow) gEntityRow = i;
        if (rule->report == Report::kPlaceDc) gEntityPlaceDc = row.PLACEDC;
        return row.NAME;
    }
    return kEmptyName;
}

}  // namespace

const char* LookupEntityName(EntityNameQuery query) { return Lookup(kNameKinds, query, 0); }

const char* LookupEntityNameByYear(EntityNameQuery query) { return Lookup(kNameByYearKinds, query, query.year); }

}  // namespace vornak
