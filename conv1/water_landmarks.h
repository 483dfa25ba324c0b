// The landmarks of the county that name water bodies: the type 7 rows whose
// feature class is hydrography, in type 7 order, kept in the record store's
// water landmark table (record_store.h).
#pragma once

namespace vornak {

// Copies the type 7 rows whose CFCC starts with 'H' into the table (marked
// allocated); with no type 7 rows the table and its count stay as they are.
// When the room cannot be had the table stays empty (count 0). The record
// store empties it at the end of the county.
void SelectWaterLandmarks();

}  // namespace vornak
