/* The exports of the two conversion libraries, as their callers see them:
 * vornak2 converts one county of the 2002-2006 editions per call (DisplayV2),
 * vornak one of the 1994-2000 editions (Display, and Display2, which only
 * forwards to it). The arguments: the county's first record file or a .zip
 * holding it, the output parent directory, the options string (86 characters
 * for DisplayV2, 56 for Display), and the county's number and the job's count
 * for "Processing county %d of %d". The Unpacked entries take a county that
 * the caller unpacked from an archive, and the archive's path, after which
 * the outputs are named. Each returns 0 when the county was converted and 1
 * when it ended on a failure. */
#ifndef PELLARD_COUNTY_EXPORTS_H
#define PELLARD_COUNTY_EXPORTS_H

#if defined(__GNUC__)
#define PELLARD_EXPORT __attribute__((visibility("default")))
#else
#define PELLARD_EXPORT
#endif

/* A county whose record files may not be of the edition it was converted as
 * has a line in its log that starts with this text and says why. */
#define PELLARD_EDITION_CHOSEN "Edition chosen: "

#ifdef __cplusplus
extern "C" {
#endif

/* The shapes of the entries, for callers that bind them at run time. */
typedef int (*CountyEntry)(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
                           int countyCount);
typedef int (*UnpackedCountyEntry)(const char* inputPath, const char* outputDir, const char* options,
                                   int countyNumber, int countyCount, const char* archivePath);

/* vornak2 */
PELLARD_EXPORT int DisplayV2(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
                             int countyCount);
PELLARD_EXPORT int DisplayV2Unpacked(const char* inputPath, const char* outputDir, const char* options,
                                     int countyNumber, int countyCount, const char* archivePath);

/* vornak */
PELLARD_EXPORT int Display(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
                           int countyCount);
PELLARD_EXPORT int Display2(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
                            int countyCount);
PELLARD_EXPORT int DisplayUnpacked(const char* inputPath, const char* outputDir, const char* options,
                                   int countyNumber, int countyCount, const char* archivePath);

#ifdef __cplusplus
}
#endif

#endif
