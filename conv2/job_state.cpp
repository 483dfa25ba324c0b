#include "conv2/job_state.h"

#include "conv2/conversion_dialog.h"

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
std::string gLogPath;
shapeio::RunRecord gRunRecord;
ConversionDialog* gCurrentJob = nullptr;
int gConversionStatus = 0;
std::string gUnzipFolder;

// The polygon layers make (and log) a merged layer's theme folder twice.
tigercore::CountyServices& Services() {
    static tigercore::CountyServices services(
        gLogFile, gConversionStatus, gCurrentJob, "QUORVEX",
        {gOutputDir, gScratchFolder, gOutputPrefix, gOrganisationMode, gCountyBaseName, gCountyCode, gLogPath,
         gClipWaterPolygons, gKmlLabelPoints, /*mergedFolderMakes=*/2, &gRunRecord});
    return services;
}

void WriteLogLine(const std::string& text) { Services().WriteLogLine(text); }

tigercore::ScratchFolder gScratchFolder;

}  // namespace vornak2
