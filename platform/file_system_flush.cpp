#include "platform/file_system_flush.h"

#include "platform/file_changes.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace platform {

namespace {

int gTrusted = -1;

}  // namespace

void TrustFileSystemFlush(int trusted) { gTrusted = trusted; }

bool FileSystemFlushTrusted() {
    if (gTrusted >= 0) return gTrusted == 1;
    static const bool trusted = [] {
        struct utsname name;
        int major = 0, minor = 0;
        return ::uname(&name) == 0 && std::sscanf(name.release, "%d.%d", &major, &minor) == 2 &&
               (major > 5 || (major == 5 && minor >= 8));
    }();
    return trusted;
}

bool FileSystemFlush::Open(const std::string& folder) {
    if (fd_ >= 0) return true;
    fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    folder_ = folder;
    return fd_ >= 0;
}

void FileSystemFlush::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool FileSystemFlush::Flush() {
    if (fd_ < 0) {
        errno = EBADF;
        return false;
    }
    if (::syncfs(fd_) != 0) return false;
    TellFileChange(FileChange::Kind::kSyncFileSystem, folder_);
    return true;
}

}  // namespace platform
