// The landmark tables beside the landmark polygon layer, which writes them
// once its document is written: "lpy2" of the type 7 rows that repeat a
// landmark number, "lpy3" of the type 8 rows that repeat a polygon. A table
// of fewer than two rows writes nothing.
#pragma once

namespace vornak {

void WriteLandmarkFeatureTable();
void WritePolygonLandmarkLinkTable();

}  // namespace vornak
