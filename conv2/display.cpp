#include "conv2/display.h"

#include "conv2/conversion_dialog.h"
#include "conv2/job_state.h"
#include "options/options_strings.h"
#include "platform/text.h"
#include "tigercore/county_job.h"
#include "tigercore/edition_lengths.h"

#include <memory>

namespace vornak2 {

namespace {

struct Edition {
    int code;
    int year;
    unsigned char second;
    char character;  // its edition character, which names its text
};

// Any other character is the 2006 second edition.
Edition DecodeEdition(char c) {
    switch (c) {
        case '9': return {104, 2002, 0, '9'};
        case 'a': return {105, 2003, 0, 'a'};
        case 'b': return {105, 2004, 0, 'b'};
        case 'c': return {105, 2004, 1, 'c'};
        default: return {106, 2006, 1, 'd'};
    }
}

}  // namespace

int DisplayV2(const char* inputPath, const char* outputDir, const char* options, int countyNumber, int countyCount) {
    return DisplayV2Unpacked(inputPath, outputDir, options, countyNumber, countyCount, nullptr);
}

int DisplayV2Unpacked(const char* inputPathArg, const char* outputDirArg, const char* optionsArg, int countyNumber,
                      int countyCount, const char* archivePathArg) {
    const std::string options = optionsArg ? optionsArg : "";
    std::string inputPath = inputPathArg ? inputPathArg : "";
    Services().NewCounty();
    if (!tigercore::HasOutputDirectory(outputDirArg, inputPath)) return tigercore::kCountyFailed;

    auto dialog = std::make_unique<ConversionDialog>();
    const options::DecodedOptions decoded = options::DecodeOptions(options::LaterFamily(), options);
    for (int i = 0; i < kLayerFlagCount; ++i) dialog->layerFlags[i] = decoded.flags[static_cast<size_t>(i)];
    gNumericAddressFields = decoded.numericAddresses ? 1 : 0;
    dialog->inputPath = inputPath;
    dialog->countyProgressText = platform::Format("Processing county %d of %d", countyNumber, countyCount);

    Edition edition = DecodeEdition(decoded.edition);
    gEditionCode = edition.code;
    gEditionYear = edition.year;
    gSecondEdition = edition.second;
    dialog->edition = edition.character;
    dialog->editionText = tigercore::EditionText(edition.character);

    gClipWaterPolygons = decoded.clipWater ? 1 : 0;
    dialog->clipWaterText = gClipWaterPolygons ? "Yes" : "No";

    // Base name: a long file title keeps its first 3 and last 5 characters
    // for the output names; the record files keep their real names. A
    // county unpacked by the caller is named after its archive, as a call
    // with the archive itself names it.
    gOrganisationMode = decoded.organisation;
    tigercore::OpenedCounty opened;
    const bool open = tigercore::OpenCounty(
        {outputDirArg, archivePathArg, options, dialog->editionText, gOrganisationMode, false}, inputPath, opened);
    gCountyCode = opened.names.countyCode;
    dialog->countyText = gCountyCode;
    gOutputDir = opened.outputDir;
    gLogFile = std::move(opened.log);
    gLogPath = opened.logPath;
    gRunRecord = opened.record;
    if (!open) return tigercore::kCountyFailed;
    gZipInput = opened.zipInput ? 1 : 0;
    dialog->outputOptionText = opened.county.optionText;
    gKmlLabelPoints = decoded.pushPins ? 1 : 0;
    gOutputPrefix = opened.county.folder + "/";
    gCountyBaseName = opened.names.baseName;
    dialog->outputDirText = opened.county.folder;
    dialog->outputDirMade = opened.county.made;

    dialog->Create();
    const bool converted = dialog->RunConversion();

    tigercore::CloseCounty(gLogFile, opened.logPath, gScratchFolder, Services());
    // The dialog goes with this call: nothing may reach it after.
    gCurrentJob = nullptr;
    return converted ? tigercore::kCountyConverted : tigercore::kCountyFailed;
}

}  // namespace vornak2
