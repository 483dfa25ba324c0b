// The attribute fields of the all-polygons layer: every code the record
// files hold for one TIGER polygon (current geography, Census 2000, WATER,
// corrections and, from 2003 on, the economic census), as one table of
// fields with their names, source records and widths per edition, and the
// one filler of a polygon's row.
#pragma once

#include "conv2/record_layouts.h"
#include "shapeio/dbase.h"

#include <string>

namespace vornak2 {

enum class AllPolygonsEdition {
    k2002,                // edition 104
    k2003,                // edition 105 (2003 to 2005)
    k2003SecondEdition,   // edition 105, second editions: two correction fields renamed
    k2006SecondEdition,   // edition 106
};

// The edition's table for the current county.
AllPolygonsEdition CurrentAllPolygonsEdition();

// The field table of an edition, ended by an entry with a null name.
const shapeio::DbfFieldDef* AllPolygonsFields(AllPolygonsEdition edition);

// The records of one polygon; null where the polygon has none of the type.
struct PolygonRecords {
    const TypeARecord* a = nullptr;
    const TypeSRecord* s = nullptr;
    const TypePRecord* p = nullptr;  // looked up only for a polygon with a type S row
    const TypeBRecord* b = nullptr;
    const TypeERecord* e = nullptr;
};

// The attribute row of a polygon (the edition's record length): POLYID as a
// number, CENID, then every code of its records; the codes of a record the
// polygon lacks are blanks, WATER and COMREGEC 0.
std::string AllPolygonsRow(AllPolygonsEdition edition, const char* polyid, const char* cenid,
                           const PolygonRecords& records);

}  // namespace vornak2
