// Stages not built yet: they do nothing, so a county runs through them.
#include "conv2/stages.h"

namespace vornak2 {

void BuildConsolidatedCityCurrentPolygons() {}
void BuildCountySubdivisionCurrentPolygons() {}
void BuildSubbarrioCurrentPolygons() {}
void BuildPlaceCurrentPolygons() {}
void BuildElementarySchoolDistrictCurrentPolygons() {}
void BuildSecondarySchoolDistrictCurrentPolygons() {}
void BuildUnifiedSchoolDistrictCurrentPolygons() {}
void BuildCmsaMsaCurrentPolygons() {}
void BuildPmsaCurrentPolygons() {}
void BuildNecmaCurrentPolygons() {}
void BuildCongressionalDistrictCurrentPolygons() {}
void BuildZctaCurrentPolygons() {}
void BuildThreeDigitZctaCurrentPolygons() {}
void BuildCbsaCurrentPolygons() {}
void BuildCsaCurrentPolygons() {}
void BuildMetropolitanDivisionCurrentPolygons() {}
void BuildNectaCurrentPolygons() {}
void BuildCombinedNectaCurrentPolygons() {}
void BuildNectaDivisionCurrentPolygons() {}
void BuildUpperChamberDistrictCurrentPolygons() {}
void BuildLowerChamberDistrictCurrentPolygons() {}

}  // namespace vornak2
