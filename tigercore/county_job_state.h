// A library's county job state as the shared frames read it: the globals
// the library keeps it in, bound once by the library (with its services,
// tigercore/county_services.h) and read whenever a frame needs them.
#pragma once

#include "shapeio/job_services.h"
#include "tigercore/scratch_folder.h"

#include <string>

namespace tigercore {

struct CountyJobState {
    const std::string& outputDir;  // the output parent directory, no trailing '/'
    const ScratchFolder& scratchFolder;
    const std::string& outputPrefix;  // the county's output folder followed by '/'
    const char& organisationMode;
    const std::string& countyBaseName;
    const std::string& countyCode;
    const std::string& logPath;  // the county's log
    const int& clipWaterPolygons;
    const int& kmlLabelPoints;
    // How often the library makes (and logs) a merged layer's theme folder.
    int mergedFolderMakes;
    // This run of the county (options and input); null: not kept.
    const shapeio::RunRecord* runRecord = nullptr;
};

// The folder of the county's scratch files followed by '/': its own, or the
// output parent directory when no county has made one (as when a stage is
// called by itself).
std::string ScratchFolderPath(const CountyJobState& state);

}  // namespace tigercore
