// The attribute fields of the all-polygons layer of the 1994-2000 editions:
// the codes of one TIGER polygon from the rows of one side of a line (its
// type S row, its type A row read back from the scratch file, the line's
// type 3 and type I rows), as one table of fields with their names, sources
// and widths per release, and the one filler of a polygon's row.
#pragma once

#include "conv1/record_layouts.h"
#include "shapeio/dbase.h"

#include <string>

namespace vornak {

// The releases that have a table of their own (101 has the table of 100).
enum class AllPolygonsRelease {
    k97,
    k98,
    k99,               // the 2000 dress rehearsal
    k2000,             // 100 and 101
    k2000UrbanAreas,   // 102
    k2000Cd108,        // 103
};
constexpr int kAllPolygonsReleaseCount = 6;

// The table of a release code (97 to 103).
AllPolygonsRelease AllPolygonsReleaseOf(int editionCode);

// The field table of a release, ended by an entry with a null name.
const shapeio::DbfFieldDef* AllPolygonsFields(AllPolygonsRelease release);

// The rows of one side of a line; null where the side has none of the type.
struct PolygonSideRows {
    const TypeIRecord* line = nullptr;   // the line: the side's POLYID and CENID, the file's state and county
    const Type3Record* line3 = nullptr;  // the line's type 3 row
    const TypeARecord* a = nullptr;
    const TypeSRecord* s = nullptr;
    bool left = true;  // the side: left or right columns of the type I and type 3 rows
};

// The attribute row of the polygon on one side (the release's record
// length): POLYID as a number, CENID, then every code of the side's rows.
// The codes of a row the side lacks are blanks (WATERFLAG 0); no field
// holds a NUL or another control character.
std::string AllPolygonsRow(AllPolygonsRelease release, const PolygonSideRows& side);

}  // namespace vornak
