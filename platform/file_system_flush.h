// One flush of a whole file system (syncfs), through a folder on it that is
// held open from before the writes it is to make durable: the kernel then
// reports a write of the file system that failed since the folder was
// opened. Kernels before Linux 5.8 do not (syncfs returned 0 whatever
// happened): there a flush is not trusted, and callers flush what they
// wrote file by file instead.
#pragma once

#include <string>

namespace platform {

// Whether syncfs reports the write errors of its file system (Linux 5.8 on),
// unless told otherwise by TrustFileSystemFlush.
bool FileSystemFlushTrusted();
// Takes syncfs for trusted (1) or not (0) whatever the kernel, or as the
// kernel says (-1): for trying both ways on one machine.
void TrustFileSystemFlush(int trusted);

class FileSystemFlush {
public:
    FileSystemFlush() = default;
    ~FileSystemFlush() { Close(); }
    FileSystemFlush(const FileSystemFlush&) = delete;
    FileSystemFlush& operator=(const FileSystemFlush&) = delete;

    // Holds `folder` open, for the flushes of its file system to come;
    // false (errno set) when it cannot be opened. Opening it again keeps the
    // folder held already.
    bool Open(const std::string& folder);
    bool IsOpen() const { return fd_ >= 0; }
    void Close();
    // Everything written to the file system is durable: false (errno set)
    // when the folder is not held, the flush failed, or a write to the file
    // system failed since the folder was opened.
    bool Flush();

private:
    int fd_ = -1;
    std::string folder_;
};

}  // namespace platform
