#include "conv2/job_state.h"

#include "conv2/conversion_dialog.h"
#include "platform/text.h"
#include "tigercore/county_services.h"

#include <cstdarg>

namespace vornak2 {

unsigned char gNumericAddressFields = 0;
int gEditionCode = 106;
int gEditionYear = 2006;
unsigned char gSecondEdition = 1;
int gClipWaterPolygons = 0;
int gKmlLabelPoints = 0;
char gOrganisationMode = '0';
int gZipInput = 0;
std::string gOutputDir;
std::string gOutputPrefix;
std::string gCountyBaseName;
std::string gCountyCode;
platform::FilePtr gLogFile;
ConversionDialog* gCurrentJob = nullptr;
int gConversionStatus = 0;
std::string gUnzipFolder;

shapeio::JobServices& Services() {
    static tigercore::CountyServices services(
        gLogFile, gConversionStatus, []() -> tigercore::ProgressSink* { return gCurrentJob; }, "QUORVEX");
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
void ShowMessageBox(const std::string& text) { Services().ShowMessage(text); }

tigercore::ScratchFolder gScratchFolder;

std::string ScratchFolderPath() {
    return gScratchFolder.path().empty() ? gOutputDir + "/" : gScratchFolder.path();
}

std::string ScratchPath(const char* name) { return ScratchFolderPath() + name; }

}  // namespace vornak2
