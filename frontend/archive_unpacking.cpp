#include "frontend/archive_unpacking.h"

#include "frontend/job_globals.h"
#include "frontend/message.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <cerrno>
#include <cstring>

namespace frontend {

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

}  // namespace

ArchiveUnpacking::ArchiveUnpacking(platform::ZipControl& zip, std::vector<std::string>& listedNames,
                                   std::ostream& out)
    : zip_(zip), listedNames_(listedNames), out_(out) {}

bool ArchiveUnpacking::Unpack(const std::string& archivePath) {
    archivePath_ = archivePath;
    const std::string title = platform::FileTitleOfPath(archivePath);
    gUnzipDir = gOutputParentDir + "/unzipped";
    bool waited = false;
    switch (zip_.HoldExtractFolder(gUnzipDir, archivePath, hold_, waited)) {
        case platform::ZipControl::FolderHold::kHeld: break;
        case platform::ZipControl::FolderHold::kLink:
            // Nothing is unpacked nor removed through a link planted there.
            ShowMessageBox(out_, platform::Format("Refused the symbolic link %s where an output goes: %s is not "
                                                  "converted",
                                                  gUnzipDir.c_str(), archivePath.c_str()));
            return false;
        case platform::ZipControl::FolderHold::kNotHeld:
            ShowMessageBox(out_, platform::Format("Could not hold the folder %s to unpack %s (%s)", gUnzipDir.c_str(),
                                                  archivePath.c_str(), std::strerror(errno)));
            return false;
    }
    if (waited) ShowMessageBox(out_, "Waited for another job that unpacked into " + gUnzipDir);
    const ArchiveKind* kind = nullptr;
    for (const ArchiveKind& candidate : kArchiveKinds) {
        listedNames_.clear();
        zip_.SetFileSpecs(candidate.mask);
        short listed = zip_.ListMatchingFiles();
        if (listed == platform::ZipControl::kNothingMatches) continue;
        if (listed != platform::ZipControl::kSuccess) {
            std::string text = platform::Format("Could not read zip archive %s", archivePath.c_str());
            for (const std::string& message : zip_.Messages()) text += "\n" + message;
            ShowMessageBox(out_, text);
            return false;
        }
        kind = &candidate;
        break;
    }
    if (!kind) {
        // The archive lost its county since it was added: it is not converted.
        ShowMessageBox(out_, platform::Format("Zip archive %s does not contain TIGER files; it is not converted",
                                              archivePath.c_str()));
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
        std::string text = platform::Format("Zip archive %s holds %zu counties: %s is converted", archivePath.c_str(),
                                            typeOneFiles.size(), firstFile.c_str());
        for (size_t k = 1; k < typeOneFiles.size(); ++k) text += "\n" + typeOneFiles[k] + " is not converted";
        ShowMessageBox(out_, text);
    }
    // What an earlier job of this county left in "unzipped" would be read
    // with what this archive holds: it goes first, and the user is told of
    // each file.
    std::string leftovers;
    for (const std::string& line : zip_.RemoveLeftovers(hold_, platform::FileTitleOfPath(firstFile)))
        leftovers += (leftovers.empty() ? "" : "\n") + line;
    if (!leftovers.empty()) ShowMessageBox(out_, leftovers);
    // The .met goes along so that the library can copy it.
    masks_ = std::string(kind->mask) + "\r*.met";
    zip_.SetFileSpecs(masks_);
    short unpacked = zip_.ExtractFiles(0);
    if (unpacked != platform::ZipControl::kSuccess) {
        std::string text = platform::Format("Could not unpack zip archive %s", archivePath.c_str());
        for (const std::string& message : zip_.Messages()) text += "\n" + message;
        ShowMessageBox(out_, text);
        CleanUp();
        return false;
    }
    // The record files are read under the names the archive holds.
    inputPath_ = gUnzipDir + "/" + firstFile;
    return true;
}

void ArchiveUnpacking::CleanUp() {
    gZipCleanupPass = 1;
    gUnzipDir = gOutputParentDir + "/unzipped";
    zip_.SetExtractFolder(gUnzipDir);
    zip_.SetZipFileName(archivePath_);
    zip_.SetFileSpecs(masks_);
    zip_.ListMatchingFiles();
    gZipCleanupPass = 0;
    // The folder goes too once nothing is left in it.
    hold_.RemoveIfEmptyAndRelease();
}

}  // namespace frontend
