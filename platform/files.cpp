#include "platform/files.h"

#include "platform/file_changes.h"
#include "platform/paths.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace platform {

bool CloseFile(FilePtr& file) {
    if (!file) return false;
    bool ok = std::ferror(file.get()) == 0;
    ok = (std::fclose(file.release()) == 0) && ok;
    return ok;
}

std::string ToUpper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string ToLower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

PathKind KindOfPath(const std::string& path, long long* size) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT || errno == ENOTDIR ? PathKind::kMissing : PathKind::kOther;
    if (size) *size = static_cast<long long>(st.st_size);
    if (S_ISLNK(st.st_mode)) return PathKind::kLink;
    return S_ISREG(st.st_mode) ? PathKind::kRegular : PathKind::kOther;
}

bool IsDirectory(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool RemoveFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) return false;
    TellFileChange(FileChange::Kind::kRemove, path);
    return true;
}

bool IsSymbolicLink(const std::string& path) {
    std::string bare = path;
    while (bare.size() > 1 && bare.back() == '/') bare.pop_back();
    struct stat st;
    return !bare.empty() && ::lstat(bare.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

namespace {

// Opens `path` with `flags` when a regular file stands there (or is made):
// opened without waiting, so that a FIFO never holds the open up (one
// without a reader refuses a writer: ENXIO), then the waiting of reads and
// writes given back. -1 with errno kNotRegularFile for a file of another
// kind.
int OpenRegular(const std::string& path, int flags) {
    long long size = 0;
    const bool existed =
        !ObservingFileChanges() || (flags & O_CREAT) == 0 || KindOfPath(path, &size) != PathKind::kMissing;
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == ENXIO) errno = kNotRegularFile;
        return -1;
    }
    struct stat st;
    int error = 0;
    if (::fstat(fd, &st) != 0) {
        error = errno;
    } else if (!S_ISREG(st.st_mode)) {
        error = kNotRegularFile;
    } else {
        const int status = ::fcntl(fd, F_GETFL);
        if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) error = errno;
    }
    if (error == 0) {
        if (!existed) TellFileChange(FileChange::Kind::kCreate, path);
        else if ((flags & O_TRUNC) && size > 0) TellFileChange(FileChange::Kind::kTruncate, path);
        return fd;
    }
    ::close(fd);
    errno = error;
    return -1;
}

// The open(2) flags of a std::fopen mode; -1 for a mode it does not take.
int FlagsOfMode(const char* mode) {
    int flags = 0;
    switch (mode[0]) {
        case 'r': flags = O_RDONLY; break;
        case 'w': flags = O_WRONLY | O_CREAT | O_TRUNC; break;
        case 'a': flags = O_WRONLY | O_CREAT | O_APPEND; break;
        default: return -1;
    }
    for (const char* c = mode + 1; *c; ++c) {
        if (*c == '+') flags = (flags & ~(O_RDONLY | O_WRONLY)) | O_RDWR;
        else if (*c == 'x') flags |= O_EXCL;
    }
    return flags;
}

}  // namespace

std::string NotRegularReason() { return errno == kNotRegularFile ? " (not a regular file)" : ""; }

FilePtr OpenFile(const std::string& path, const char* mode) {
    const int flags = FlagsOfMode(mode);
    if (flags < 0) {
        errno = EINVAL;
        return FilePtr();
    }
    const int fd = OpenRegular(path, flags);
    return fd < 0 ? FilePtr() : StreamOver(fd, mode, path);
}

FilePtr OpenToUpdate(const std::string& path) {
    return StreamOver(OpenRegular(path, O_RDWR | O_NOFOLLOW), "r+b", path);
}

FilePtr OpenToAppend(const std::string& path) {
    return StreamOver(OpenRegular(path, O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW), "a", path);
}

FilePtr OpenExistingToAppend(const std::string& path) {
    return StreamOver(OpenRegular(path, O_WRONLY | O_APPEND | O_NOFOLLOW), "a", path);
}

FilePtr CreateNewFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) TellFileChange(FileChange::Kind::kCreate, path);
    return StreamOver(fd, "wb", path);
}

bool IsOpenedAt(int fd, const std::string& path) {
    struct stat opened, named;
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

int LockDescriptor(int fd, int operation) {
    int locked;
    while ((locked = ::flock(fd, operation)) != 0 && errno == EINTR) {
    }
    return locked;
}

std::vector<std::string> FolderAndSubfolders(const std::string& folder) {
    const std::string prefix = folder.empty() ? std::string("./") : folder.back() == '/' ? folder : folder + "/";
    std::vector<std::string> folders{prefix};
    for (const std::string& name : ListDirectory(prefix)) {
        struct stat st;
        if (::lstat((prefix + name).c_str(), &st) == 0 && S_ISDIR(st.st_mode)) folders.push_back(prefix + name + "/");
    }
    return folders;
}

bool SyncFile(std::FILE* file) {
    if (!file || std::fflush(file) != 0 || ::fsync(DescriptorOf(file)) != 0) return false;
    TellFileChange(FileChange::Kind::kSyncFile, ObservedPath(file));
    return true;
}

bool TruncateFile(std::FILE* file, long long length) {
    if (!file || std::fflush(file) != 0 || ::ftruncate(DescriptorOf(file), static_cast<off_t>(length)) != 0) {
        return false;
    }
    TellFileChange(FileChange::Kind::kTruncate, ObservedPath(file), std::string(), length);
    return true;
}

namespace {

// Syncs what `path` opened with `flags` names, keeping the reason of a
// failure in errno.
bool SyncOpened(const char* path, int flags) {
    const int fd = ::open(path, flags | O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (synced) {
        TellFileChange((flags & O_DIRECTORY) ? FileChange::Kind::kSyncFolder : FileChange::Kind::kSyncFile, path);
    }
    errno = error;
    return synced;
}

}  // namespace

bool SyncFolder(const std::string& folder) { return SyncOpened(folder.empty() ? "." : folder.c_str(), O_DIRECTORY); }

bool RemoveFileDurably(const std::string& path) { return RemoveFile(path) && SyncFolder(DirectoryOfPath(path)); }

bool SyncPath(const std::string& path) { return SyncOpened(path.c_str(), O_NOFOLLOW | O_NONBLOCK); }

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa, sb;
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool RenameFile(const std::string& from, const std::string& to) {
    if (IsSymbolicLink(to)) {
        errno = ELOOP;
        return false;
    }
    if (std::rename(from.c_str(), to.c_str()) != 0) return false;
    TellFileChange(FileChange::Kind::kRename, from, to);
    return true;
}

bool MakeDirectory(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) != 0) return false;
    TellFileChange(FileChange::Kind::kMakeFolder, path);
    return true;
}

bool IsReadOnlyFileSystem(const std::string& path) {
    struct statvfs vfs;
    if (::statvfs(path.c_str(), &vfs) != 0) return false;
    return (vfs.f_flag & ST_RDONLY) != 0;
}

bool RemoveEmptyFolder(const std::string& path) {
    if (::rmdir(path.c_str()) != 0) return false;
    TellFileChange(FileChange::Kind::kRemoveFolder, path);
    return true;
}

bool ReadDirectory(const std::string& path, std::vector<std::string>& names) {
    names.clear();
    DIR* dir = ::opendir(path.empty() ? "." : path.c_str());
    if (!dir) return false;
    errno = 0;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    const int error = errno;
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    errno = error;
    return error == 0;
}

std::vector<std::string> ListDirectory(const std::string& path) {
    std::vector<std::string> names;
    ReadDirectory(path, names);
    return names;
}

std::string FindFileAnyCase(const std::string& path) {
    if (FileExists(path)) return path;
    std::string::size_type slash = path.rfind('/');
    std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    errno = ENOENT;
    if (name.empty()) return std::string();
    std::string wanted = ToLower(name);
    std::vector<std::string> entries;
    // A folder that cannot be listed says nothing of what it holds.
    if (!ReadDirectory(dir.empty() ? "." : dir, entries)) return std::string();
    for (const std::string& entry : entries) {
        if (ToLower(entry) == wanted && FileExists(dir + entry)) return dir + entry;
    }
    errno = ENOENT;
    return std::string();
}

bool IsOtherRecordFile(const std::string& path) {
    const std::string extension = ToLower(ExtensionOfPath(path));
    if (extension.size() != 3 || extension[2] == '1') return false;
    const std::string family = extension.substr(0, 2);
    return family == "rt" || family == "bw" || family == "f6";
}

std::string TypeOneFileBeside(const std::string& path) {
    if (!IsOtherRecordFile(path)) return std::string();
    return FindFileAnyCase(path.substr(0, path.size() - 1) + "1");
}

FilePtr OpenAnyCase(const std::string& path, const char* mode) {
    std::string found = FindFileAnyCase(path);
    if (found.empty()) return FilePtr();
    return OpenFile(found, mode);
}

namespace {
bool MatchFrom(const char* name, const char* mask) {
    // Iterative wildcard match with backtracking to the last '*'.
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*name) {
        unsigned char n = static_cast<unsigned char>(*name);
        unsigned char m = static_cast<unsigned char>(*mask);
        if (m == '*') {
            star = mask++;
            resume = name;
        } else if (m == '?' || (m && std::tolower(m) == std::tolower(n))) {
            ++name;
            ++mask;
        } else if (star) {
            mask = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*mask == '*') ++mask;
    return *mask == '\0';
}
}  // namespace

bool MatchesMask(const std::string& name, const std::string& mask) {
    return MatchFrom(name.c_str(), mask.c_str());
}

}  // namespace platform
