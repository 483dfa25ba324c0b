#include "conv1/job_state.h"

#include "conv1/conversion_dialog.h"

namespace vornak {

std::string gOptionString;
unsigned char gNumericAddressFields = 0;
int gEditionCode = 97;
int gClipWaterPolygons = 0;
int gKmlLabelPoints = 0;
std::string gCountyCode;
std::string gOutputDir;
platform::FilePtr gLogFile;
std::string gLogPath;
shapeio::RunRecord gRunRecord;
int gZipInput = 0;
char gOrganisationMode = '0';
std::string gOutputPrefix;
std::string gCountyBaseName;
std::string gZipPath;
std::string gUnzipFolder;
int gZipCleanupPass = 0;
ConversionDialog* gCurrentJob = nullptr;
int gConversionStatus = 0;

// The polygon layers make a merged layer's theme folder once.
tigercore::CountyServices& Services() {
    static tigercore::CountyServices services(
        gLogFile, gConversionStatus, gCurrentJob, "PELLARD from Quillfen",
        {gOutputDir, gScratchFolder, gOutputPrefix, gOrganisationMode, gCountyBaseName, gCountyCode, gLogPath,
         gClipWaterPolygons, gKmlLabelPoints, /*mergedFolderMakes=*/1, &gRunRecord});
    return services;
}

void WriteLogLine(const std::string& text) { Services().WriteLogLine(text); }

tigercore::ScratchFolder gScratchFolder;

}  // namespace vornak
