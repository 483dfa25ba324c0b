#include "conv1/display.h"

#include "conv1/conversion_dialog.h"
#include "conv1/job_state.h"
#include "options/options_strings.h"
#include "platform/text.h"
#include "tigercore/county_job.h"

#include <memory>

namespace vornak {

namespace {

struct Edition {
    int code;
    std::string caption;
};

// The edition digit at index 53; any other character is TIGER 97.
Edition DecodeEdition(char c) {
    switch (c) {
        case '0': return {94, platform::Format("TIGER %d", 94)};
        case '1': return {95, platform::Format("TIGER %d", 95)};
        case '3': return {98, "TIGER 98"};
        case '4': return {99, "2000 Dress Rehersal"};
        case '5': return {100, "TIGER 99"};
        case '6': return {101, "TIGER 2000"};
        case '7': return {102, "TIGER 2000 Urban Areas"};
        case '8': return {103, "TIGER 2000 CD108"};
        default: return {97, platform::Format("TIGER %d", 97)};
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
    dialog->editionText = edition.caption;

    gClipWaterPolygons = decoded.clipWater ? 1 : 0;
    dialog->clipWaterText = gClipWaterPolygons ? "Yes" : "No";
    gKmlLabelPoints = decoded.pushPins ? 1 : 0;

    // Base name: a long file title keeps its first 3 and last 5 characters
    // for the output names; the record files keep their real names. A
    // county unpacked by the caller is named after its archive, as a call
    // with the archive itself names it.
    gOrganisationMode = decoded.organisation;
    tigercore::OpenedCounty opened;
    const bool open = tigercore::OpenCounty({outputDirArg, archivePathArg, edition.caption, gOrganisationMode, true},
                                            inputPath, opened);
    gCountyCode = opened.names.countyCode;
    gOutputDir = opened.outputDir;
    gLogFile = std::move(opened.log);
    gLogPath = opened.logPath;
    dialog->countyText = gCountyCode;
    if (!open) return tigercore::kCountyFailed;
    gZipInput = opened.zipInput ? 1 : 0;
    gOutputPrefix = opened.county.folder + "/";
    dialog->outputOptionText = opened.county.optionText;
    dialog->outputDirText = opened.county.folder;
    gCountyBaseName = opened.names.baseName;

    dialog->Create();
    const bool converted = dialog->RunConversion();

    tigercore::CloseCountyLog(gLogFile, opened.logPath);
    return converted ? tigercore::kCountyConverted : tigercore::kCountyFailed;
}

}  // namespace vornak
