// The two conversion libraries as GO reaches them: per edition family, the
// entry for a county's first record file (inputPath, outputDir, options,
// countyNumber, countyCount) and the entry for a county GO unpacked from an
// archive (the same and the archive's path, after which the outputs are
// named). Each returns 0 when the county was converted and non-zero when it
// ended on a failure. The program binds them to the exports DisplayV2 and
// DisplayV2Unpacked of vornak2 and Display and DisplayUnpacked of vornak; a
// test may bind them to anything of that shape.
#pragma once

#include "exports/county_exports.h"

namespace frontend {

struct LibraryEntries {
    CountyEntry displayV2 = nullptr;  // the 2002-2006 editions
    CountyEntry display = nullptr;    // the 1994-2000 editions
    UnpackedCountyEntry displayV2Unpacked = nullptr;
    UnpackedCountyEntry displayUnpacked = nullptr;
};

// The process-wide table GO calls through.
LibraryEntries& Libraries();

}  // namespace frontend
