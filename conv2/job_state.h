// The job state of one county: decoded from the call's arguments by
// DisplayV2 and read by every stage of the conversion.
#pragma once

#include "platform/files.h"
#include "shapeio/job_services.h"
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

extern ConversionDialog* gCurrentJob;
extern int gConversionStatus;  // 0 go on, -1 the county is abandoned
extern std::string gUnzipFolder;

// One message line of the log ("%s\n").
void WriteLogLine(const std::string& text);
// Text straight to the log, with the line ends of its format.
void WriteLogText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Progress reporting through the current job's dialog.
void ShowStatus(const std::string& text);
void ShowLayer(const std::string& text);
void SetProgress(int percent);
// A message box of the library: standard error and the log; never blocks.
void ShowMessageBox(const std::string& text);

// The county's private folder of scratch files, made when the county starts
// and removed when it ends.
extern tigercore::ScratchFolder gScratchFolder;
// The folder of the scratch files followed by '/' (the output parent
// directory when no county has made its own, as when a stage is called by
// itself) and the path of a scratch file (dbf.tmp, pts.tmp, ..., a.tmp).
std::string ScratchFolderPath();
std::string ScratchPath(const char* name);

// This library's job state as the shared writers see it.
shapeio::JobServices& Services();

}  // namespace vornak2
