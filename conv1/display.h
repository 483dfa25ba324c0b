#pragma once

namespace vornak {

// Converts one county of the 1994-2000 editions: decodes the options,
// names the county, opens its log in the output directory, makes the output
// folder of the organisation, shows the progress dialog and runs the county
// driver. Always returns 0; a log that cannot be opened is said on standard
// error and nothing is converted.
int Display(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
            int countyCount);

}  // namespace vornak
