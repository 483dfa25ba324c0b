// A zipped county: its record files unpacked into a folder before the
// county is read, through the zip control of the county's dialog.
#pragma once

#include "platform/folder_lock.h"
#include "platform/zip_control.h"
#include "shapeio/job_services.h"

#include <string>

namespace tigercore {

struct UnpackedCounty {
    // The type 1 file: the member whose name ends in the type 1 suffix (any
    // case), under the name the archive holds, or the fallback name.
    std::string typeOnePath;
    // The archive could not be listed or unpacked whole (a damaged or
    // refused member, two members of one name): the county is not
    // converted.
    bool failed = false;
};

// Unpacks the members of `archive` that match `masks` ("\r"-separated) into
// `unzipFolder` (made when it is not there), which `hold` holds from then on
// against other jobs (the caller lets go once it has removed what was
// unpacked); a job that had to wait for another says so in the log. Each
// file an earlier job of the county left there is removed before the
// unpacking and logged (ZipControl::RemoveLeftovers). "cound not find files
// to unzip" is shown when nothing matches (the county goes on and fails at
// its first record file), and every entry the control refuses is logged. A
// symbolic link where the folder goes is refused (logged): nothing is
// unpacked and the county is not converted.
UnpackedCounty UnpackCounty(platform::ZipControl& zip, const std::string& archive, const std::string& unzipFolder,
                            const std::string& masks, const std::string& typeOneSuffix,
                            const std::string& fallbackName, platform::FolderLock& hold,
                            shapeio::JobServices& services);

}  // namespace tigercore
