#pragma once

namespace vornak {

// Converts one county of the 1994-2000 editions; always returns 0.
int Display(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
            int countyCount);

}  // namespace vornak
