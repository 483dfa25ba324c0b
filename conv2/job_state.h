// The job state of one county: decoded from the call's arguments by
// DisplayV2 and read by every stage of the conversion.
#pragma once

#include "platform/files.h"
#include "tigercore/county_services.h"
#include "tigercore/scratch_folder.h"

#include <string>

namespace vornak2 {

class ConversionDialog;

extern unsigned char gNumericAddressFields;  // address ranges as N 11 instead of C 11
extern int gEditionCode;                     // 104 (2002), 105 (2003-2005), 106 (2006)
extern int gEditionYear;                     // 2002, 2003, 2004 or 2006
extern unsigned char gSecondEdition;         // 1 for the second editions
extern int gClipWaterPolygons;
extern int gKmlLabelPoints;
extern char gOrganisationMode;  // '0' by county, '1' one folder, '2' by theme, '3' by theme merged
extern int gZipInput;           // the input is a zip archive
extern std::string gOutputDir;     // output parent directory, no trailing '/'
extern std::string gOutputPrefix;  // output folder of the county followed by '/'
extern std::string gCountyBaseName;
extern std::string gCountyCode;  // state and county FIPS code
extern platform::FilePtr gLogFile;
extern std::string gLogPath;  // the path gLogFile was opened at
extern shapeio::RunRecord gRunRecord;  // this run of the county: options and input

extern ConversionDialog* gCurrentJob;
extern int gConversionStatus;  // 0 go on, -1 the county is abandoned
extern std::string gUnzipFolder;

// One message line of the log ("%s\n").
void WriteLogLine(const std::string& text);

// The county's private folder of scratch files, made when the county starts
// and removed when it ends.
extern tigercore::ScratchFolder gScratchFolder;

// This library's county as the shared code sees it: its log, status and
// progress dialog (the rest of its job services) and its job state.
tigercore::CountyServices& Services();

}  // namespace vornak2
