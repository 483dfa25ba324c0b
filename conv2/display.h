#pragma once

namespace vornak2 {

// What a call returns: the county was converted, or it ended on a failure
// (its log says which).
constexpr int kCountyConverted = 0;
constexpr int kCountyFailed = 1;

// Converts one county of the 2002-2006 editions. Returns kCountyFailed when
// nothing could be converted (no output directory, a log that cannot be
// opened, a missing type 1 file) or when the county was abandoned on the
// way (a record file it cannot do without is missing, or a stage gave up).
int DisplayV2(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
              int countyCount);

// The same for a county that the caller unpacked from `archivePath` itself:
// its record files are read under their own names beside `inputPath`, and
// the log and the outputs are named after the archive, as a call with the
// archive as `inputPath` names them. A null or empty `archivePath` is
// DisplayV2.
int DisplayV2Unpacked(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
                      int countyCount, const char* archivePath);

}  // namespace vornak2
