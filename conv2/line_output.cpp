#include "conv2/line_output.h"

#include "conv2/job_state.h"
#include "platform/files.h"

namespace vornak2 {

shapeio::LayerOutput PlaceLineOutput(const char* themeFolder, const std::string& countyStem,
                                     const std::string& mergedStem) {
    shapeio::LayerOutput output;
    output.organisationMode = gOrganisationMode;
    if (gOrganisationMode == '2' || gOrganisationMode == '3') {
        output.folder = gOutputPrefix + themeFolder + "/";
        if (platform::MakeDirectory(output.folder)) WriteLogText("directory %s created\n", output.folder.c_str());
        else WriteLogText("directory %s not created\n", output.folder.c_str());
        output.fileStem = gOrganisationMode == '3' ? mergedStem : countyStem;
    } else {
        output.folder = gOutputPrefix;
        output.fileStem = countyStem;
    }
    return output;
}

}  // namespace vornak2
