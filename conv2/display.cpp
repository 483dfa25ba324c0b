#include "conv2/display.h"

#include "conv2/conversion_dialog.h"
#include "conv2/job_state.h"
#include "platform/paths.h"
#include "platform/files.h"
#include "platform/text.h"

#include <cstdio>
#include <ctime>
#include <memory>

namespace vornak2 {

namespace {

struct Edition {
    int code;
    int year;
    unsigned char second;
    const char* text;
};

Edition DecodeEdition(char c) {
    switch (c) {
        case '9': return {104, 2002, 0, "TIGER 2002"};
        case 'a': return {105, 2003, 0, "TIGER 2003"};
        case 'b': return {105, 2004, 0, "TIGER 2004 first edition"};
        case 'c': return {105, 2004, 1, "TIGER 2004 2nd edition/2005 1st or 2nd edition"};
        default: return {106, 2006, 1, "TIGER 2006 Second Edition"};
    }
}

std::tm LocalNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

// Character i of the options; positions past the end of a short string read as '0'.
char OptionAt(const std::string& options, size_t i) { return i < options.size() ? options[i] : '0'; }

}  // namespace

int DisplayV2(const char* inputPathArg, const char* outputDirArg, const char* optionsArg, int countyNumber,
              int countyCount) {
    const std::string options = optionsArg ? optionsArg : "";
    std::string inputPath = inputPathArg ? inputPathArg : "";
    std::string outputDir = outputDirArg ? outputDirArg : "";

    auto dialog = std::make_unique<ConversionDialog>();
    for (int i = 0; i < kLayerFlagCount; ++i) dialog->layerFlags[i] = OptionAt(options, i) != '0' ? 1 : 0;
    gNumericAddressFields = OptionAt(options, 0) == '2' ? 1 : 0;
    dialog->inputPath = inputPath;
    dialog->countyProgressText = platform::Format("Processing county %d of %d", countyNumber, countyCount);

    Edition edition = DecodeEdition(OptionAt(options, 53));
    gEditionCode = edition.code;
    gEditionYear = edition.year;
    gSecondEdition = edition.second;
    dialog->editionText = edition.text;

    gClipWaterPolygons = dialog->layerFlags[80];
    dialog->clipWaterText = gClipWaterPolygons ? "Yes" : "No";

    // Base name: a long file title keeps its first 3 and last 5 characters
    // for the output names; the record files keep their real names.
    std::string extension = inputPath.size() >= 3 ? inputPath.substr(inputPath.size() - 3) : inputPath;
    std::string baseName = platform::FileTitleOfPath(inputPath);
    std::string namingPath = inputPath;
    if (baseName.size() >= 9) {
        baseName = baseName.substr(0, 3) + baseName.substr(baseName.size() - 5);
        namingPath = platform::DirectoryOfPath(inputPath) + baseName + "." + extension;
    }
    extension = platform::ToUpper(extension);

    long codeStart = static_cast<long>(namingPath.size()) - 9;
    if (codeStart < 0) codeStart = 0;
    gCountyCode = namingPath.substr(static_cast<size_t>(codeStart), 5);
    dialog->countyText = gCountyCode;

    gOutputDir = outputDir;
    if (!gOutputDir.empty() && gOutputDir.back() == '/') gOutputDir.pop_back();

    std::string logPath = gOutputDir + "/" + baseName + ".log";
    gLogFile = platform::OpenFile(logPath, "a");
    if (!gLogFile) {
        std::fprintf(stderr, "Cannot open the log file %s: county %s not converted\n", logPath.c_str(),
                     inputPath.c_str());
        return 0;
    }
    std::tm start = LocalNow();
    WriteLogText("New Process started on %d/%d at %d:%02d\n", start.tm_mon + 1, start.tm_mday, start.tm_hour,
                 start.tm_min);
    WriteLogText("%s\n", edition.text);

    gZipInput = extension == "ZIP" ? 1 : 0;

    gOrganisationMode = OptionAt(options, 79);
    std::string folder = gOutputDir;
    bool makeFolder = false;
    switch (gOrganisationMode) {
        case '0':
            folder = gOutputDir + "/" + baseName;
            makeFolder = true;
            dialog->outputOptionText = "Organize by county";
            break;
        case '1':
            folder = gOutputDir + "/tigershapes";
            makeFolder = true;
            dialog->outputOptionText = "All shapes in one directory";
            break;
        case '2': dialog->outputOptionText = "Organize by Theme"; break;
        case '3': dialog->outputOptionText = "Organize by Theme and Merge"; break;
        default: dialog->outputOptionText.clear(); break;
    }
    if (makeFolder) {
        if (platform::MakeDirectory(folder)) WriteLogText("directory %s created\n", folder.c_str());
        else WriteLogText("directory %s not created\n", folder.c_str());
    }

    gKmlLabelPoints = dialog->layerFlags[81] ? 1 : 0;
    gOutputPrefix = folder + "/";
    gCountyBaseName = baseName;
    dialog->outputDirText = folder;

    dialog->Create();
    dialog->RunConversion();

    std::tm end = LocalNow();
    WriteLogText("Process ended on %d/%d at %d:%02d\n\n\n", end.tm_mon + 1, end.tm_mday, end.tm_hour, end.tm_min);
    if (!platform::CloseFile(gLogFile))
        std::fprintf(stderr, "Could not write the log file %s completely\n", logPath.c_str());
    return 0;
}

}  // namespace vornak2
