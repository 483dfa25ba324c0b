// File and directory services: owned C streams, record files found whatever
// the case of their names, one-level directory creation.
#pragma once

#include "platform/file_ptr.h"
#include "platform/streams.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

namespace platform {

// The errno of an opening refused because what stands at the path is no
// regular file (a FIFO, a socket, a device, a folder): it is neither read
// nor written, so that nothing waits on it. Every opening below refuses
// such a file.
inline constexpr int kNotRegularFile = ENODEV;
// " (not a regular file)" right after an opening refused so; "" after any
// other failure, whose line stays as it is.
std::string NotRegularReason();

// Opens a regular file as std::fopen does with `mode`, without waiting on
// what stands there; null when it cannot (errno kNotRegularFile for a file
// of another kind).
FilePtr OpenFile(const std::string& path, const char* mode);

// Closes the stream and reports whether everything written reached the file.
bool CloseFile(FilePtr& file);

// The path of an existing file whose name equals the file name of `path`
// without regard to case (the directory part is taken as it is). The exact
// name wins when it exists. Empty when no such file exists (errno ENOENT)
// or when its folder cannot be searched or listed (errno says why).
std::string FindFileAnyCase(const std::string& path);

// The county's type 1 file beside a record file of another type of its
// county (TGR25025.RTA beside TGR25025.RT1, .BW3 beside .BW1, .F62 beside
// .F61), found whatever the case of its name; empty when `path` is no such
// file or the type 1 file is not there.
std::string TypeOneFileBeside(const std::string& path);
// Whether `path` names, by its suffix in any case, a record file of a type
// other than 1 of any edition's family (.rt2, .rta, .bw3, .f62 ...).
bool IsOtherRecordFile(const std::string& path);

// Opens `path` for reading, finding its file name whatever the case. Null
// when it cannot: errno ENOENT when no such file is there, else why the
// file (or its folder) could not be read.
FilePtr OpenAnyCase(const std::string& path, const char* mode);

// Makes one directory; its parent must exist. False when it could not be made,
// which includes a directory that exists already.
bool MakeDirectory(const std::string& path);

bool FileExists(const std::string& path);
// What stands at `path`, a symbolic link itself not followed; `size` (when
// given) gets the length of what is there.
enum class PathKind { kMissing, kLink, kRegular, kOther };
PathKind KindOfPath(const std::string& path, long long* size = nullptr);
// True when both paths name one existing file (the same device and inode),
// whatever their names.
bool SameFile(const std::string& a, const std::string& b);
// Renames `from` to `to`, replacing `to`; false when it cannot, and when
// `to` is a symbolic link (errno ELOOP): a link is never replaced.
bool RenameFile(const std::string& from, const std::string& to);
bool IsDirectory(const std::string& path);
// Removes a file (a symbolic link itself, never what it points to).
bool RemoveFile(const std::string& path);
// RemoveFile, then its folder synchronised: the file is gone for good when
// it returns true; false (errno says why) when it could not be removed.
bool RemoveFileDurably(const std::string& path);
// True when `path` itself is a symbolic link (a trailing '/' ignored).
bool IsSymbolicLink(const std::string& path);
// Opens an existing regular file for reading and writing ("r+b") without
// following a symbolic link; null when it cannot (errno ELOOP for a link,
// kNotRegularFile for a file of another kind).
FilePtr OpenToUpdate(const std::string& path);
// Opens a file for appending ("a"), made when it is not there, never
// through a symbolic link; null when it cannot (errno ELOOP for a link,
// kNotRegularFile for a file of another kind).
FilePtr OpenToAppend(const std::string& path);
// Opens an existing regular file for appending ("a"), never through a
// symbolic link and without waiting on what is no regular file; null when
// it cannot (errno ELOOP for a link, kNotRegularFile for a file of another
// kind).
FilePtr OpenExistingToAppend(const std::string& path);
// Creates a new file for writing ("wb") that must not exist yet, not even
// as a link; null when it cannot.
FilePtr CreateNewFile(const std::string& path);
// True when the open descriptor `fd` is the very file (or folder) at `path`,
// which is no link.
bool IsOpenedAt(int fd, const std::string& path);

// flock(fd, operation), tried again when a signal interrupts it: 0, or -1
// with errno set.
int LockDescriptor(int fd, int operation);
// `folder` and the folders right below it that are no symbolic links, each
// followed by '/'.
std::vector<std::string> FolderAndSubfolders(const std::string& folder);
// Makes what was written to `file` durable (flushed and synchronised).
bool SyncFile(std::FILE* file);
// Flushes `file` and cuts (or lengthens) it to `length` bytes.
bool TruncateFile(std::FILE* file, long long length);
// Makes the entries of a folder (renames, removals) durable.
bool SyncFolder(const std::string& folder);
// Makes what was written to the regular file at `path` durable, opening it
// without following a symbolic link; false (errno set) when it cannot.
bool SyncPath(const std::string& path);

// True when `path` (an existing directory) lies on a file system mounted
// read-only.
bool IsReadOnlyFileSystem(const std::string& path);

// Removes the folder `path` when it is empty (never through a link);
// false (errno set) when it is not removed.
bool RemoveEmptyFolder(const std::string& path);

// Names of the entries of a directory (without "." and ".."), sorted.
std::vector<std::string> ListDirectory(const std::string& path);
// The same; false (errno set) when the directory cannot be read whole.
bool ReadDirectory(const std::string& path, std::vector<std::string>& names);

// Case-insensitive match of a name against a mask with '*' and '?'.
bool MatchesMask(const std::string& name, const std::string& mask);

std::string ToUpper(std::string text);
std::string ToLower(std::string text);

}  // namespace platform
