// GO: the output options, then one library call per entry of the job list,
// with archives unpacked into "unzipped" before and cleaned up after.
#include "frontend/conversion_run.h"

#include "exports/county_exports.h"
#include "frontend/editions.h"
#include "frontend/job_globals.h"
#include "frontend/library_entries.h"
#include "frontend/main_dialog.h"
#include "frontend/message.h"
#include "frontend/output_options_dialog.h"
#include "platform/appended_lines.h"
#include "platform/files.h"
#include "platform/folder_lock.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <cerrno>
#include <cstring>
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
    for (std::size_t i = 0; i < 50 && i < options.size(); ++i)
        if (options[i] != '0') return true;
    return false;
}

namespace {

struct ArchiveKind {
    const char* mask;
    const char* extension;
};
const ArchiveKind kArchiveKinds[] = {{"*.rt?", ".rt1"}, {"*.bw?", ".bw1"}, {"*.f6?", ".f61"}};

bool EndsWithNoCase(const std::string& name, const std::string& ending) {
    return name.size() >= ending.size() &&
           platform::ToLower(name.substr(name.size() - ending.size())) == ending;
}

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
    bool archive = false;
    const std::string entryPath = InputPaths()[index];
    std::string inputPath = entryPath;

    if (::chdir(gOutputParentDir.c_str()) != 0) {
        ShowMessageBox(out_, platform::Format("Could not change to the Output Directory %s; %s is not converted",
                                    gOutputParentDir.c_str(), entryPath.c_str()));
        return false;
    }
    const std::string extension = platform::ToUpper(platform::ExtensionOfPath(entryPath));
    const std::string title = platform::FileTitleOfPath(entryPath);

    std::string unpackMasks;
    // "unzipped" is this job's from the unpacking to the clean-up: another
    // job unpacking files of the same names waits until then.
    platform::FolderLock unzipHold;
    if (extension == "ZIP") {
        archive = true;
        gUnzipDir = gOutputParentDir + "/unzipped";
        bool waited = false;
        switch (zipControl_.HoldExtractFolder(gUnzipDir, entryPath, unzipHold, waited)) {
            case platform::ZipControl::FolderHold::kHeld: break;
            case platform::ZipControl::FolderHold::kLink:
                // Nothing is unpacked nor removed through a link planted there.
                ShowMessageBox(out_, platform::Format("Refused the symbolic link %s where an output goes: %s is not "
                                                      "converted",
                                                      gUnzipDir.c_str(), entryPath.c_str()));
                return false;
            case platform::ZipControl::FolderHold::kNotHeld:
                ShowMessageBox(out_, platform::Format("Could not hold the folder %s to unpack %s (%s)",
                                                      gUnzipDir.c_str(), entryPath.c_str(), std::strerror(errno)));
                return false;
        }
        if (waited) ShowMessageBox(out_, "Waited for another job that unpacked into " + gUnzipDir);
        const ArchiveKind* kind = nullptr;
        for (const ArchiveKind& candidate : kArchiveKinds) {
            listedNames_.clear();
            zipControl_.SetFileSpecs(candidate.mask);
            short listed = zipControl_.ListMatchingFiles();
            if (listed == platform::ZipControl::kNothingMatches) continue;
            if (listed != platform::ZipControl::kSuccess) {
                std::string text = platform::Format("Could not read zip archive %s", entryPath.c_str());
                for (const std::string& message : zipControl_.Messages()) text += "\n" + message;
                ShowMessageBox(out_, text);
                return false;
            }
            kind = &candidate;
            break;
        }
        if (!kind) {
            // The archive lost its county since it was added: it is not converted.
            ShowMessageBox(out_, platform::Format("Zip archive %s does not contain TIGER files; it is not converted",
                                                  entryPath.c_str()));
            return false;
        }
        // The county's first record file under the name the archive gives it.
        std::string firstFile = title + kind->extension;
        std::vector<std::string> typeOneFiles;
        for (const std::string& name : listedNames_) {
            if (EndsWithNoCase(name, kind->extension)) typeOneFiles.push_back(name);
        }
        if (!typeOneFiles.empty()) firstFile = typeOneFiles.front();
        // An archive of several counties: the first is converted, and the
        // user is told which and which are not.
        if (typeOneFiles.size() > 1) {
            std::string text = platform::Format("Zip archive %s holds %zu counties: %s is converted", entryPath.c_str(),
                                                typeOneFiles.size(), firstFile.c_str());
            for (size_t k = 1; k < typeOneFiles.size(); ++k) text += "\n" + typeOneFiles[k] + " is not converted";
            ShowMessageBox(out_, text);
        }
        // What an earlier job of this county left in "unzipped" would be
        // read with what this archive holds: it goes first, and the user is
        // told of each file.
        std::string leftovers;
        for (const std::string& line :
             zipControl_.RemoveLeftovers(unzipHold, platform::FileTitleOfPath(firstFile)))
            leftovers += (leftovers.empty() ? "" : "\n") + line;
        if (!leftovers.empty()) ShowMessageBox(out_, leftovers);
        // The .met goes along so that the library can copy it.
        unpackMasks = std::string(kind->mask) + "\r*.met";
        zipControl_.SetFileSpecs(unpackMasks);
        short unpacked = zipControl_.ExtractFiles(0);
        if (unpacked != platform::ZipControl::kSuccess) {
            std::string text = platform::Format("Could not unpack zip archive %s", entryPath.c_str());
            for (const std::string& message : zipControl_.Messages()) text += "\n" + message;
            ShowMessageBox(out_, text);
            CleanUpArchive(entryPath, unpackMasks);
            return false;
        }
        // The record files are read under the names the archive holds; the
        // outputs are named after the archive.
        inputPath = gUnzipDir + "/" + firstFile;
    }

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

    if (archive) CleanUpArchive(entryPath, unpackMasks);
    if (result == 0) return true;
    // A county whose files may be of another edition: its log's line on it
    // follows in the same box.
    std::string text = platform::Format("County %s failed; see its log %s", entryPath.c_str(), logPath.c_str());
    const std::string editionLine = platform::FirstLineStartingWith(logLines.Read(), PELLARD_EDITION_CHOSEN);
    if (!editionLine.empty()) text += "\n" + editionLine;
    ShowMessageBox(out_, text);
    return false;
}

void CInputListDlg::CleanUpArchive(const std::string& archivePath, const std::string& masks) {
    // Lists the archive with the masks it was unpacked with: each entry named
    // is deleted from "unzipped", and nothing else.
    gZipCleanupPass = 1;
    gUnzipDir = gOutputParentDir + "/unzipped";
    zipControl_.SetExtractFolder(gUnzipDir);
    zipControl_.SetZipFileName(archivePath);
    zipControl_.SetFileSpecs(masks);
    zipControl_.ListMatchingFiles();
    gZipCleanupPass = 0;
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
