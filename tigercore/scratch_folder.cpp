#include "tigercore/scratch_folder.h"

#include "platform/file_changes.h"
#include "platform/files.h"
#include "platform/private_file.h"
#include "shapeio/county_change.h"
#include "shapeio/kept_files.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace tigercore {

namespace {

constexpr char kPrefix[] = ".pellard-scratch-";

// Removes a scratch folder that `lock` holds and the files in it: they go
// through the descriptor that holds the folder, and rmdir never follows a
// link that may have taken the folder's name since.
void RemoveFolderWithFiles(const platform::FolderLock& lock, const std::string& folder) {
    lock.RemoveFilesInHeldFolder();
    if (::rmdir(folder.c_str()) == 0) platform::TellFileChange(platform::FileChange::Kind::kRemoveFolder, folder);
}

// Removes the scratch folders of runs that have ended: those no run holds.
void RemoveUnheldFolders(const std::string& parent) {
    const std::string prefix(kPrefix);
    for (const std::string& name : platform::ListDirectory(parent)) {
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string path = parent + "/" + name;
        platform::FolderLock lock;
        if (lock.TryHold(path)) RemoveFolderWithFiles(lock, path);
    }
}

}  // namespace

bool ScratchFolder::Make(const std::string& parent) {
    RemoveFolder();
    const std::string where = parent.empty() ? std::string(".") : parent;
    RemoveUnheldFolders(where);
    // A run clearing folders may take the new one before it is locked here;
    // another is made then.
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::string pattern = where + "/" + kPrefix + "XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (!::mkdtemp(name.data())) return false;
        platform::TellFileChange(platform::FileChange::Kind::kMakeFolder, name.data());
        if (lock_.TryHold(name.data())) {
            path_ = std::string(name.data()) + "/";
            return true;
        }
    }
    return false;
}

bool ScratchFolder::Hold(const std::string& parent, bool& waited) {
    return heldFolder_.Hold(parent, waited, platform::FolderLock::Links::kFollowed);
}

bool MakeCountyScratch(ScratchFolder& folder, const std::string& outputDir, const std::string& countyFolder,
                       bool mergedLayers, shapeio::JobServices& services) {
    const std::string where = outputDir.empty() ? std::string(".") : outputDir;
    if (mergedLayers) {
        bool waited = false;
        // The other job's county is logged as it ends; this one says why
        // it started late.
        const bool held = folder.Hold(where, waited);
        const int error = errno;
        if (waited) services.WriteLogLine("Waited for another job that continued the layers of " + where);
        if (!held) {
            services.WriteLogLine("Could not hold the folder " + where + " for the layers it continues (" +
                                  std::strerror(error) + ")");
            services.FailCounty();
            return false;
        }
    }
    if (services.Kept() && !services.Kept()->Begin(where)) {
        services.WriteLogLine("Could not hold the folder " + where + " for the flushes of its files (" +
                              std::strerror(errno) + ")");
        services.FailCounty();
        folder.Remove();
        return false;
    }
    // The layers of a run that stopped half-way are put back before
    // anything changes.
    std::vector<std::string> heldBefore;
    if (mergedLayers && !shapeio::RecoverStoppedChanges(where, services, heldBefore)) {
        folder.Remove();
        return false;
    }
    const std::vector<std::string> folders = countyFolder.empty() || countyFolder == where
                                                 ? platform::FolderAndSubfolders(where)
                                                 : std::vector<std::string>{where, countyFolder};
    for (const std::string& sub : folders) platform::RemoveUnheldPrivateFiles(sub);
    if (!folder.Make(where)) {
        services.WriteLogLine("Could not make a folder for the scratch files in " + where + " (" +
                              std::strerror(errno) + ")");
        services.FailCounty();
        folder.Remove();
        return false;
    }
    if (mergedLayers && services.Change() && !services.Change()->Open(where, services, heldBefore)) {
        folder.Remove();
        return false;
    }
    return true;
}

bool EndCountyScratch(ScratchFolder& folder, bool converted, shapeio::JobServices& services) {
    // The county's one durable point: what it wrote, and the record of the
    // merged files it was added to, are on disk before its change of merged
    // layers is committed.
    shapeio::CountyChange* change = services.Change();
    if (change && !change->Record(services, converted)) converted = false;
    // A change of merged files makes them durable with the county's other
    // files as it is committed.
    const bool committing = converted && change && change->IsOpen() && change->Changes();
    if (!committing && !shapeio::SyncKeptFiles(services)) converted = false;
    const bool ended = !change || change->End(services, converted);
    if (services.Kept()) services.Kept()->End();
    folder.RemoveFolder();
    return converted && ended;
}

void FinishCountyScratch(ScratchFolder& folder, shapeio::JobServices& services) {
    if (shapeio::CountyChange* change = services.Change()) change->Finish(services);
    folder.Remove();
}

void ScratchFolder::Remove() {
    RemoveFolder();
    heldFolder_.Release();  // lets go of the parent
}

void ScratchFolder::RemoveFolder() {
    if (!path_.empty()) RemoveFolderWithFiles(lock_, path_.substr(0, path_.size() - 1));
    path_.clear();
    lock_.Release();
}

}  // namespace tigercore
