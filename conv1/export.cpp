// The exports of the library.
#include "conv1/display.h"
#include "exports/county_exports.h"

int Display(const char* inputPath, const char* outputDir, const char* options, int countyNumber, int countyCount) {
    return vornak::Display(inputPath, outputDir, options, countyNumber, countyCount);
}

// A second entry with the same arguments.
int Display2(const char* inputPath, const char* outputDir, const char* options, int countyNumber, int countyCount) {
    return Display(inputPath, outputDir, options, countyNumber, countyCount);
}

// A county unpacked from an archive by the caller, named after the archive.
int DisplayUnpacked(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
                    int countyCount, const char* archivePath) {
    return vornak::DisplayUnpacked(inputPath, outputDir, options, countyNumber, countyCount, archivePath);
}
