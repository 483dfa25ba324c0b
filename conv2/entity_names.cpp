#include "conv2/entity_names.h"

#include "conv2/job_state.h"
#include "conv2/record_store.h"

#include <cctype>
#include <cstring>

namespace vornak2 {

int gEntityRow = -1;
char gEntityPlacedc = ' ';

namespace {

const char kEmpty[] = "";

// The text without leading and trailing white space.
std::string Trimmed(const char* text) {
    const char* begin = text;
    while (*begin && std::isspace(static_cast<unsigned char>(*begin))) ++begin;
    const char* end = begin + std::strlen(begin);
    while (end > begin && std::isspace(static_cast<unsigned char>(end[-1]))) --end;
    return std::string(begin, end);
}

// A decimal number as a scan would read it: leading blanks, a sign and
// digits; 0 when the text holds no number.
long ReadNumber(const char* text) {
    while (*text && std::isspace(static_cast<unsigned char>(*text))) ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    long value = 0;
    bool any = false;
    while (std::isdigit(static_cast<unsigned char>(*text))) {
        any = true;
        if (value < 100000000L) value = value * 10 + (*text - '0');
        ++text;
    }
    return any ? (negative ? -value : value) : 0;
}

bool FirstEqual(const char* a, const char* b, size_t n) { return std::strncmp(a, b, n) == 0; }

// STATE and COUNTY joined ("%2s%3s").
std::string StateCounty(const TypeCRecord& row) { return std::string(row.STATE) + row.COUNTY; }

bool TrimmedEqualNotBlank(const char* field, const std::string& code) {
    std::string wanted = Trimmed(code.c_str());
    return !wanted.empty() && Trimmed(field) == wanted;
}

bool EntityIn(char entity, const char* letters) { return entity != '\0' && std::strchr(letters, entity) != nullptr; }

enum class YearRule { Any, Full, NoAlternative };

bool YearPasses(const TypeCRecord& row, int year, int alternative, YearRule rule) {
    if (rule == YearRule::Any) return true;
    long dataYear = ReadNumber(row.DATAYR);
    if (dataYear == year || dataYear == 0) return true;
    return rule == YearRule::Full && alternative != 0 && dataYear == alternative;
}

bool Matches(const TypeCRecord& row, const EntityNameQuery& q, int alternative) {
    const char* code1 = q.code1.c_str();
    const char* code2 = q.code2.c_str();
    YearRule year = YearRule::Full;
    bool codes = false;
    switch (q.kind) {
        case kStateEntity:
            codes = row.ENTITY == 'S' && FirstEqual(row.STATE, code2, 2);
            break;
        case kCountyEntity:
            codes = row.ENTITY == 'C' && FirstEqual(StateCounty(row).c_str(), code2, 5);
            break;
        case kPlaceEntity:
            codes = row.ENTITY == 'P' && FirstEqual(row.FIPS, code1, 5);
            break;
        case kAmericanIndianAreaEntity:
            codes = row.ENTITY == 'I' && FirstEqual(row.AIANHH, code1, 4) && FirstEqual(row.FIPS, code2, 5);
            break;
        case kAnrcEntity:
            codes = row.ENTITY == 'W' && FirstEqual(row.FIPS, code1, 5);
            break;
        case kVotingDistrictEntity:
            codes = row.ENTITY == 'V' && TrimmedEqualNotBlank(row.VTDTRACT, q.code1) &&
                    FirstEqual(StateCounty(row).c_str(), code2, 5);
            break;
        case kUrbanAreaEntity:
            codes = EntityIn(row.ENTITY, "OUY") && FirstEqual(row.UAUGA, code1, 5);
            break;
        case kMetropolitanAreaEntity:
            codes = row.ENTITY == 'J' && TrimmedEqualNotBlank(row.MA, q.code1);
            break;
        case kSchoolDistrictEntity:
            codes = EntityIn(row.ENTITY, "345") && ReadNumber(row.SD) == ReadNumber(code1);
            break;
        case kTractEntity:
            codes = row.ENTITY == 'T' && TrimmedEqualNotBlank(row.VTDTRACT, q.code1);
            break;
        case kTribalSubdivisionEntity:
            codes = row.ENTITY == 'X' && FirstEqual(row.FIPS, code1, 5) && FirstEqual(row.AITSCE, code2, 3);
            break;
        case kCbsaEntity:
        case kMetropolitanDivisionEntity:
        case kNectaEntity:
            codes = FirstEqual(row.CBSANECTA, code1, 5);
            break;
        case kEconomicPlaceEntity:
            year = YearRule::Any;
            codes = row.ENTITY == 'E' && FirstEqual(row.FIPS, code1, 5) && std::strcmp(row.DATAYR, "EC02") == 0;
            break;
        case kCsaEntity:
        case kCombinedNectaEntity:
            codes = FirstEqual(row.CSACNECTA, code1, 3);
            break;
        case kConsolidatedCityEntity:
            codes = EntityIn(row.ENTITY, "CG") && FirstEqual(row.FIPS, code1, 5);
            break;
        case kCountySubdivisionEntity:
            codes = row.ENTITY == 'M' && FirstEqual(row.FIPS, code1, 5);
            break;
        case kSubbarrioEntity:
            codes = row.ENTITY == 'L' && FirstEqual(row.FIPS, code1, 5);
            break;
        case kUpperChamberEntity:
            year = YearRule::NoAlternative;
            codes = FirstEqual(row.CSACNECTA, code1, 3) && FirstEqual(row.LSADC, "LU", 2);
            break;
        case kLowerChamberEntity:
            year = YearRule::NoAlternative;
            codes = FirstEqual(row.CSACNECTA, code1, 3) && FirstEqual(row.LSADC, "LL", 2);
            break;
        default:
            return false;
    }
    return codes && YearPasses(row, q.year, alternative, year);
}

}  // namespace

const char* LookupEntityName(const EntityNameQuery& query) {
    gEntityRow = -1;
    int alternative = (gEditionCode == 105 && gSecondEdition && query.year == 2004) ? 2005 : 0;
    if (query.kind == kVotingDistrictEntity) gEntityPlacedc = ' ';
    for (int i = 0; i < gTypeCCount && static_cast<size_t>(i) < gTypeCRecords.size(); ++i) {
        const TypeCRecord& row = gTypeCRecords[static_cast<size_t>(i)];
        if (!Matches(row, query, alternative)) continue;
        gEntityRow = i;
        if (query.kind == kVotingDistrictEntity) gEntityPlacedc = row.PLACEDC;
        return row.NAME;
    }
    return kEmpty;
}

const char* LookupCommercialRegionName(int region) {
    gEntityRow = -1;
    for (int i = 0; i < gTypeCCount && static_cast<size_t>(i) < gTypeCRecords.size(); ++i) {
        if (gTypeCRecords[static_cast<size_t>(i)].COMMREG == region) {
            gEntityRow = i;
            return gTypeCRecords[static_cast<size_t>(i)].NAME;
        }
    }
    return kEmpty;
}

}  // namespace vornak2
