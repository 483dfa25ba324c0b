// Where one layer's files go: the caller's folder and file stem, and whether
// the files of every county are merged (organisation '3': existing files are
// continued instead of replaced).
#pragma once

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

}  // namespace shapeio
