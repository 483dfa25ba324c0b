// The landmarks of the county that name water bodies: the type 7 rows whose
// feature class is hydrography, in type 7 order.
#pragma once

#include "conv1/record_layouts.h"

#include <vector>

namespace vornak {

extern std::vector<Type7Record> gWaterLandmarkRecords;
extern int gWaterLandmarkCount;

// Copies the type 7 rows whose CFCC starts with 'H' into the table (marked
// allocated); with no type 7 rows the table and its count stay as they are.
// When the room cannot be had the table stays empty (count 0).
void SelectWaterLandmarks();
// Empties the table (end of a county).
void ReleaseWaterLandmarks();

}  // namespace vornak
