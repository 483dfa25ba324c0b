#include "conv2/all_polygons_fields.h"

#include "conv2/job_state.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace vornak2 {

namespace {

using shapeio::DbfFieldDef;

// The record a code comes from.
enum class Source { kTypeA, kTypeS, kTypeP, kTypeB, kTypeE };
// How it is held there: a text of the record's width, one character, a number.
enum class Kind { kText, kChar, kNumber };

// Widths by edition family: 2002, 2003 to 2005, 2006; 0 where the edition
// has no such field.
struct Widths {
    uint8_t w2002, w2003, w2006;
};

struct AllPolygonsField {
    const char* name;
    const char* name2006;             // null: `name`
    const char* secondEditionName;    // 2003 to 2005 second editions; null: `name`
    Source source;
    size_t offset;  // of the field in the source record's row
    Kind kind;
    char type;      // dBASE type
    Widths widths;
};

constexpr Widths kAll1 = {1, 1, 1}, kAll2 = {2, 2, 2}, kAll3 = {3, 3, 3}, kAll4 = {4, 4, 4}, kAll5 = {5, 5, 5},
                 kAll6 = {6, 6, 6};
constexpr Widths k2002Only4 = {4, 0, 0};
constexpr Widths kFrom2003_1 = {0, 1, 1}, kFrom2003_2 = {0, 2, 2}, kFrom2003_3 = {0, 3, 3}, kFrom2003_5 = {0, 5, 5};
constexpr Widths k2006Only1 = {0, 0, 1}, k2006Only2 = {0, 0, 2}, k2006Only3 = {0, 0, 3}, k2006Only5 = {0, 0, 5};

#define TEXT(Row, src, field, name, widths) {name, nullptr, nullptr, src, offsetof(Row, field), Kind::kText, 'C', widths}
#define CHAR(Row, src, field, name, widths) {name, nullptr, nullptr, src, offsetof(Row, field), Kind::kChar, 'C', widths}
#define A_TEXT(field, name, widths) TEXT(TypeARecord, Source::kTypeA, field, name, widths)
#define S_TEXT(field, widths) TEXT(TypeSRecord, Source::kTypeS, field, #field, widths)
#define B_TEXT(field, widths) TEXT(TypeBRecord, Source::kTypeB, field, #field, widths)
#define E_TEXT(field, widths) TEXT(TypeERecord, Source::kTypeE, field, #field, widths)

// Every code field after POLYID and CENID, in row order.
const AllPolygonsField kFields[] = {
    // Current geography (type A, read back from the scratch file).
    A_TEXT(STATECU, "STATECU", kAll2),
    A_TEXT(COUNTYCU, "COUNTYCU", kAll3),
    {"TRACTCU", "TRACT", nullptr, Source::kTypeA, offsetof(TypeARecord, TRACTCU), Kind::kText, 'C', kAll6},
    {"BLOCKCU", "BLOCK", nullptr, Source::kTypeA, offsetof(TypeARecord, BLOCKCU), Kind::kText, 'C', kAll4},
    CHAR(TypeARecord, Source::kTypeA, BLOCKSUFCU, "BLOCKSUFCU", kAll1),
    A_TEXT(AIANHHFPCU, "AIANHHFPCU", kAll5),
    A_TEXT(AIANHHCU, "AIANHHCU", kAll4),
    CHAR(TypeARecord, Source::kTypeA, AIHHTLICU, "AIHHTLICU", kAll1),
    A_TEXT(ANRCCU, "ANRCCU", kAll5),
    A_TEXT(AITSCECU, "AITSCECU", kAll3),
    A_TEXT(AITSCU, "AITSCU", kAll5),
    A_TEXT(CONCITCU, "CONCITCU", kAll5),
    A_TEXT(COUSUBCU, "COUSUBCU", kAll5),
    A_TEXT(SUBMCDCU, "SUBMCDCU", kAll5),
    A_TEXT(PLACECU, "PLACECU", kAll5),
    A_TEXT(SDELMCU, "SDELMCU", kAll5),
    A_TEXT(SDSECCU, "SDSECCU", kAll5),
    A_TEXT(SDUNICU, "SDUNICU", kAll5),
    A_TEXT(MSACMASCU, "MSACMASCU", k2002Only4),
    A_TEXT(PMSACU, "PMSACU", k2002Only4),
    A_TEXT(NECMACU, "NECMACU", k2002Only4),
    A_TEXT(CDCU, "CDCU", kAll2),
    {"ZCTACU", "ZCTA5CU", nullptr, Source::kTypeA, offsetof(TypeARecord, ZCTA5CU), Kind::kText, 'C', kAll5},
    A_TEXT(ZCTA3CU, "ZCTA3CU", kAll3),
    A_TEXT(SLDUCU, "SLDUCU", k2006Only3),
    A_TEXT(SLDLCU, "SLDLCU", k2006Only3),
    A_TEXT(CBSACU, "CBSACU", kFrom2003_5),
    A_TEXT(CSACU, "CSACU", kFrom2003_3),
    A_TEXT(NECTACU, "NECTACU", kFrom2003_5),
    A_TEXT(CNECTACU, "CNECTACU", kFrom2003_3),
    A_TEXT(METDIVCU, "METDIVCU", kFrom2003_5),
    A_TEXT(NECTADIVCU, "NECTADIVCU", kFrom2003_5),
    A_TEXT(UACU, "UACU", k2006Only5),
    CHAR(TypeARecord, Source::kTypeA, URCU, "URCU", k2006Only1),
    // Census 2000 geography (type S).
    S_TEXT(STATE00, kAll2),
    S_TEXT(COUNTY00, kAll3),
    S_TEXT(TRACT00, kAll6),
    S_TEXT(BLOCK00, kAll4),
    CHAR(TypeSRecord, Source::kTypeS, BLKGRP00, "BLKGRP00", kAll1),
    S_TEXT(AIANHHFP00, kAll5),
    S_TEXT(AIANHH00, kAll4),
    CHAR(TypeSRecord, Source::kTypeS, AIHHTLI00, "AIHHTLI00", kAll1),
    S_TEXT(ANRC00, kAll5),
    S_TEXT(AITSCE00, kAll3),
    S_TEXT(AITS00, kAll5),
    S_TEXT(CONCIT00, kAll5),
    S_TEXT(COUSUB00, kAll5),
    S_TEXT(SUBMCD00, kAll5),
    S_TEXT(PLACE00, kAll5),
    S_TEXT(SDELM00, kAll5),
    S_TEXT(SDSEC00, kAll5),
    S_TEXT(SDUNI00, kAll5),
    S_TEXT(MSACMAS00, kAll4),
    S_TEXT(PMSA00, kAll4),
    S_TEXT(NECMA00, kAll4),
    S_TEXT(CD106, kAll2),
    S_TEXT(CD108, k2006Only2),
    S_TEXT(PUMA5, kAll5),
    S_TEXT(PUMA1, kAll5),
    S_TEXT(ZCTA00, kAll5),
    S_TEXT(ZCTA300, kAll3),
    S_TEXT(TAZ, kAll6),
    S_TEXT(UA, kAll5),
    CHAR(TypeSRecord, Source::kTypeS, UR, "UR", kAll1),
    S_TEXT(VTD, kAll6),
    S_TEXT(SLDU, kAll3),
    S_TEXT(SLDL, kAll3),
    S_TEXT(UGA, kAll5),
    // The polygon's water flag (type P).
    {"WATER", nullptr, nullptr, Source::kTypeP, offsetof(TypePRecord, WATER), Kind::kNumber, 'N', kAll1},
    // Corrections (type B).
    B_TEXT(STATECQ, kAll2),
    B_TEXT(COUNTYCQ, kAll3),
    B_TEXT(TRACTCQ, kAll6),
    B_TEXT(BLOCKCQ, (Widths{4, 5, 5})),
    B_TEXT(AIANHHFPCQ, kAll5),
    B_TEXT(AIANHHCQ, kAll4),
    CHAR(TypeBRecord, Source::kTypeB, AIHHTLICQ, "AIHHTLICQ", kAll1),
    B_TEXT(ANRCCQ, kAll5),
    B_TEXT(AITSCECQ, kAll3),
    B_TEXT(AITSCQ, kAll5),
    B_TEXT(CONCITCQ, kAll5),
    B_TEXT(COUSUBCQ, kAll5),
    B_TEXT(SUBMCDCQ, kAll5),
    B_TEXT(PLACECQ, kAll5),
    {"UACC", "RS_B2", "RS_B2", Source::kTypeB, offsetof(TypeBRecord, UACC), Kind::kText, 'C', kAll5},
    {"URCC", "RS_B3", "RS_B3", Source::kTypeB, offsetof(TypeBRecord, URCC), Kind::kChar, 'C', kAll1},
    // Economic census (type E), from 2003 on.
    E_TEXT(STATEEC, kFrom2003_2),
    E_TEXT(COUNTYEC, kFrom2003_3),
    E_TEXT(PLACEEC, kFrom2003_5),
    {"COMREGEC", nullptr, nullptr, Source::kTypeE, offsetof(TypeERecord, COMREGEC), Kind::kNumber, 'C', kFrom2003_1},
};

#undef TEXT
#undef CHAR
#undef A_TEXT
#undef S_TEXT
#undef B_TEXT
#undef E_TEXT

constexpr int kEditionCount = 4;

int Width(const AllPolygonsField& field, AllPolygonsEdition edition) {
    switch (edition) {
        case AllPolygonsEdition::k2002: return field.widths.w2002;
        case AllPolygonsEdition::k2006SecondEdition: return field.widths.w2006;
        default: return field.widths.w2003;
    }
}

const char* Name(const AllPolygonsField& field, AllPolygonsEdition edition) {
    if (edition == AllPolygonsEdition::k2006SecondEdition && field.name2006) return field.name2006;
    if (edition == AllPolygonsEdition::k2003SecondEdition && field.secondEditionName) return field.secondEditionName;
    return field.name;
}

std::vector<DbfFieldDef> MakeTable(AllPolygonsEdition edition) {
    std::vector<DbfFieldDef> table = {{"POLYID", 'N', 10, 0}, {"CENID", 'C', 5, 0}};
    for (const AllPolygonsField& field : kFields) {
        int width = Width(field, edition);
        if (width > 0) table.push_back({Name(field, edition), field.type, static_cast<uint8_t>(width), 0});
    }
    table.push_back({nullptr, 0, 0, 0});
    return table;
}

const std::vector<DbfFieldDef>& Table(AllPolygonsEdition edition) {
    static const std::vector<DbfFieldDef> tables[kEditionCount] = {
        MakeTable(AllPolygonsEdition::k2002), MakeTable(AllPolygonsEdition::k2003),
        MakeTable(AllPolygonsEdition::k2003SecondEdition), MakeTable(AllPolygonsEdition::k2006SecondEdition)};
    return tables[static_cast<int>(edition)];
}

const void* SourceRow(Source source, const PolygonRecords& records) {
    switch (source) {
        case Source::kTypeA: return records.a;
        case Source::kTypeS: return records.s;
        case Source::kTypeP: return records.p;
        case Source::kTypeB: return records.b;
        default: return records.e;
    }
}

}  // namespace

AllPolygonsEdition CurrentAllPolygonsEdition() {
    if (gEditionCode == 104) return AllPolygonsEdition::k2002;
    if (gEditionCode == 105)
        return gSecondEdition ? AllPolygonsEdition::k2003SecondEdition : AllPolygonsEdition::k2003;
    return AllPolygonsEdition::k2006SecondEdition;
}

const DbfFieldDef* AllPolygonsFields(AllPolygonsEdition edition) { return Table(edition).data(); }


std::string AllPolygonsRow(AllPolygonsEdition edition, const char* polyid, const char* cenid,
                           const PolygonRecords& records) {
    shapeio::DbfRecord row(AllPolygonsFields(edition));
    row.AddNumber(std::strtoll(polyid, nullptr, 10)).Add(cenid);
    for (const AllPolygonsField& field : kFields) {
        if (Width(field, edition) == 0) continue;
        const char* base = static_cast<const char*>(SourceRow(field.source, records));
        const char* at = base ? base + field.offset : nullptr;
        switch (field.kind) {
            case Kind::kText: row.Add(at ? at : ""); break;
            case Kind::kChar: {
                const char c = at && *at ? *at : ' ';
                row.Add(std::string_view(&c, 1));
                break;
            }
            case Kind::kNumber: {
                int value = 0;
                if (at) std::memcpy(&value, at, sizeof value);
                row.AddNumber(static_cast<long long>(value));
                break;
            }
        }
    }
    return row.text();
}

}  // namespace vornak2
