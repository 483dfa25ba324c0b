#include "conv1/display.h"

#include "conv1/conversion_dialog.h"
#include "conv1/job_state.h"
#include "options/options_strings.h"
#include "platform/text.h"
#include "tigercore/county_job.h"
#include "tigercore/edition_lengths.h"

#include <memory>

namespace vornak {

namespace {

struct Edition {
    int code;
    char character;  // its edition character, which names its text
};

// The edition digit at index 53; any other character is TIGER 97.
Edition DecodeEdition(char c) {
    switch (c) {
        case '0': return {94, '0'};
        case '1': return {95, '1'};
        case '3': return {98, '3'};
        case '4': return {99, '4'};
        case '5': return {100, '5'};
        case '6': return {101, '6'};
        case '7': return {102, '7'};
        case '8': return {103, '8'};
        default: return {97, '2'};
    }
}

}  // namespace

int Display(const char* inputPath, const char* outputDir, const char* options, int countyNumber, int countyCount) {
    return DisplayUnpacked(inputPath, outputDir, options, countyNumber, countyCount, nullptr);
}

int DisplayUnpacked(const char* inputPathArg, const char* outputDirArg, const char* optionsArg, int countyNumber,
                    int countyCount, const char* archivePathArg) {
    // The caller may free its strings as soon as the call returns.
    gOptionString = optionsArg ? optionsArg : "";
    const std::string inputPath = inputPathArg ? inputPathArg : "";
    Services().NewCounty();
    if (!tigercore::HasOutputDirectory(outputDirArg, inputPath)) return tigercore::kCountyFailed;

    auto dialog = std::make_unique<ConversionDialog>();
    const options::DecodedOptions decoded = options::DecodeOptions(options::OlderFamily(), gOptionString);
    for (int i = 0; i < kLayerFlagCount; ++i) {
        dialog->layerFlags[static_cast<size_t>(i)] = decoded.flags[static_cast<size_t>(i)];
    }
    gNumericAddressFields = decoded.numericAddresses ? 1 : 0;
    dialog->inputPath = inputPath;
    dialog->countyProgressText = platform::Format("Processing county %d of %d", countyNumber, countyCount);

    const Edition edition = DecodeEdition(decoded.edition);
    gEditionCode = edition.code;
    dialog->edition = edition.character;
    dialog->editionText = tigercore::EditionText(edition.character);

    gClipWaterPolygons = decoded.clipWater ? 1 : 0;
    dialog->clipWaterText = gClipWaterPolygons ? "Yes" : "No";
    gKmlLabelPoints = decoded.pushPins ? 1 : 0;

    // Base name: a long file title keeps its first 3 and last 5 characters
    // for the output names; the record files keep their real names. A
    // county unpacked by the caller is named after its archive, as a call
    // with the archive itself names it.
    gOrganisationMode = decoded.organisation;
    tigercore::OpenedCounty opened;
    const bool open = tigercore::OpenCounty(
        {outputDirArg, archivePathArg, gOptionString, dialog->editionText, gOrganisationMode, true}, inputPath, opened);
    gCountyCode = opened.names.countyCode;
    gOutputDir = opened.outputDir;
    gLogFile = std::move(opened.log);
    gLogPath = opened.logPath;
    gRunRecord = opened.record;
    dialog->countyText = gCountyCode;
    if (!open) return tigercore::kCountyFailed;
    gZipInput = opened.zipInput ? 1 : 0;
    gOutputPrefix = opened.county.folder + "/";
    dialog->outputOptionText = opened.county.optionText;
    dialog->outputDirText = opened.county.folder;
    dialog->outputDirMade = opened.county.made;
    gCountyBaseName = opened.names.baseName;

    dialog->Create();
    const bool converted = dialog->RunConversion();

    tigercore::CloseCounty(gLogFile, opened.logPath, gScratchFolder, Services());
    // The dialog goes with this call: nothing may reach it after.
    gCurrentJob = nullptr;
    return converted ? tigercore::kCountyConverted : tigercore::kCountyFailed;
}

}  // namespace vornak
