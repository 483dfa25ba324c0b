// GO: the output options, then one library call per entry of the job list,
// with archives unpacked into "unzipped" before and cleaned up after.
#include "frontend/conversion_run.h"

#include "exports/county_exports.h"
#include "frontend/archive_unpacking.h"
#include "frontend/editions.h"
#include "frontend/job_globals.h"
#include "frontend/library_entries.h"
#include "frontend/main_dialog.h"
#include "frontend/message.h"
#include "frontend/output_options_dialog.h"
#include "platform/appended_lines.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <unistd.h>
#include <vector>

namespace frontend {

std::string OptionsForCall(const std::string& options, bool forDisplayV2) {
    const options::OptionsFamily& family = forDisplayV2 ? options::kLaterOptions : options::kOlderOptions;
    std::string copy = options;
    if (copy.size() < family.length) copy.resize(family.length, '0');
    if (copy[family.numericAddresses] == '1' && gAddressRangesAsNumbers)
        copy[family.numericAddresses] = options::kNumericAddressesCharacter;
    const char organisation = "0123"[gOutputOrganisation >= 0 && gOutputOrganisation <= 3 ? gOutputOrganisation : 0];
    const char pushPins = gCreatePushPins == 1 ? '1' : '0';
    copy[family.organisation] = organisation;
    copy[family.pushPins] = pushPins;
    return copy;
}

bool AsksForAnyOlderLayer(const std::string& options) {
    for (std::size_t i = 0; i <= options::older::kLastPolygonLayer && i < options.size(); ++i)
        if (options[i] != '0') return true;
    return false;
}

namespace {

// One county through the library of its edition family: a county GO
// unpacked goes with its archive, after which its outputs are named.
int CallLibrary(bool laterEdition, const std::string& inputPath, const std::string& outputDir,
                const std::string& options, int countyNumber, int countyCount, const std::string& archivePath) {
    const LibraryEntries& libraries = Libraries();
    if (archivePath.empty()) {
        const CountyEntry entry = laterEdition ? libraries.displayV2 : libraries.display;
        return entry ? entry(inputPath.c_str(), outputDir.c_str(), options.c_str(), countyNumber, countyCount) : 0;
    }
    const UnpackedCountyEntry entry = laterEdition ? libraries.displayV2Unpacked : libraries.displayUnpacked;
    return entry ? entry(inputPath.c_str(), outputDir.c_str(), options.c_str(), countyNumber, countyCount,
                         archivePath.c_str())
                 : 0;
}

}  // namespace

void CInputListDlg::OnOK() {
    const std::vector<std::string>& options = OptionStrings();
    const int count = static_cast<int>(InputPaths().size());

    gSameEditionInputs = 1;
    for (int i = 1; i < count; ++i) {
        char first = options[0].size() > kEditionIndex ? options[0][kEditionIndex] : '0';
        char other = options[i].size() > kEditionIndex ? options[i][kEditionIndex] : '0';
        if (first != other) {
            gSameEditionInputs = 0;
            break;
        }
    }

    COutputOptionsDlg outputOptions(in_, out_);
    gJobCancelled = 0;
    outputOptions.DoModal(in_, out_);
    inputEndedInOutputOptions_ = outputOptions.EndedByInput();
    if (gJobCancelled == 1) return;
    if (count == 0) {
        EndDialog(platform::IDOK);
        return;
    }
    for (int i = 0; i < count; ++i) {
        if (!ConvertEntry(i, count)) ++gFailedCounties;
    }
    if (gJobCancelled == 0) EndDialog(platform::IDOK);
}

bool CInputListDlg::ConvertEntry(int index, int count) {
    SetListSelection(kInputListId, index, true);
    const std::string entryPath = InputPaths()[index];
    if (::chdir(gOutputParentDir.c_str()) != 0) {
        ShowMessageBox(out_, platform::Format("Could not change to the Output Directory %s; %s is not converted",
                                    gOutputParentDir.c_str(), entryPath.c_str()));
        return false;
    }
    // An archive's county is unpacked into "unzipped" and read from there;
    // the outputs are named after the archive.
    const bool archive = platform::ToUpper(platform::ExtensionOfPath(entryPath)) == "ZIP";
    ArchiveUnpacking unpacking(zipControl_, listedNames_, out_);
    if (archive && !unpacking.Unpack(entryPath)) return false;
    const std::string inputPath = archive ? unpacking.InputPath() : entryPath;

    const std::string& entryOptions = OptionStrings()[index];
    const char edition = entryOptions.size() > kEditionIndex ? entryOptions[kEditionIndex] : '0';
    const std::string outputDir = gOutputParentDir;
    const bool laterEdition = GoesToDisplayV2(edition);
    const std::string options = OptionsForCall(entryOptions, laterEdition);
    const std::string logPath = platform::CountyLogPath(outputDir, entryPath);
    const platform::AppendedLines logLines(logPath);
    int result = 0;
    if (laterEdition || AsksForAnyOlderLayer(options))
        result = CallLibrary(laterEdition, inputPath, outputDir, options, index + 1, count,
                             archive ? entryPath : std::string());

    if (archive) unpacking.CleanUp();
    if (result == 0) return true;
    // A county whose files may be of another edition: its log's line on it
    // follows in the same box.
    std::string text = platform::Format("County %s failed; see its log %s", entryPath.c_str(), logPath.c_str());
    const std::string editionLine = platform::FirstLineStartingWith(logLines.Read(), PELLARD_EDITION_CHOSEN);
    if (!editionLine.empty()) text += "\n" + editionLine;
    ShowMessageBox(out_, text);
    return false;
}

void CInputListDlg::OnZipListEvent(const std::string& fileName) {
    if (gZipCleanupPass != 1) {
        listedNames_.push_back(fileName);
        return;
    }
    if (fileName.empty() || fileName == "." || fileName == ".." || fileName.find('/') != std::string::npos) return;
    if (platform::IsSymbolicLink(gUnzipDir)) return;
    platform::RemoveFile(gUnzipDir + "/" + fileName);
}

}  // namespace frontend
