// Stages whose work is not part of the library yet: each does nothing, so
// that the driver runs every gate and message of its own.
#include "conv1/stages.h"

namespace vornak {

void BuildVotingDistrict1990Polygons() {}
void BuildVotingDistrict2000Polygons() {}
void BuildTrafficAnalysisZonePolygons() {}
void BuildUrbanArea1990Polygons() {}
void BuildElementarySchoolDistrictPolygons() {}
void BuildMiddleSchoolDistrictPolygons() {}
void BuildSecondarySchoolDistrictPolygons() {}
void BuildUnifiedSchoolDistrictPolygons() {}
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

}  // namespace vornak
