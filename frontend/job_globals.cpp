#include "frontend/job_globals.h"

namespace frontend {

int gCurrentEdition = 0;
int gSetForAllActive = 0;
int gSetForAllEdition = -1;
std::string gSetForAllOptions;
int gRememberedTypeIndex = -1;
std::string gLayerOptions;
std::string gOutputParentDir;
std::string gUnzipDir = "NOT_SET";
int gOutputOrganisation = 0;
int gCreatePushPins = 0;
unsigned char gAddressRangesAsNumbers = 0;
unsigned char gSameEditionInputs = 0;
int gJobCancelled = 0;
int gZipCleanupPass = 0;
float gVersionNumber = 2.0f;
int gFailedCounties = 0;

void ResetJobGlobals() {
    gCurrentEdition = 0;
    gSetForAllActive = 0;
    gSetForAllEdition = -1;
    gSetForAllOptions.clear();
    gRememberedTypeIndex = -1;
    gLayerOptions.clear();
    gOutputParentDir.clear();
    gUnzipDir = "NOT_SET";
    gOutputOrganisation = 0;
    gCreatePushPins = 0;
    gAddressRangesAsNumbers = 0;
    gSameEditionInputs = 0;
    gJobCancelled = 0;
    gZipCleanupPass = 0;
    gVersionNumber = 2.0f;
    gFailedCounties = 0;
}

}  // namespace frontend
