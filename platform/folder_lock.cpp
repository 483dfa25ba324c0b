#include "platform/folder_lock.h"

#include "platform/file_changes.h"
#include "platform/files.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

bool FolderLock::Hold(const std::string& folder, bool& waited, Links links) {
    waited = false;
    if (fd_ >= 0) return true;
    std::string bare = folder.empty() ? std::string(".") : folder;
    // A '/' behind the name would have a link followed.
    while (bare.size() > 1 && bare.back() == '/') bare.pop_back();
    const int noFollow = links == Links::kRefused ? O_NOFOLLOW : 0;
    const int fd = ::open(bare.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | noFollow);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        waited = errno == EWOULDBLOCK;
        if (!waited || LockDescriptor(fd, LOCK_EX) != 0) {
            const int error = errno;
            ::close(fd);
            errno = error;
            return false;
        }
    }
    fd_ = fd;
    path_ = bare;
    return true;
}

bool FolderLock::TryHold(const std::string& folder) {
    if (fd_ >= 0) return true;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    if (LockDescriptor(fd, LOCK_EX | LOCK_NB) != 0 || !IsOpenedAt(fd, folder)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    path_ = folder;
    return true;
}

void FolderLock::RemoveFilesInHeldFolder() const {
    RemoveFilesInHeldFolder([](const std::string&) { return true; });
}

std::vector<std::string> FolderLock::RemoveFilesInHeldFolder(
    const std::function<bool(const std::string&)>& chosen) const {
    std::vector<std::string> removed;
    if (fd_ < 0) return removed;
    // The listing reads through a descriptor of its own (closedir closes it).
    const int listed = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
    DIR* dir = listed >= 0 ? ::fdopendir(listed) : nullptr;
    if (!dir) {
        if (listed >= 0) ::close(listed);
        return removed;
    }
    ::rewinddir(dir);
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != ".." && chosen(name)) names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    // unlinkat removes a link itself, never what it leads to, and no
    // directory.
    for (const std::string& name : names) {
        struct stat st;
        if (::fstatat(fd_, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode)) continue;
        if (::unlinkat(fd_, name.c_str(), 0) != 0) continue;
        TellFileChange(FileChange::Kind::kRemove, path_ + "/" + name);
        removed.push_back(name);
    }
    return removed;
}

bool FolderLock::HeldAtItsPath() const { return fd_ >= 0 && IsOpenedAt(fd_, path_); }

void FolderLock::RemoveIfEmptyAndRelease() {
    // Only the folder held: not one put in its place, nor one reached
    // through a link.
    if (HeldAtItsPath() && !IsSymbolicLink(path_)) RemoveEmptyFolder(path_);
    Release();
}

void FolderLock::Release() {
    if (fd_ < 0) return;
    ::close(fd_);  // the lock goes with the last descriptor of the folder
    fd_ = -1;
}

}  // namespace platform
