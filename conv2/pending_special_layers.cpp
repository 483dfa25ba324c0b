// Stages not built yet: they do nothing, so a county runs through them.
#include "conv2/stages.h"

namespace vornak2 {

void BuildCorrectionPolygons() {}
void BuildLandmarkPolygons() {}
void BuildWaterPolygons() {}
void BuildCountyEconomicCensusPolygons() {}
void BuildPlaceEconomicCensusPolygons() {}
void BuildCommercialRegionPolygons() {}
void BuildAllPolygonsTiger2002() {}
void BuildAllPolygonsTiger2003() {}
void BuildAllPolygonsTiger2006SecondEdition() {}

}  // namespace vornak2
