// The county's record tables: one table, count and allocation mark per
// TIGER record type, filled by the readers and released by the driver.
#pragma once

#include "conv2/record_layouts.h"
#include "platform/files.h"
#include "tigercore/line_classes.h"
#include "tigercore/shape_points.h"

#include <array>
#include <vector>

namespace vornak2 {

// The tables, each sorted by its key once read (record_order.h); type C
// keeps the file order. A table holds exactly its count of rows.
extern std::vector<Type1Record> gType1Records;
extern std::vector<Type2Record> gType2Records;
// Where each line's rows of gType2Records start; forgotten whenever the
// table is read or released.
extern tigercore::ShapeRowIndex gType2Index;
extern std::vector<TypeIRecord> gTypeIRecords;
extern std::vector<Type4Record> gType4Records;
extern std::vector<Type5Record> gType5Records;
extern std::vector<Type6Record> gType6Records;
extern std::vector<TypeTRecord> gTypeTRecords;
extern std::vector<TypeURecord> gTypeURecords;
extern std::vector<TypeZRecord> gTypeZRecords;
extern std::vector<TypeCRecord> gTypeCRecords;
extern std::vector<TypeARecord> gTypeARecords;
extern std::vector<TypeSRecord> gTypeSRecords;
extern std::vector<TypePRecord> gTypePRecords;
extern std::vector<TypeBRecord> gTypeBRecords;
extern std::vector<Type7Record> gType7Records;
extern std::vector<Type8Record> gType8Records;
extern std::vector<TypeERecord> gTypeERecords;
extern std::vector<TypeMRecord> gTypeMRecords;

extern int gType1Count;
extern int gType2Count;
extern int gTypeICount;
extern int gType4Count;
extern int gType5Count;
extern int gType6Count;
extern int gTypeTCount;
extern int gTypeUCount;
extern int gTypeZCount;
extern int gTypeCCount;
extern int gTypeACount;
extern int gTypeSCount;
extern int gTypePCount;
extern int gTypeBCount;
extern int gType7Count;
extern int gType8Count;
extern int gTypeECount;
extern int gTypeMCount;

// Allocation marks: set to 1 by whoever obtains a table's storage; the
// driver releases the marked tables at the end of the county. The type M
// table has no mark and is released all the same.
enum TableMark {
    kType1Table,
    kType2Table,
    kTypeITable,
    kType4Table,
    kType5Table,
    kType6Table,
    kTypeTTable,
    kTypeUTable,
    kTypeZTable,
    kTypeCTable,
    kTypeATable,
    kTypeSTable,
    kTypePTable,
    kTypeBTable,
    kType7Table,
    kType8Table,
    kTypeETable,
    kTableMarkCount
};
extern std::array<unsigned char, kTableMarkCount> gTableAllocated;

// Line classes of the type 1 table, in the order A, B, C, D, E, F, H, X.
// Class A counts CFCC letters A and P, class F letters F and G.
extern std::array<int, tigercore::kLineClassCount> gCfccClassCounts;

// The largest RTSQ of the type 2 table.
extern int gMaxRtsq;

// The record file being read, opened by the driver; the reader closes it.
extern platform::FilePtr gRecordFile;
// The row being parsed.
extern int gRecordIndex;

// Every table of the county to none, every count to 0, every mark cleared.
void ResetRecordStore();
// Releases the tables whose marks are set (and the type M table), closes a
// record file a failed reader left open, and sets every count to 0.
void ReleaseRecordStore();
// Releases the type A table (once its rows are in the scratch file) and
// clears its mark; its count stays.
void ReleaseTypeARecords();
// Sorts the type 1 table by TLID alone (the polygon stage's order).
void SortType1ByTlid();

}  // namespace vornak2

namespace vornak2 {

// Scratch file of the type A rows, open during the polygon stage.
extern platform::FilePtr gTypeAScratchFile;

}  // namespace vornak2
