#include "shapeio/layer_output.h"

#include "platform/files.h"
#include "platform/paths.h"

namespace shapeio {

std::string LinkRefusal(const std::string& link) {
    return "Refused the symbolic link " + link + " where an output goes: it is not followed";
}

bool RefusesLink(JobServices& services, const std::string& path) {
    if (!platform::IsSymbolicLink(path)) return false;
    services.WriteLogLine(LinkRefusal(path));
    services.FailCounty();
    return true;
}

bool RefusesLayerLink(JobServices& services, const std::string& path) {
    const std::string folder = platform::FolderOfPath(path);
    return (!folder.empty() && RefusesLink(services, folder)) || RefusesLink(services, path);
}

void MakeFolderLogged(JobServices& services, const std::string& folder) {
    if (platform::MakeDirectory(folder)) services.WriteLogText("directory " + folder + " created\n");
    else services.WriteLogText("directory " + folder + " not created\n");
}

std::string MergedLayerPath(const CountyOutput& county, const char* themeFolder, const std::string& mergedStem,
                            const char* extension) {
    return county.outputPrefix + themeFolder + "/" + mergedStem + extension;
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
