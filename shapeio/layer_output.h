// Where one layer's files go: the caller's folder and file stem, and whether
// the files of every county are merged (organisation '3': existing files are
// continued instead of replaced).
#pragma once

#include "shapeio/job_services.h"

#include <string>

namespace shapeio {

struct LayerOutput {
    std::string folder;          // "" (current directory) or a path ending in '/'
    std::string fileStem;        // file name without extension
    char organisationMode = '0'; // '0' by county, '1' one folder, '2' by theme, '3' by theme merged

    bool Merged() const { return organisationMode == '3'; }
    // folder + stem + extension (the extension with its dot: ".shp").
    std::string Path(const std::string& extension) const { return folder + fileStem + extension; }
};

// The county's place for its layers: its output folder (ending in '/') and
// the organisation.
struct CountyOutput {
    std::string outputPrefix;
    char organisationMode = '0';
};

// The log line of a symbolic link found where an output goes.
std::string LinkRefusal(const std::string& link);
// Whether a symbolic link stands at the output `path`: it is refused,
// logged with LinkRefusal and the county failed.
bool RefusesLink(JobServices& services, const std::string& path);
// RefusesLink for a layer's file and its folder, which the program makes in
// the output folder.
bool RefusesLayerLink(JobServices& services, const std::string& path);

// Makes a folder and logs "directory <folder> created" or "... not created".
void MakeFolderLogged(JobServices& services, const std::string& folder);

// Where a layer goes by the organisation: the county's folder for '0' and
// '1'; for '2' and '3' the layer's theme folder under it, made and logged
// here (`folderMakes` times in '3'). The file is `countyStem` except in '3',
// where every county continues the file `mergedStem`.
LayerOutput PlaceLayerOutput(JobServices& services, const CountyOutput& county, const char* themeFolder,
                             const std::string& countyStem, const std::string& mergedStem, int folderMakes = 1);
// The file "<themeFolder>/<mergedStem><extension>" of the county's folder
// that every county continues in organisation '3' (PlaceLayerOutput), found
// without making anything.
std::string MergedLayerPath(const CountyOutput& county, const char* themeFolder, const std::string& mergedStem,
                            const char* extension);

}  // namespace shapeio
