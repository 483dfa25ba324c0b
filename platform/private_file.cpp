#include "platform/private_file.h"

#include "platform/file_changes.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr char kMarker[] = ".partial-";
constexpr size_t kMarkerLength = sizeof kMarker - 1;
constexpr size_t kRandomDigits = 16;

// 16 hex digits no other process can foresee.
std::string RandomDigits() {
    unsigned char bytes[kRandomDigits / 2] = {};
    size_t got = 0;
    while (got < sizeof bytes) {
        const ssize_t n = ::getrandom(bytes + got, sizeof bytes - got, 0);
        if (n < 0 && errno != EINTR) break;
        if (n > 0) got += static_cast<size_t>(n);
    }
    static const char kHex[] = "0123456789abcdef";
    std::string digits;
    for (unsigned char b : bytes) {
        digits += kHex[b >> 4];
        digits += kHex[b & 15];
    }
    return digits;
}

}  // namespace

bool PrivateFile::Create(const std::string& path) {
    Discard();
    target_ = path;
    // A run clearing leftovers may take the new file before it is locked
    // here; it then removes it, and another name is tried.
    for (int attempt = 0; attempt < 8; ++attempt) {
        privatePath_ = path + kMarker + RandomDigits();
        const int fd = ::open(privatePath_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            break;
        }
        TellFileChange(FileChange::Kind::kCreate, privatePath_);
        if (LockDescriptor(fd, LOCK_EX) != 0 || !IsOpenedAt(fd, privatePath_)) {
            ::close(fd);
            continue;
        }
        file_ = StreamOver(fd, "w+b", privatePath_);
        if (!file_) {
            RemoveFile(privatePath_);
            break;
        }
        return true;
    }
    privatePath_.clear();
    return false;
}

PrivateFile& PrivateFile::operator=(PrivateFile&& other) noexcept {
    if (this == &other) return *this;
    Discard();
    file_ = std::move(other.file_);
    target_ = std::move(other.target_);
    privatePath_ = std::move(other.privatePath_);
    other.privatePath_.clear();
    return *this;
}

bool PrivateFile::Place() {
    if (!file_) return false;
    // The stream is closed first, so that whatever its close reports fails
    // the write; a second descriptor keeps the lock until the file is
    // renamed or removed, so that no other run can take it meanwhile.
    const int held = ::fcntl(DescriptorOf(file_.get()), F_DUPFD_CLOEXEC, 0);
    bool placed = held >= 0 && CloseFile(file_) && RenameFile(privatePath_, target_);
    const int error = errno;
    if (!placed) RemoveFile(privatePath_);
    if (held >= 0) ::close(held);
    file_.reset();
    privatePath_.clear();
    errno = error;
    return placed;
}

FilePtr PrivateFile::PlaceAsNew() {
    if (!file_) return nullptr;
    // Renamed without replacing anything; where the file system cannot, a
    // second name is made (which fails just as well on a name taken) and the
    // private one removed.
    bool placed = ::renameat2(AT_FDCWD, privatePath_.c_str(), AT_FDCWD, target_.c_str(), RENAME_NOREPLACE) == 0;
    if (placed) TellFileChange(FileChange::Kind::kRename, privatePath_, target_);
    if (!placed && (errno == EINVAL || errno == ENOSYS)) {
        placed = ::link(privatePath_.c_str(), target_.c_str()) == 0;
        if (placed) {
            TellFileChange(FileChange::Kind::kLink, privatePath_, target_);
            RemoveFile(privatePath_);
        }
    }
    if (!placed) {
        const int error = errno;
        Discard();
        errno = error;
        return nullptr;
    }
    privatePath_.clear();
    RenameObserved(file_.get(), target_);
    return std::move(file_);
}

void PrivateFile::Discard() {
    if (!file_) return;
    RemoveFile(privatePath_);
    file_.reset();
    privatePath_.clear();
}

bool IsPrivateFileName(const std::string& name) {
    if (name.size() <= kMarkerLength + kRandomDigits) return false;
    const size_t at = name.size() - kRandomDigits - kMarkerLength;
    if (name.compare(at, kMarkerLength, kMarker) != 0) return false;
    for (size_t i = at + kMarkerLength; i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    return true;
}

std::vector<std::string> UnheldPrivateFiles(const std::string& folder) {
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    std::vector<std::string> unheld;
    for (const std::string& name : ListDirectory(folder)) {
        if (!IsPrivateFileName(name)) continue;
        const std::string path = prefix + name;
        // Opened without following a link and without waiting on a FIFO;
        // only a regular file is ever one of ours.
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st;
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            IsOpenedAt(fd, path)) {
            unheld.push_back(path);
        }
        ::close(fd);
    }
    return unheld;
}

void RemoveUnheldPrivateFiles(const std::string& folder) {
    for (const std::string& path : UnheldPrivateFiles(folder)) RemoveFile(path);
}

bool WriteWholeFile(const std::string& path, const std::string& bytes, bool durable) {
    PrivateFile file;
    if (!file.Create(path)) return false;
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return written && (!durable || file.Sync()) && file.Place();
}

}  // namespace platform
