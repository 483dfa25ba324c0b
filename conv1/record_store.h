// The county's record tables: one table, count and allocation mark per
// TIGER record type of the 1994-2000 editions, filled by the readers, and
// the water landmark table the water layer selects; all released by the
// driver.
#pragma once

#include "conv1/record_layouts.h"
#include "platform/files.h"
#include "tigercore/line_classes.h"
#include "tigercore/shape_points.h"

#include <array>
#include <vector>

namespace vornak {

// The tables, each sorted by its key once read (record_order.h); type C
// keeps the file order. A table holds exactly its count of rows.
extern std::vector<Type1Record> gType1Records;
extern std::vector<Type2Record> gType2Records;
// Where each line's rows of gType2Records start; forgotten whenever the
// table is read or released.
extern tigercore::ShapeRowIndex gType2Index;
extern std::vector<Type3Record> gType3Records;
extern std::vector<Type4Record> gType4Records;
extern std::vector<Type5Record> gType5Records;
extern std::vector<Type6Record> gType6Records;
extern std::vector<Type7Record> gType7Records;
extern std::vector<Type8Record> gType8Records;
extern std::vector<Type9Record> gType9Records;
extern std::vector<TypeARecord> gTypeARecords;
extern std::vector<TypeCRecord> gTypeCRecords;
extern std::vector<TypeIRecord> gTypeIRecords;
extern std::vector<TypeSRecord> gTypeSRecords;
extern std::vector<TypeZRecord> gTypeZRecords;
// The type 7 rows that name water bodies, in type 7 order (made by
// SelectWaterLandmarks, water_landmarks.h).
extern std::vector<Type7Record> gWaterLandmarkRecords;

// The type 1 table as the polygon stage reads it, once the line layers are
// done: each line's TLID and end points, sorted by TLID alone, so that row
// i is the line of row i of types 3 and I. The full table is then released.
extern std::vector<LineEnds> gLineEnds;

extern int gType1Count;
extern int gType2Count;
extern int gType3Count;
extern int gType4Count;
extern int gType5Count;
extern int gType6Count;
extern int gType7Count;
extern int gType8Count;
extern int gType9Count;
extern int gTypeACount;
extern int gTypeCCount;
extern int gTypeICount;
extern int gTypeSCount;
extern int gTypeZCount;
extern int gWaterLandmarkCount;

// Allocation marks: set to 1 by whoever obtains a table's storage; the
// driver releases the marked tables at the end of the county.
enum TableMark {
    kType1Table,
    kType2Table,
    kType3Table,
    kType4Table,
    kType5Table,
    kType6Table,
    kType7Table,
    kType8Table,
    kType9Table,
    kTypeATable,
    kTypeCTable,
    kTypeITable,
    kTypeSTable,
    kTypeZTable,
    kWaterLandmarkTable,
    kTableMarkCount
};
extern std::array<unsigned char, kTableMarkCount> gTableAllocated;

// Rows of each line class of the type 1 table (tigercore/line_classes.h).
extern std::array<int, tigercore::kLineClassCount> gCfccClassCounts;

// The largest RTSQ of the type 2 table.
extern int gMaxRtsq;
// Sides of voting district borders counted by the type 3 reader (releases
// before 100); the border step's landmark modes count into it later.
extern int gLandmarkBorderLineCount;
// Sides of tribal subdivision borders counted by the type 3 reader (100 on).
extern int gTribalSubdivisionBorderLineCount;

// The record file being read, opened by the driver; the reader closes it.
extern platform::FilePtr gRecordFile;
// The row being parsed.
extern int gRecordIndex;
// The scratch file of the type A rows (a.tmp), open during the polygon stage.
extern platform::FilePtr gTypeAScratchFile;

// Every table of the county to none, every count to 0, every mark cleared.
void ResetRecordStore();
// Releases every table (and closes a record file a failed reader left open).
void ReleaseRecordStore();
// Releases the type A table once its rows are in the scratch file; its
// count stays.
void ReleaseTypeARecords();
// Keeps of the type 1 table only its lines' ends (gLineEnds, sorted by TLID
// alone: the polygon stage's order) and releases the table; its count stays.
void KeepLineEndsByTlid();

}  // namespace vornak
