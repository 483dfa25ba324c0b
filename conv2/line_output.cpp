#include "conv2/line_output.h"

#include "conv2/job_state.h"

namespace vornak2 {

shapeio::LayerOutput PlaceLineOutput(const char* themeFolder, const std::string& countyStem,
                                     const std::string& mergedStem) {
    return shapeio::PlaceLayerOutput(Services(), {gOutputPrefix, gOrganisationMode}, themeFolder, countyStem,
                                     mergedStem);
}

}  // namespace vornak2
