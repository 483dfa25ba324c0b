// The job globals that every dialog of the front end shares: the edition
// being added, "Set for All", the remembered Choose Type answer, the layer
// options string being edited and the output choices of GO.
#pragma once

#include <string>

namespace frontend {

extern int gCurrentEdition;         // edition code (94-108) of the input being added or edited
extern int gSetForAllActive;        // 1 once "Use these options for all subsequent cases" was taken up
extern int gSetForAllEdition;       // edition code that gSetForAllOptions holds for
extern std::string gSetForAllOptions;
extern int gRememberedTypeIndex;    // Choose Type index remembered for all cases; -1 = none
extern std::string gLayerOptions;   // the options string a layer dialog loads and rebuilds on OK
extern std::string gOutputParentDir;
extern std::string gUnzipDir;       // "unzipped" under the output parent directory while GO works
extern int gOutputOrganisation;     // 0-3
extern int gCreatePushPins;
extern unsigned char gAddressRangesAsNumbers;
extern unsigned char gSameEditionInputs;  // every entry of the job list has one edition character
extern int gJobCancelled;           // the output options dialog was closed: GO converts nothing
extern int gZipCleanupPass;         // 1 while GO lists an archive to delete what it unpacked
extern float gVersionNumber;
extern int gFailedCounties;         // counties of the job that ended on a failure; pellard then exits non-zero

// Puts every job global back to its value at program start.
void ResetJobGlobals();

}  // namespace frontend
