#pragma once

namespace vornak2 {

class ConversionDialog;

// Converts the county of `job` from its first record file to its end.
// False when the county ended on a failure: a stage gave up, or a record
// file the county cannot do without (types 1, 2 and I, and type T for the
// all-polygons layer) is missing.
bool ConvertCounty(ConversionDialog& job);

}  // namespace vornak2
