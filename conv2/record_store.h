// The county's record tables: one table, count and allocation mark per
// TIGER record type, filled by the readers and released by the driver.
#pragma once

#include "platform/files.h"

namespace vornak2 {

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

// The largest RTSQ of the type 2 table.
extern int gMaxRtsq;

// The record file being read, opened by the driver.
extern platform::FilePtr gRecordFile;

// Every table of the county to none, every count to 0, every mark cleared.
void ResetRecordStore();
// Releases the tables whose marks are set (and the type M table), closes a
// record file a failed reader left open.
void ReleaseRecordStore();
// Sorts the type 1 table by TLID alone (the polygon stage's order).
void SortType1ByTlid();

}  // namespace vornak2

namespace vornak2 {

// Scratch file of the type A rows, open during the polygon stage.
extern platform::FilePtr gTypeAScratchFile;

}  // namespace vornak2
