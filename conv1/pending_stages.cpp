// Stages whose work is not part of the library yet: each does nothing, so
// that the driver runs every gate and message of its own.
#include "conv1/stages.h"

namespace vornak {

void BuildVotingDistrict1990Polygons() {}
void BuildVotingDistrict2000Polygons() {}
void BuildCounty1990Polygons() {}
void BuildCountyCurrentPolygons() {}
void BuildTract1990Polygons() {}
void BuildTract2000Polygons() {}
void BuildBlockGroup1990Polygons() {}
void BuildBlockGroup2000Polygons() {}
void BuildBlock1990Polygons() {}
void BuildBlock2000Polygons() {}
void BuildCountySubdivision1990Polygons() {}
void BuildTrafficAnalysisZonePolygons() {}
void BuildUrbanArea1990Polygons() {}
void BuildElementarySchoolDistrictPolygons() {}
void BuildMiddleSchoolDistrictPolygons() {}
void BuildSecondarySchoolDistrictPolygons() {}
void BuildUnifiedSchoolDistrictPolygons() {}
void BuildCountySubdivisionCurrentPolygons() {}
void BuildAnrcPolygons() {}
void ReportNoAnrcRecords() {}
void BuildCmsaMsaPolygons() {}
void BuildPmsaPolygons() {}
void BuildCongressionalDistrictCurrentPolygons() {}
void BuildCongressionalDistrict106Polygons() {}
void BuildLowerChamberDistrictPolygons() {}
void BuildUpperChamberDistrictPolygons() {}
void BuildAits2000Polygons() {}
void BuildZcta2000Polygons() {}
void BuildPumaPolygons() {}
void BuildUrbanArea2000Polygons() {}
void BuildAllPolygonsTiger97() {}
void BuildAllPolygonsTiger98() {}
void BuildAllPolygonsDressRehearsal() {}
void BuildAllPolygonsTiger2000() {}
void BuildAllPolygonsTiger2000UrbanAreas() {}
void BuildAllPolygonsTiger2000Cd108() {}

}  // namespace vornak
