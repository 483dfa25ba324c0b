#pragma once

namespace vornak {

// Converts one county of the 1994-2000 editions: copies its arguments,
// opens the county's log in the output directory, makes the output folder
// of the organisation and shows its progress dialog; always returns 0.
int Display(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
            int countyCount);

}  // namespace vornak
