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
void BuildVotingDistrict1990Polygons() {}
void BuildVotingDistrict2000Polygons() {}
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
void BuildTrafficAnalysisZonePolygons() {}
void BuildUrbanArea1990Polygons() {}
void BuildConsolidatedCity2000Polygons() {}
void BuildElementarySchoolDistrictPolygons() {}
void BuildMiddleSchoolDistrictPolygons() {}
void BuildSecondarySchoolDistrictPolygons() {}
void BuildUnifiedSchoolDistrictPolygons() {}
void BuildPlaceCurrentPolygons() {}
void BuildCountySubdivisionCurrentPolygons() {}
void BuildAmericanIndianAreaCurrentPolygons() {}
void BuildAnrcPolygons() {}
void ReportNoAnrcRecords() {}
void BuildWaterPolygons() {}
void BuildCmsaMsaPolygons() {}
void BuildPmsaPolygons() {}
void BuildCongressionalDistrictCurrentPolygons() {}
void BuildCongressionalDistrict106Polygons() {}
void BuildLowerChamberDistrictPolygons() {}
void BuildUpperChamberDistrictPolygons() {}
void BuildAits2000Polygons() {}
void BuildUrbanGrowthArea2000Polygons() {}
void BuildCollectionBlock2000Polygons() {}
void BuildCorrectedUrbanArea2000Polygons() {}
void BuildZcta2000Polygons() {}
void BuildPumaPolygons() {}
void BuildUrbanArea2000Polygons() {}
void BuildRedefinedUrbanArea1990Polygons() {}

}  // namespace vornak
