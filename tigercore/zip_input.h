// A zipped county: its record files unpacked into a folder before the
// county is read, through the zip control of the county's dialog.
#pragma once

#include "platform/zip_control.h"
#include "shapeio/job_services.h"

#include <string>

namespace tigercore {

// Unpacks the members of `archive` that match `masks` ("\r"-separated) into
// `unzipFolder` (made when it is not there). Returns the path of the type 1
// file: the member whose name ends in `typeOneSuffix` (any case), under the
// name the archive holds, or `fallbackName` in the folder when there is
// none. "cound not find files to unzip" is shown when nothing matches, and
// every entry the control refuses is logged. A symbolic link where the
// folder goes is refused (logged): nothing is unpacked and the path is "".
std::string UnpackCounty(platform::ZipControl& zip, const std::string& archive, const std::string& unzipFolder,
                         const std::string& masks, const std::string& typeOneSuffix, const std::string& fallbackName,
                         shapeio::JobServices& services);

}  // namespace tigercore
