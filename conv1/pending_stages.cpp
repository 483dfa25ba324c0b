// Stages whose work is not part of the library yet: each does nothing, so
// that the driver runs every gate and message of its own.
#include "conv1/stages.h"

namespace vornak {

void ReadType1Records() {}
void ReadType2Records() {}
void ReadType3Records() {}
void ReadType4Records() {}
void ReadType5Records() {}
void ReadType6Records() {}
void ReadType7Records() {}
void ReadType8Records() {}
void ReadType9Records() {}
void ReadTypeARecords() {}
void ReadTypeCRecords() {}
void ReadTypeIRecords() {}
void ReadTypeSRecords() {}
void ReadTypeZRecords() {}
void BuildKeyGeographicLocationPolygons() {}
void WriteKeyGeographicLocationAddressTable() {}
void BuildLandmarkPolygons() {}
void BuildCounty1990Polygons() {}
void BuildCountyCurrentPolygons() {}
void BuildTract1990Polygons() {}
void BuildTract2000Polygons() {}
void BuildBlockGroup1990Polygons() {}
void BuildBlockGroup2000Polygons() {}
void BuildBlock1990Polygons() {}
void BuildBlock2000Polygons() {}
void BuildPlace1990Polygons() {}
void BuildCountySubdivision1990Polygons() {}
void BuildAmericanIndianArea1990Polygons() {}
void BuildConsolidatedCity2000Polygons() {}
void BuildPlaceCurrentPolygons() {}
void BuildCountySubdivisionCurrentPolygons() {}
void BuildAmericanIndianAreaCurrentPolygons() {}
void BuildWaterPolygons() {}
void BuildUrbanGrowthArea2000Polygons() {}
void BuildCollectionBlock2000Polygons() {}
void BuildCorrectedUrbanArea2000Polygons() {}
void BuildRedefinedUrbanArea1990Polygons() {}
void BuildAllPolygonsTiger97() {}
void BuildAllPolygonsTiger98() {}
void BuildAllPolygonsDressRehearsal() {}
void BuildAllPolygonsTiger2000() {}
void BuildAllPolygonsTiger2000UrbanAreas() {}
void BuildAllPolygonsTiger2000Cd108() {}

}  // namespace vornak
