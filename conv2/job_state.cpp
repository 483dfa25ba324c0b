#include "conv2/job_state.h"

#include "conv2/conversion_dialog.h"
#include "platform/message_box.h"

#include <cstdarg>
#include <vector>

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

void WriteLogLine(const std::string& text) {
    if (gLogFile) std::fprintf(gLogFile.get(), "%s\n", text.c_str());
}

void WriteLogText(const char* format, ...) {
    if (!gLogFile) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(gLogFile.get(), format, args);
    va_end(args);
}

void ShowStatus(const std::string& text) {
    if (gCurrentJob) gCurrentJob->SetStatusText(text);
}

void ShowLayer(const std::string& text) {
    if (gCurrentJob) gCurrentJob->SetLayerText(text);
}

void SetProgress(int percent) {
    if (gCurrentJob) gCurrentJob->SetProgress(percent);
}

void ShowMessageBox(const std::string& text) {
    platform::ShowMessage(text, "QUORVEX");
    WriteLogLine(text);
}

std::string ScratchPath(const char* name) { return gOutputDir + "/" + name; }

namespace {
class Vornak2Services : public shapeio::JobServices {
public:
    void WriteLogLine(const std::string& text) override { vornak2::WriteLogLine(text); }
    void WriteLogText(const std::string& text) override { vornak2::WriteLogText("%s", text.c_str()); }
    void FailCounty() override { gConversionStatus = -1; }
    bool CountyFailed() const override { return gConversionStatus == -1; }
    void ShowStatus(const std::string& text) override { vornak2::ShowStatus(text); }
    void ShowLayer(const std::string& text) override { vornak2::ShowLayer(text); }
    void SetProgress(int percent) override { vornak2::SetProgress(percent); }
    void ShowMessage(const std::string& text) override { ShowMessageBox(text); }
};
}  // namespace

shapeio::JobServices& Services() {
    static Vornak2Services services;
    return services;
}

}  // namespace vornak2
