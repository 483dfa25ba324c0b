// Stages not built yet: they do nothing, so a county runs through them.
#include "conv2/stages.h"

namespace vornak2 {

void BuildCounty2000Polygons() {}
void BuildTract2000Polygons() {}
void BuildBlockGroup2000Polygons() {}
void BuildBlock2000Polygons() {}
void BuildAmericanIndianArea2000Polygons() {}
void BuildAnrc2000Polygons() {}
void BuildAits2000Polygons() {}
void BuildConsolidatedCity2000Polygons() {}
void BuildCountySubdivision2000Polygons() {}
void BuildSubbarrio2000Polygons() {}
void BuildPlace2000Polygons() {}
void BuildElementarySchoolDistrict2000Polygons() {}
void BuildSecondarySchoolDistrict2000Polygons() {}
void BuildUnifiedSchoolDistrict2000Polygons() {}
void BuildCmsaMsa2000Polygons() {}
void BuildPmsa2000Polygons() {}
void BuildNecma2000Polygons() {}
void BuildCongressionalDistrict106Polygons() {}
void BuildCongressionalDistrict108Polygons() {}
void BuildPuma5PercentPolygons() {}
void BuildPuma1PercentPolygons() {}
void BuildZcta2000Polygons() {}
void BuildThreeDigitZcta2000Polygons() {}
void BuildTrafficAnalysisZonePolygons() {}
void BuildUrbanArea2000Polygons() {}
void BuildUrbanAreaCurrentPolygons() {}
void BuildVotingDistrict2000Polygons() {}
void BuildUpperChamberDistrictPolygons() {}
void BuildLowerChamberDistrictPolygons() {}
void BuildUrbanGrowthArea2000Polygons() {}

}  // namespace vornak2
