#include "tigercore/scratch_folder.h"

#include "platform/files.h"
#include "platform/private_file.h"
#include "shapeio/county_change.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tigercore {

namespace {

constexpr char kPrefix[] = ".pellard-scratch-";

// Removes a scratch folder and the files in it.
void RemoveFolderWithFiles(const std::string& folder) {
    for (const std::string& entry : platform::ListDirectory(folder)) platform::RemoveFile(folder + "/" + entry);
    ::rmdir(folder.c_str());
}

// Takes an exclusive lock on the folder `path`, not reached through a link;
// the descriptor that holds it, or -1 when it cannot be opened or (`wait`
// false) another run holds it.
int LockFolder(const std::string& path, bool wait) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return -1;
    int locked;
    while ((locked = ::flock(fd, wait ? LOCK_EX : LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    // A folder removed while the lock was awaited is no longer the one named.
    if (locked != 0 || !platform::IsOpenedAt(fd, path)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Removes the scratch folders of runs that have ended: those no run holds.
void RemoveUnheldFolders(const std::string& parent) {
    const std::string prefix(kPrefix);
    for (const std::string& name : platform::ListDirectory(parent)) {
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string path = parent + "/" + name;
        const int fd = LockFolder(path, false);
        if (fd < 0) continue;
        RemoveFolderWithFiles(path);
        ::close(fd);
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
        lock_ = LockFolder(name.data(), true);
        if (lock_ >= 0) {
            path_ = std::string(name.data()) + "/";
            return true;
        }
    }
    return false;
}

bool ScratchFolder::Hold(const std::string& parent, bool& waited) {
    waited = false;
    if (heldFolder_ >= 0) return true;
    const int fd = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        waited = errno == EWOULDBLOCK;
        int result;
        while (waited && (result = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (!waited || result != 0) {
            ::close(fd);
            return false;
        }
    }
    heldFolder_ = fd;
    return true;
}

bool MakeCountyScratch(ScratchFolder& folder, const std::string& outputDir, bool mergedLayers,
                       shapeio::JobServices& services) {
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
    // The layers of a run that stopped half-way are put back before
    // anything changes.
    if (mergedLayers && !shapeio::RecoverStoppedChanges(where, services)) {
        folder.Remove();
        return false;
    }
    for (const std::string& sub : platform::FolderAndSubfolders(where)) platform::RemoveUnheldPrivateFiles(sub);
    if (!folder.Make(where)) {
        services.WriteLogLine("Could not make a folder for the scratch files in " + where + " (" +
                              std::strerror(errno) + ")");
        services.FailCounty();
        folder.Remove();
        return false;
    }
    if (mergedLayers && services.Change()) services.Change()->Open(where);
    return true;
}

bool EndCountyScratch(ScratchFolder& folder, bool converted, shapeio::JobServices& services) {
    shapeio::CountyChange* change = services.Change();
    const bool ended = !change || change->End(services, converted);
    folder.Remove();
    return converted && ended;
}

void ScratchFolder::Remove() {
    RemoveFolder();
    if (heldFolder_ >= 0) {
        ::close(heldFolder_);  // lets go of the parent
        heldFolder_ = -1;
    }
}

void ScratchFolder::RemoveFolder() {
    if (!path_.empty()) RemoveFolderWithFiles(path_.substr(0, path_.size() - 1));
    path_.clear();
    if (lock_ >= 0) ::close(lock_);
    lock_ = -1;
}

}  // namespace tigercore
