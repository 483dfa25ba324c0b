#pragma once

namespace vornak {

class ConversionDialog;

// Converts one county: opens and reads each record file in a fixed order,
// runs the line stage and the polygon stage with their builders, releases
// the tables and writes "Finished" to the log. False when the county ended
// on a failure: a stage gave up, or its type 1 or type 2 file is missing (a
// missing file of another type only drops what needs it).
bool ConvertCounty(ConversionDialog& job);

}  // namespace vornak
