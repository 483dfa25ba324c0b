#pragma once

#include "tigercore/county_job.h"

namespace vornak {

// Converts one county of the 1994-2000 editions: decodes the options,
// names the county, opens its log in the output directory, makes the output
// folder of the organisation, shows the progress dialog and runs the county
// driver. Returns tigercore::kCountyFailed when nothing could be converted
// (no output directory, a log that cannot be opened, a missing type 1 file)
// or when the county was abandoned on the way (its type 2 file is missing,
// or a stage gave up), else tigercore::kCountyConverted.
tigercore::DisplayEntry Display;

// The same for a county that the caller unpacked from `archivePath` itself:
// its record files are read under their own names beside `inputPath`, and
// the log and the outputs are named after the archive, as a call with the
// archive as `inputPath` names them. A null or empty `archivePath` is
// Display.
tigercore::UnpackedDisplayEntry DisplayUnpacked;

}  // namespace vornak
