// The exports of the library.
#include "conv2/display.h"
#include "exports/county_exports.h"

int DisplayV2(const char* inputPath, const char* outputDir, const char* options, int countyNumber, int countyCount) {
    return vornak2::DisplayV2(inputPath, outputDir, options, countyNumber, countyCount);
}

// A county unpacked from an archive by the caller, named after the archive.
int DisplayV2Unpacked(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
                      int countyCount, const char* archivePath) {
    return vornak2::DisplayV2Unpacked(inputPath, outputDir, options, countyNumber, countyCount, archivePath);
}
