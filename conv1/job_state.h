// The job state of one county of the 1994-2000 editions: what Display
// copied and decoded from its arguments.
#pragma once

#include "platform/files.h"

#include <string>

namespace vornak {

extern std::string gInputPath;
extern std::string gOutputDir;       // output parent directory, no trailing '/'
extern std::string gOptionString;    // the 56-character options string
extern std::string gCountyBaseName;  // file title of the county's first record file
extern std::string gOutputPrefix;    // output folder of the county followed by '/'
extern int gEditionCode;             // 94, 95, 97-103
extern char gOrganisationMode;       // '0' by county, '1' one folder, '2' by theme, '3' by theme merged
extern int gKmlLabelPoints;
extern int gClipWaterPolygons;
extern unsigned char gNumericAddressFields;
extern platform::FilePtr gLogFile;

// Text straight to the county's log, with the line ends of its format.
void WriteLogText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace vornak
