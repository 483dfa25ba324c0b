#pragma once

#include "tigercore/county_job.h"

namespace vornak2 {

// Converts one county of the 2002-2006 editions. Returns
// tigercore::kCountyFailed when nothing could be converted (no output
// directory, a log that cannot be opened, a missing type 1 file) or when the
// county was abandoned on the way (a record file it cannot do without is
// missing, or a stage gave up), else tigercore::kCountyConverted.
tigercore::DisplayEntry DisplayV2;

// The same for a county that the caller unpacked from `archivePath` itself:
// its record files are read under their own names beside `inputPath`, and
// the log and the outputs are named after the archive, as a call with the
// archive as `inputPath` names them. A null or empty `archivePath` is
// DisplayV2.
tigercore::UnpackedDisplayEntry DisplayV2Unpacked;

}  // namespace vornak2
