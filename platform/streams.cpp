#include "platform/streams.h"

#include "platform/file_changes.h"

#include <fcntl.h>
#include <map>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// A descriptor whose writes are told: stdio hands it its buffers and keeps
// its position here.
struct Observed {
    int fd;
    std::string path;
    off64_t position = 0;
};

std::mutex& RegistryLock() {
    static std::mutex lock;
    return lock;
}
std::map<std::FILE*, Observed*>& Registry() {
    static std::map<std::FILE*, Observed*> streams;
    return streams;
}

Observed* Find(std::FILE* file) {
    std::lock_guard<std::mutex> hold(RegistryLock());
    const auto found = Registry().find(file);
    return found == Registry().end() ? nullptr : found->second;
}

ssize_t ReadObserved(void* cookie, char* buffer, size_t size) {
    Observed& o = *static_cast<Observed*>(cookie);
    const ssize_t got = ::pread(o.fd, buffer, size, o.position);
    if (got > 0) o.position += got;
    return got;
}

ssize_t WriteObserved(void* cookie, const char* buffer, size_t size) {
    Observed& o = *static_cast<Observed*>(cookie);
    const int flags = ::fcntl(o.fd, F_GETFL);
    if (flags >= 0 && (flags & O_APPEND)) {
        struct stat st;
        if (::fstat(o.fd, &st) != 0) return -1;
        o.position = st.st_size;
    }
    // An O_APPEND descriptor appends whatever the offset.
    const ssize_t written = ::pwrite(o.fd, buffer, size, o.position);
    if (written <= 0) return written;
    TellFileChange(FileChange::Kind::kWrite, o.path, std::string(), o.position,
                   std::string(buffer, static_cast<size_t>(written)));
    o.position += written;
    return written;
}

int SeekObserved(void* cookie, off64_t* offset, int whence) {
    Observed& o = *static_cast<Observed*>(cookie);
    off64_t base = 0;
    if (whence == SEEK_CUR) {
        base = o.position;
    } else if (whence == SEEK_END) {
        struct stat st;
        if (::fstat(o.fd, &st) != 0) return -1;
        base = st.st_size;
    }
    if (base + *offset < 0) {
        errno = EINVAL;
        return -1;
    }
    o.position = base + *offset;
    *offset = o.position;
    return 0;
}

int CloseObserved(void* cookie) {
    const std::unique_ptr<Observed> o(static_cast<Observed*>(cookie));
    {
        std::lock_guard<std::mutex> hold(RegistryLock());
        for (auto entry = Registry().begin(); entry != Registry().end(); ++entry) {
            if (entry->second != o.get()) continue;
            Registry().erase(entry);
            break;
        }
    }
    return ::close(o->fd);
}

bool Writes(const char* mode) {
    for (const char* c = mode; *c; ++c) {
        if (*c == 'w' || *c == 'a' || *c == '+') return true;
    }
    return false;
}

}  // namespace

FilePtr StreamOver(int fd, const char* mode, const std::string& path) {
    if (fd < 0) return FilePtr();
    if (!ObservingFileChanges() || !Writes(mode)) {
        std::FILE* file = ::fdopen(fd, mode);
        if (!file) ::close(fd);
        return FilePtr(file);
    }
    auto observed = std::make_unique<Observed>(Observed{fd, path});
    std::FILE* file = ::fopencookie(observed.get(), mode, {ReadObserved, WriteObserved, SeekObserved, CloseObserved});
    if (!file) {
        ::close(fd);
        return FilePtr();
    }
    std::lock_guard<std::mutex> hold(RegistryLock());
    Registry()[file] = observed.release();
    return FilePtr(file);
}

std::string ObservedPath(std::FILE* file) {
    const Observed* o = Find(file);
    return o ? o->path : std::string();
}

void RenameObserved(std::FILE* file, const std::string& path) {
    if (Observed* o = Find(file)) o->path = path;
}

int DescriptorOf(std::FILE* file) {
    if (!file) return -1;
    const int fd = ::fileno(file);
    if (fd >= 0) return fd;
    const Observed* o = Find(file);
    return o ? o->fd : -1;
}

}  // namespace platform
