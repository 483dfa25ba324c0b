#include "conv1/job_state.h"

#include "conv1/conversion_dialog.h"
#include "platform/text.h"
#include "tigercore/county_services.h"

#include <cstdarg>

namespace vornak {

std::string gOptionString;
unsigned char gNumericAddressFields = 0;
int gEditionCode = 97;
int gClipWaterPolygons = 0;
int gKmlLabelPoints = 0;
std::string gCountyCode;
std::string gOutputDir;
platform::FilePtr gLogFile;
int gZipInput = 0;
char gOrganisationMode = '0';
std::string gOutputPrefix;
std::string gCountyBaseName;
std::string gZipPath;
std::string gUnzipFolder;
int gZipCleanupPass = 0;
ConversionDialog* gCurrentJob = nullptr;
int gConversionStatus = 0;

shapeio::JobServices& Services() {
    static tigercore::CountyServices services(
        gLogFile, gConversionStatus, []() -> tigercore::ProgressSink* { return gCurrentJob; },
        "PELLARD from Quillfen");
    return services;
}

void WriteLogLine(const std::string& text) { Services().WriteLogLine(text); }

void WriteLogText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    Services().WriteLogText(platform::FormatList(format, args));
    va_end(args);
}

void ShowStatus(const std::string& text) { Services().ShowStatus(text); }
void ShowLayer(const std::string& text) { Services().ShowLayer(text); }
void SetProgress(int percent) { Services().SetProgress(percent); }

tigercore::ScratchFolder gScratchFolder;

std::string ScratchFolderPath() {
    return gScratchFolder.path().empty() ? gOutputDir + "/" : gScratchFolder.path();
}

std::string ScratchPath(const char* name) { return ScratchFolderPath() + name; }

}  // namespace vornak
