#include "conv1/all_polygons_fields.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace vornak {

namespace {

using shapeio::DbfFieldDef;

// Where a field's text comes from.
enum class Source {
    kLineSide,       // the side's columns of the type I row
    kLine,           // the type I row, the same for both sides
    kTypeS,          // the side's type S row
    kTypeA,          // the side's type A row
    kType3,          // the side's columns of the type 3 row
    kType3WithTypeA, // the same, only for a side that has a type A row
    kNone,           // always blank
};
// How it is written: a text, one character, a number.
enum class Kind { kText, kChar, kNumber };

struct FieldSource {
    Source source;
    Kind kind;
    size_t offset;       // in the source row (the left side's columns of a side pair)
    size_t rightOffset;  // the right side's columns of a side pair
    size_t columns;      // characters of the source field
    bool rightAligned;   // a shorter text is blank-padded on the left
};

// Names and widths in releases 97, 98, 99, 100 and 101, 102, 103; a null
// name (width 0) where the release has no such field.
struct AllPolygonsField {
    const char* names[kAllPolygonsReleaseCount];
    uint8_t widths[kAllPolygonsReleaseCount];
    FieldSource from;
};

#define FIELD_OF(Row, field, source, kind, columns, right) \
    FieldSource{source, kind, offsetof(Row, field), offsetof(Row, field), columns, right}
#define PAIR_OF(Row, left, right, source, kind) \
    FieldSource{source, kind, offsetof(Row, left), offsetof(Row, right), sizeof(Row::left) - 1, false}
#define S_TEXT(field) FIELD_OF(TypeSRecord, field, Source::kTypeS, Kind::kText, sizeof(TypeSRecord::field) - 1, false)
#define S_RIGHT(field, columns) FIELD_OF(TypeSRecord, field, Source::kTypeS, Kind::kText, columns, true)
#define S_CHAR(field) FIELD_OF(TypeSRecord, field, Source::kTypeS, Kind::kChar, 1, false)
#define A_TEXT(field) FIELD_OF(TypeARecord, field, Source::kTypeA, Kind::kText, sizeof(TypeARecord::field) - 1, false)
#define A_RIGHT(field, columns) FIELD_OF(TypeARecord, field, Source::kTypeA, Kind::kText, columns, true)
#define A_CHAR(field) FIELD_OF(TypeARecord, field, Source::kTypeA, Kind::kChar, 1, false)
#define I_TEXT(field) FIELD_OF(TypeIRecord, field, Source::kLine, Kind::kText, sizeof(TypeIRecord::field) - 1, false)
#define I_SIDES(left, right, kind) PAIR_OF(TypeIRecord, left, right, Source::kLineSide, kind)
#define T3_SIDES(left, right) PAIR_OF(Type3Record, left, right, Source::kType3, Kind::kText)
#define T3_SIDES_OF_A(left, right) PAIR_OF(Type3Record, left, right, Source::kType3WithTypeA, Kind::kText)
#define BLANK FieldSource{Source::kNone, Kind::kText, 0, 0, 0, false}

constexpr const char* _ = nullptr;  // not in the release

// Every field of any release in row order.
const AllPolygonsField kFields[] = {
    // The polygon itself and, in release 97, the file's county.
    {{"POLYID", "POLYID", "POLYID", "POLYID", "POLYID", "POLYID"}, {10, 10, 10, 10, 10, 10},
     I_SIDES(POLYIDL, POLYIDR, Kind::kNumber)},
    {{"CENID", "CENID", "CENID", "CENID", "CENID", "CENID"}, {5, 5, 5, 5, 5, 5}, I_SIDES(CENIDL, CENIDR, Kind::kText)},
    {{"STATE", _, _, _, _, _}, {2, 0, 0, 0, 0, 0}, I_TEXT(STATE)},
    {{"COUNTY", _, _, _, _, _}, {3, 0, 0, 0, 0, 0}, I_TEXT(COUNTY)},
    // Current and 2000 geography (type S).
    {{_, "STATECU", "STATE00", _, _, _}, {0, 2, 2, 0, 0, 0}, S_TEXT(STATECU)},
    {{_, "COUNTYCU", "COUNTY00", _, _, _}, {0, 3, 3, 0, 0, 0}, S_TEXT(COUNTYCU)},
    {{_, _, _, "STATECU", "STATE00", "STATE00"}, {0, 0, 0, 2, 2, 2}, S_TEXT(STATE)},
    {{_, _, _, "COUNTYCU", "COUNTY00", "COUNTY00"}, {0, 0, 0, 3, 3, 3}, S_TEXT(COUNTY)},
    {{"WATERFLAG", "WATERFLAG", "WATERFLAG", "WATERFLAG", "WATERFLAG", "WATERFLAG"}, {1, 1, 1, 1, 1, 1},
     FIELD_OF(TypeSRecord, WATER, Source::kTypeS, Kind::kNumber, 1, false)},
    {{"CMSAMSA", "CMSAMSA", "CMSAMSA00", "CMSAMSA00", "CMSAMSA00", "CMSAMSA00"}, {4, 4, 4, 4, 4, 4}, S_TEXT(MSACMSA)},
    {{"PMSA", "PMSA", "PMSA00", "PMSA00", "PMSA00", "PMSA00"}, {4, 4, 4, 4, 4, 4}, S_TEXT(PMSA)},
    {{"FAIR", "FAIR", "FAIR00", "AIANHH00", "AIANHH", "AIANHH"}, {5, 5, 5, 5, 5, 5}, S_TEXT(AIANHHFP)},
    {{"AIR", "AIR", "AIR00", "AIANHHCE00", "AIANHHCE", "AIANHHCE"}, {5, 5, 5, 5, 4, 4}, S_TEXT(AIANHH)},
    {{"TRUST", "TRUST", "TRUST00", "TRUST00", "AIHHTLI", "AIHHTLI"}, {1, 1, 1, 1, 1, 1}, S_CHAR(AIHHTLI)},
    {{"ANRC", "ANRC", "ANRC00", _, _, _}, {2, 2, 2, 0, 0, 0}, S_TEXT(ANRC)},
    {{_, _, _, "STATE00", _, _}, {0, 0, 0, 2, 0, 0}, S_TEXT(STATECU)},
    {{_, _, _, "COUNTY00", _, _}, {0, 0, 0, 3, 0, 0}, S_TEXT(COUNTYCU)},
    {{"FCCITY", "FCCITY", "FCCITY00", "CONCITY00", "CONCIT", "CONCIT"}, {5, 5, 5, 5, 5, 5}, S_TEXT(CONCIT)},
    {{"FMCD", "FMCD", "FMCD00", "COUSUB00", "COUSUB", "COUSUB"}, {5, 5, 5, 5, 5, 5}, S_TEXT(COUSUB)},
    {{"FSMCD", "FSMCD", "FSMCD00", "SUBMCD00", "SUBMCD", "SUBMCD"}, {5, 5, 5, 5, 5, 5}, S_TEXT(SUBMCD)},
    {{"FPL", "FPL", "FPL00", "PLACE00", "PLACE", "PLACE"}, {5, 5, 5, 5, 5, 5}, S_TEXT(PLACE)},
    {{_, _, _, "TRACT00", "TRACT", "TRACT"}, {0, 0, 0, 6, 6, 6}, S_TEXT(TRACT00)},
    {{_, _, _, "BLOCK00", "BLOCK", "BLOCK"}, {0, 0, 0, 4, 4, 4}, S_TEXT(BLOCK00)},
    {{_, "TEA", "CENSUS6", _, _, _}, {0, 1, 1, 0, 0, 0}, S_CHAR(TEA)},
    {{"CDCU", "CDCU", "CDCU", "CDCU", "CDCU", "CDCU"}, {2, 2, 2, 2, 2, 2}, S_TEXT(CDCU)},
    // Six columns in 97, three and three blanks after.
    {{"STSENATE", "STSENATE", "STSENATE00", "SLDU00", "SLDU", "SLDU"}, {6, 6, 6, 6, 6, 6}, S_TEXT(SLDU)},
    {{"STHOUSE", "STHOUSE", "STHOUSE00", "SLDL00", "SLDL", "SLDL"}, {6, 6, 6, 6, 6, 6}, S_TEXT(SLDL)},
    {{_, "CENSUS6", "CENSUS7", _, _, _}, {0, 5, 5, 0, 0, 0}, S_TEXT(RS91)},
    {{_, _, _, "UGA00", "UGA", "UGA"}, {0, 0, 0, 5, 5, 5}, S_TEXT(UGA)},
    {{_, _, _, "ANRCCU", _, _}, {0, 0, 0, 5, 0, 0}, T3_SIDES(ANRCL, ANRCR)},
    {{_, _, _, "AITSCE", _, _}, {0, 0, 0, 3, 0, 0}, T3_SIDES(AITSCEL, AITSCER)},
    {{_, _, _, "BLKGRP00", "BLKGRP", "BLKGRP"}, {0, 0, 0, 1, 1, 1}, S_CHAR(BLKGRP00)},
    {{_, _, _, "VTD00", "VTD", "VTD"}, {0, 0, 0, 6, 6, 6}, S_TEXT(VTD00)},
    {{_, "STATECOL", "STATECOL", "STATECOL", "STATECOL", _}, {0, 2, 2, 2, 2, 0}, S_TEXT(STATECOL)},
    {{_, "COUNCOL", "COUNCOL", "COUNCOL", "COUNCOL", _}, {0, 3, 3, 3, 3, 0}, S_TEXT(COUNCOL)},
    {{_, "BLKCOL", "BLKCOL", "BLKCOL", "BLOCKCOL", _}, {0, 5, 5, 5, 5, 0}, S_TEXT(BLKCOL)},
    {{_, "BLKSUFCOL", "BLKSUFCOL", "BLKSUFCOL", "BLKSUFCOL", _}, {0, 1, 1, 1, 1, 0}, S_CHAR(BLKSUFCOL)},
    {{_, _, _, _, _, "UA00COR"}, {0, 0, 0, 0, 0, 5}, S_TEXT(UA00COR)},
    {{_, _, _, _, _, "UA90RED"}, {0, 0, 0, 0, 0, 5}, S_TEXT(UA90RED)},
    {{_, _, _, _, _, "UR90RED"}, {0, 0, 0, 0, 0, 1}, S_CHAR(RS113)},
    {{_, "ZCTA", "ZCTA", "ZCTA", "ZCTA5", "ZCTA5"}, {0, 5, 5, 5, 5, 5}, S_RIGHT(ZCTA, 5)},
    {{_, _, _, _, "UR", "UR"}, {0, 0, 0, 0, 1, 1}, S_CHAR(RS119)},
    {{_, _, _, _, "UR90", "UR90"}, {0, 0, 0, 0, 1, 1}, S_CHAR(RS120)},
    // 1990 geography and the code-only fields (type A, from the scratch file).
    {{"FAIR90", "FAIR90", "FAIR90", "AIANHH90", "AIAHHH90", "AIAHHH90"}, {5, 5, 5, 5, 5, 5}, A_TEXT(FAIR)},
    {{"FMCD90", "FMCD90", "FMCD90", "COUSUB90", "COUSUB90", "COUSUB90"}, {5, 5, 5, 5, 5, 5}, A_TEXT(FMCD)},
    {{"FPL90", "FPL90", "FPL90", "PLACE90", "PLACE90", "PLACE90"}, {5, 5, 5, 5, 5, 5}, A_TEXT(FPL)},
    {{"CTBNA90", "CTBNA90", "CTBNA90", "TRACT90", "TRACT90", "TRACT90"}, {6, 6, 6, 6, 6, 6}, A_TEXT(TRACT)},
    {{"BLK90", "BLK90", "BLK90", "BLOCK90", "BLOCK90", "BLOCK90"}, {4, 4, 4, 4, 4, 4}, A_TEXT(BLOCK)},
    {{"CD106", "CD106", "CD106", "CD106", "CD106", "CD106"}, {2, 2, 2, 2, 2, 2}, A_TEXT(CD106)},
    {{"CD108", "CD108", "CD108", "CD108", "CD108", "CD108"}, {2, 2, 2, 2, 2, 2}, A_TEXT(CD108)},
    {{"SDELM", "SDELM", "SDELM", "SDELM", "SDELM", "SDELM"}, {5, 5, 5, 5, 5, 5}, A_TEXT(SDELM)},
    {{"SDSEC", "SDSEC", "SDSEC", "SDSEC", _, _}, {5, 5, 5, 5, 0, 0}, A_TEXT(SDSEC)},
    {{_, _, _, _, "PUMA5", "PUMA5"}, {0, 0, 0, 0, 5, 5}, A_TEXT(PUMA)},
    {{"SDUNI", "SDUNI", "SDUNI", "SDUNI", "SDUNI", "SDUNI"}, {5, 5, 5, 5, 5, 5}, A_TEXT(SDUNI)},
    {{"TAZ", "TAZ", "TAZ", "TAZ2000", "TAZ", "TAZ"}, {6, 6, 6, 6, 6, 6}, A_TEXT(TAZ)},
    {{_, _, _, _, "UA", "UA"}, {0, 0, 0, 0, 5, 5}, A_TEXT(UA00)},
    // Four characters: from 100 on with a leading blank.
    {{"UA", "UA90", "UA90", "UA90", "UA90", "UA90"}, {4, 4, 4, 5, 5, 5}, A_RIGHT(UA90, 4)},
    {{"URBFLAG", "URBFLAG", "URBFLAG", "UR", _, _}, {1, 1, 1, 1, 0, 0}, A_CHAR(UR90)},
    {{"CTPP", "CTPP", "CTPP", _, _, _}, {4, 4, 4, 0, 0, 0}, A_TEXT(TAZPART)},
    {{"STATE90", "STATE90", "STATE90", _, _, _}, {2, 2, 2, 0, 0, 0}, T3_SIDES_OF_A(STATE90L, STATE90R)},
    {{"COUN90", "COUN90", "COUN90", _, _, _}, {3, 3, 3, 0, 0, 0}, T3_SIDES_OF_A(COUN90L, COUN90R)},
    {{_, _, _, "STATE90", "STATE90", "STATE90"}, {0, 0, 0, 2, 2, 2}, A_TEXT(STATEPOLY)},
    {{_, _, _, "COUN90", "COUN90", "COUN90"}, {0, 0, 0, 3, 3, 3}, A_TEXT(COUNTYPOLY)},
    {{"AIR90", "AIR90", "AIR90", "AIANHHCE90", "AIANHHCE90", "AIANHHCE90"}, {4, 4, 4, 4, 4, 4}, A_TEXT(AIR)},
    // Voting districts of 1990 (the type 3 rows of 99 carry none), tribal
    // subdivisions of 2000 (type 3).
    {{"VOTE90", "VOTE90", _, _, _, _}, {4, 4, 0, 0, 0, 0}, T3_SIDES(VTDL, VTDR)},
    {{_, _, "VOTE90", _, _, _}, {0, 0, 4, 0, 0, 0}, BLANK},
    {{_, _, _, _, "ANRC", "ANRC"}, {0, 0, 0, 0, 5, 5}, T3_SIDES(ANRCL, ANRCR)},
    {{_, _, _, _, "AITSCE", "AITSCE"}, {0, 0, 0, 0, 3, 3}, T3_SIDES(AITSCEL, AITSCER)},
    {{_, _, _, "AITS", "AITS", "AITS"}, {0, 0, 0, 5, 5, 5}, T3_SIDES(AITSL, AITSR)},
    // The 2000 blocks of the dress rehearsal (type S).
    {{_, _, "CTBNA00", _, _, _}, {0, 0, 6, 0, 0, 0}, S_TEXT(TRACT00)},
    {{_, _, "BLK00", _, _, _}, {0, 0, 4, 0, 0, 0}, S_TEXT(BLOCK00)},
    {{_, _, "VOTE00", _, _, _}, {0, 0, 6, 0, 0, 0}, S_TEXT(VTD00)},
};

#undef FIELD_OF
#undef PAIR_OF
#undef S_TEXT
#undef S_RIGHT
#undef S_CHAR
#undef A_TEXT
#undef A_RIGHT
#undef A_CHAR
#undef I_TEXT
#undef I_SIDES
#undef T3_SIDES
#undef T3_SIDES_OF_A
#undef BLANK

bool IsNumberField(const AllPolygonsField& field) { return field.from.kind == Kind::kNumber; }

std::vector<DbfFieldDef> MakeTable(int release) {
    std::vector<DbfFieldDef> table;
    for (const AllPolygonsField& field : kFields) {
        const uint8_t width = field.widths[release];
        if (width > 0) table.push_back({field.names[release], IsNumberField(field) ? 'N' : 'C', width, 0});
    }
    table.push_back({nullptr, 0, 0, 0});
    return table;
}

const std::vector<DbfFieldDef>& Table(AllPolygonsRelease release) {
    static const std::vector<DbfFieldDef> tables[kAllPolygonsReleaseCount] = {
        MakeTable(0), MakeTable(1), MakeTable(2), MakeTable(3), MakeTable(4), MakeTable(5)};
    return tables[static_cast<int>(release)];
}

// The row a field's text is in; null when the side has none.
const char* SourceRow(const FieldSource& from, const PolygonSideRows& side) {
    switch (from.source) {
        case Source::kLineSide:
        case Source::kLine: return reinterpret_cast<const char*>(side.line);
        case Source::kTypeS: return reinterpret_cast<const char*>(side.s);
        case Source::kTypeA: return reinterpret_cast<const char*>(side.a);
        case Source::kType3: return reinterpret_cast<const char*>(side.line3);
        case Source::kType3WithTypeA: return side.a ? reinterpret_cast<const char*>(side.line3) : nullptr;
        case Source::kNone: break;
    }
    return nullptr;
}

bool Printable(char c) { return static_cast<unsigned char>(c) >= 0x20 && c != 0x7f; }

// The field's text in its row, at most `width` characters, up to the
// source's last column or its NUL, a control character as a blank; right-aligned
// fields blank-padded on the left.
std::string FieldText(const FieldSource& from, const char* at, size_t width) {
    std::string text;
    for (size_t i = 0; i < from.columns && text.size() < width && at[i] != '\0'; ++i)
        text += Printable(at[i]) ? at[i] : ' ';
    if (from.rightAligned) text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace

AllPolygonsRelease AllPolygonsReleaseOf(int editionCode) {
    switch (editionCode) {
        case 97: return AllPolygonsRelease::k97;
        case 98: return AllPolygonsRelease::k98;
        case 99: return AllPolygonsRelease::k99;
        case 102: return AllPolygonsRelease::k2000UrbanAreas;
        case 103: return AllPolygonsRelease::k2000Cd108;
        default: return AllPolygonsRelease::k2000;
    }
}

const DbfFieldDef* AllPolygonsFields(AllPolygonsRelease release) { return Table(release).data(); }

std::string AllPolygonsRow(AllPolygonsRelease release, const PolygonSideRows& side) {
    const int r = static_cast<int>(release);
    shapeio::DbfRecord row(AllPolygonsFields(release));
    for (const AllPolygonsField& field : kFields) {
        const size_t width = field.widths[r];
        if (width == 0) continue;
        const FieldSource& from = field.from;
        const char* base = SourceRow(from, side);
        const char* at = base ? base + (side.left ? from.offset : from.rightOffset) : nullptr;
        switch (from.kind) {
            case Kind::kText: row.Add(at ? FieldText(from, at, width) : std::string()); break;
            case Kind::kChar: row.Add(std::string(1, at && Printable(*at) ? *at : ' ')); break;
            case Kind::kNumber:
                if (from.source == Source::kLineSide) {
                    // POLYID: ten digits need more than 32 bits.
                    row.AddNumber(at ? std::strtoll(FieldText(from, at, width).c_str(), nullptr, 10) : 0LL);
                } else {
                    int value = 0;  // WATERFLAG
                    if (at) std::memcpy(&value, at, sizeof value);
                    row.AddNumber(static_cast<long long>(value));
                }
                break;
        }
    }
    return row.text();
}

}  // namespace vornak
