#include "platform/folder_lock.h"

#include "platform/files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

bool FolderLock::Hold(const std::string& folder, bool& waited) {
    waited = false;
    if (fd_ >= 0) return true;
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        waited = errno == EWOULDBLOCK;
        int result = -1;
        while (waited && (result = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (!waited || result != 0) {
            const int error = errno;
            ::close(fd);
            errno = error;
            return false;
        }
    }
    fd_ = fd;
    return true;
}

bool FolderLock::TryHold(const std::string& folder) {
    if (fd_ >= 0) return true;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    int locked;
    while ((locked = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (locked != 0 || !IsOpenedAt(fd, folder)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void FolderLock::Release() {
    if (fd_ < 0) return;
    ::close(fd_);  // the lock goes with the last descriptor of the folder
    fd_ = -1;
}

}  // namespace platform
