#pragma once

namespace vornak {

class ConversionDialog;

// Converts one county: opens and reads each record file in a fixed order,
// runs the line stage and the polygon stage with their builders, releases
// the tables and writes "Finished" to the log.
void ConvertCounty(ConversionDialog& job);

}  // namespace vornak
