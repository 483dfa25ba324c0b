// The job state of one county of the 1994-2000 editions: decoded from the
// call's arguments by Display and read by every stage of the conversion.
#pragma once

#include "platform/files.h"
#include "tigercore/county_services.h"
#include "tigercore/scratch_folder.h"

#include <string>

namespace vornak {

class ConversionDialog;

extern std::string gOptionString;            // the options string of the call
extern unsigned char gNumericAddressFields;  // address ranges as N 11 instead of C 11
extern int gEditionCode;                     // the release: 94, 95, 97-103
extern int gClipWaterPolygons;
extern int gKmlLabelPoints;
extern std::string gCountyCode;  // state and county FIPS code
extern std::string gOutputDir;   // output parent directory, no trailing '/'
extern platform::FilePtr gLogFile;
extern std::string gLogPath;  // the path gLogFile was opened at
extern shapeio::RunRecord gRunRecord;  // this run of the county: options and input
extern int gZipInput;              // the input is a zip archive
extern char gOrganisationMode;     // '0' by county, '1' one folder, '2' by theme, '3' by theme merged
extern std::string gOutputPrefix;  // output folder of the county followed by '/'
extern std::string gCountyBaseName;
extern std::string gZipPath;      // the archive of a zipped county
extern std::string gUnzipFolder;  // where a zipped county is unpacked
extern int gZipCleanupPass;       // 1 while the unpacked files are listed for removal

extern ConversionDialog* gCurrentJob;
// 0 go on, -1 the county is abandoned, 1 to 7 an optional record file is missing.
extern int gConversionStatus;

// One message line of the log ("%s\n").
void WriteLogLine(const std::string& text);

// The county's private folder of scratch files, made when the county starts
// and removed when it ends.
extern tigercore::ScratchFolder gScratchFolder;

// This library's county as the shared code sees it: its log, status and
// progress dialog (the rest of its job services) and its job state.
tigercore::CountyServices& Services();

}  // namespace vornak
