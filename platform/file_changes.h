// Every change the file layer makes to files and folders, and every flush,
// told as it is made to the one observer a process may have (none by
// default). What a power cut would leave of a folder can be worked out from
// them: what was made durable, and what was only written since.
//
// While an observer is there, the streams the file layer opens for writing
// go through it (their descriptor is reached by DescriptorOf, not fileno),
// so that every write is told with its offset and bytes, in the order the
// process made them. Streams opened for reading only are not told.
#pragma once

#include <functional>
#include <string>

namespace platform {

struct FileChange {
    enum class Kind {
        kCreate,      // `path` made, empty (an existing file cut to nothing is a kTruncate)
        kWrite,       // `bytes` written to `path` at `offset`
        kTruncate,    // `path` cut (or lengthened) to `offset` bytes
        kRename,      // `path` renamed to `to`, replacing what stood there
        kLink,        // `path` given the second name `to`
        kRemove,      // the file `path` removed
        kMakeFolder,  // the folder `path` made
        kRemoveFolder,
        kSyncFile,        // the data of `path` made durable
        kSyncFolder,      // the entries of the folder `path` made durable
        kSyncFileSystem,  // everything on the file system of `path` made durable
    };
    Kind kind;
    std::string path;
    std::string to;
    long long offset = 0;
    std::string bytes;
};

using FileChangeObserver = std::function<void(const FileChange&)>;

// Sets the observer (an empty one: none). Streams opened before keep the
// way they were opened.
void ObserveFileChanges(FileChangeObserver observer);
bool ObservingFileChanges();
// Tells the observer, when there is one.
void TellFileChange(FileChange::Kind kind, const std::string& path, const std::string& to = std::string(),
                    long long offset = 0, std::string bytes = std::string());

}  // namespace platform
