// Where a line layer or road table of the county goes, by the output
// organisation: the county's folder for '0' and '1', the theme folder for
// '2' and '3' (made here, with its log line), and a file stem with the
// county's base name except in '3', where every county shares one file.
#pragma once

#include "shapeio/layer_output.h"

#include <string>

namespace vornak2 {

// `countyStem` names the file in organisations '0' to '2', `mergedStem` in '3'.
shapeio::LayerOutput PlaceLineOutput(const char* themeFolder, const std::string& countyStem,
                                     const std::string& mergedStem);

}  // namespace vornak2
