#include "conv1/job_state.h"

#include <cstdarg>

namespace vornak {

std::string gInputPath;
std::string gOutputDir;
std::string gOptionString;
std::string gCountyBaseName;
std::string gOutputPrefix;
int gEditionCode = 97;
char gOrganisationMode = '0';
int gKmlLabelPoints = 0;
int gClipWaterPolygons = 0;
unsigned char gNumericAddressFields = 0;
platform::FilePtr gLogFile;

void WriteLogText(const char* format, ...) {
    if (!gLogFile) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(gLogFile.get(), format, args);
    va_end(args);
}

}  // namespace vornak
