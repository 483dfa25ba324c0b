// The landmarks of the county that name water bodies: the type 7 rows whose
// feature class is hydrography, in type 7 order.
#pragma once

#include "conv2/record_layouts.h"

#include <vector>

namespace vornak2 {

extern std::vector<Type7Record> gWaterLandmarkRecords;
extern int gWaterLandmarkCount;

// Copies the type 7 rows whose CFCC starts with 'H' into the table.
void SelectWaterLandmarks();
// Empties the table (end of a county).
void ReleaseWaterLandmarks();

}  // namespace vornak2
