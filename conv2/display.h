#pragma once

namespace vornak2 {

// Converts one county of the 2002-2006 editions; always returns 0 (the log
// file tells how the county went).
int DisplayV2(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
              int countyCount);

}  // namespace vornak2
