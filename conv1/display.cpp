#include "conv1/display.h"

#include "conv1/conversion_dialog.h"
#include "conv1/job_state.h"
#include "tigercore/county_job.h"

#include <cstdio>
#include <memory>

namespace vornak {

namespace {

struct Edition {
    int code;
    const char* text;
};

// The edition digit at index 53; any other character is TIGER 97.
Edition DecodeEdition(char c) {
    switch (c) {
        case '0': return {94, "TIGER 94"};
        case '1': return {95, "TIGER 95"};
        case '3': return {98, "TIGER 98"};
        case '4': return {99, "Census 2000 Dress Rehearsal"};
        case '5': return {100, "TIGER 99 and TIGER 2000 Redistricting"};
        case '6': return {101, "TIGER 2000"};
        case '7': return {102, "Urbanized Areas TIGER 2000"};
        case '8': return {103, "108th Congressional Districts TIGER 2000"};
        default: return {97, "TIGER 97"};
    }
}

char OptionAt(const std::string& options, size_t i) { return i < options.size() ? options[i] : '0'; }

}  // namespace

int Display(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
            int countyCount) {
    // The caller may free its strings as soon as the call returns.
    gInputPath = inputPath ? inputPath : "";
    gOutputDir = outputDir ? outputDir : "";
    gOptionString = options ? options : "";
    if (!gOutputDir.empty() && gOutputDir.back() == '/') gOutputDir.pop_back();

    gNumericAddressFields = OptionAt(gOptionString, 0) == '2' ? 1 : 0;
    gOrganisationMode = OptionAt(gOptionString, 50);
    gKmlLabelPoints = OptionAt(gOptionString, 51) != '0' ? 1 : 0;
    Edition edition = DecodeEdition(OptionAt(gOptionString, 53));
    gEditionCode = edition.code;
    gClipWaterPolygons = OptionAt(gOptionString, 54) != '0' ? 1 : 0;
    const tigercore::CountyNames names = tigercore::NameCounty(gInputPath);
    gCountyBaseName = names.baseName;

    const std::string logPath = gOutputDir + "/" + gCountyBaseName + ".log";
    gLogFile = tigercore::OpenCountyLog(logPath, edition.text, gInputPath);
    if (!gLogFile) return 0;

    const std::string folder =
        tigercore::MakeCountyFolder(gLogFile.get(), gOutputDir, gCountyBaseName, gOrganisationMode).folder;
    gOutputPrefix = folder + "/";

    auto dialog = std::make_unique<ConversionDialog>();
    char progress[64];
    std::snprintf(progress, sizeof progress, "Processing county %d of %d", countyNumber, countyCount);
    dialog->countyProgressText = progress;
    dialog->outputDirText = folder;
    dialog->editionText = edition.text;
    dialog->Create();
    // The record store and layers of these editions are not part of the
    // library yet: the log says so instead of passing the county off as done.
    WriteLogText("Conversion of %s files is not available yet\n", edition.text);
    dialog->EndDialog(platform::IDOK);

    tigercore::CloseCountyLog(gLogFile, logPath);
    return 0;
}

}  // namespace vornak
