// The two conversion libraries as GO reaches them: one entry per edition
// family, each taking inputPath, outputDir, options, countyNumber and
// countyCount. The program binds them to the exports DisplayV2 of vornak2
// and Display of vornak; a test may bind them to anything of that shape.
#pragma once

namespace frontend {

using CountyEntry = int (*)(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
                            int countyCount);

struct LibraryEntries {
    CountyEntry displayV2 = nullptr;  // the 2002-2006 editions
    CountyEntry display = nullptr;    // the 1994-2000 editions
};

// The process-wide table GO calls through.
LibraryEntries& Libraries();

}  // namespace frontend
