#include "shapeio/layer_output.h"

#include "platform/files.h"

namespace shapeio {

void MakeFolderLogged(JobServices& services, const std::string& folder) {
    if (platform::MakeDirectory(folder)) services.WriteLogText("directory " + folder + " created\n");
    else services.WriteLogText("directory " + folder + " not created\n");
}

LayerOutput PlaceLayerOutput(JobServices& services, const CountyOutput& county, const char* themeFolder,
                             const std::string& countyStem, const std::string& mergedStem, int folderMakes) {
    LayerOutput output;
    output.organisationMode = county.organisationMode;
    if (county.organisationMode == '2' || county.organisationMode == '3') {
        output.folder = county.outputPrefix + themeFolder + "/";
        const int makes = county.organisationMode == '3' ? folderMakes : 1;
        for (int i = 0; i < makes; ++i) MakeFolderLogged(services, output.folder);
        output.fileStem = county.organisationMode == '3' ? mergedStem : countyStem;
    } else {
        output.folder = county.outputPrefix;
        output.fileStem = countyStem;
    }
    return output;
}

}  // namespace shapeio
