// An output file that can be undone. A layer that fails part-way must leave
// no file whose header disagrees with its contents: a file this object
// created is removed again, and an existing file it continued gets back its
// original length and the original bytes of every range it overwrote, so the
// rows of earlier counties stay as they were.
//
// The same holds when the process is killed: a new file is written under a
// private name and only renamed to its own name once complete (Keep), and a
// continued file's length and overwritten bytes go to a journal on disk
// before it changes, so that a later run can put it back (journal.h). No
// file is written, cut or replaced through a symbolic link.
#pragma once

#include "platform/files.h"
#include "platform/private_file.h"
#include "shapeio/held_stream.h"
#include "shapeio/journal.h"
#include "shapeio/kept_files.h"

#include <cstdint>
#include <string>
#include <vector>

namespace shapeio {

class GuardedFile {
public:
    GuardedFile() = default;
    ~GuardedFile();  // undoes everything unless Keep() was called
    GuardedFile(const GuardedFile&) = delete;
    GuardedFile& operator=(const GuardedFile&) = delete;

    // Creates the file for writing, under a private name beside `path`
    // (platform/private_file.h) until Keep() puts it in place of any file of
    // that name; a `journal` then notes first what was there. False when a
    // symbolic link or a folder stands at `path`.
    bool Create(const std::string& path, Journal* journal = nullptr);
    // Opens an existing regular file for reading and writing ("r+b"),
    // never through a symbolic link; false when it cannot be opened. Its
    // length and every range preserved are kept in `journal` before the
    // file changes.
    bool OpenExisting(const std::string& path, Journal& journal);
    // After OpenExisting() failed: nothing was there to open. A file that
    // is there but could not be opened must never be created anew, which
    // would put a new file in place of its rows.
    bool NothingThere() const { return nothingThere_; }

    // The file is made durable with the county's other files (`kept`, when
    // the county ends) instead of when it is closed; null: when it is closed.
    void SyncLater(KeptFiles* kept) { kept_ = kept; }

    bool IsOpen() const { return get() != nullptr; }
    // Something written is not kept or undone yet.
    bool Pending() const { return active_; }
    // The stream, until Close().
    std::FILE* get() const { return closed_ ? nullptr : Stream(); }
    const std::string& path() const { return path_; }
    bool created() const { return created_; }
    // Length of an existing file when it was opened (0 for a created one).
    int64_t originalSize() const { return originalSize_; }

    // Remembers the present bytes of [offset, offset + length) that lie within
    // the original file, so that Rollback() can put them back. Call it before
    // overwriting them. The stream is left at an unspecified position.
    bool Preserve(int64_t offset, int64_t length);

    // Ends the writing and, when `length` is 0 or more, cuts the file to that
    // length; the file's data is on disk when it returns true (unless it is
    // made durable later, SyncLater). False when
    // something written did not reach the file. A created file stays held
    // under its private name until Keep() or Rollback().
    bool Close(int64_t length = -1);
    // The file stays as written; nothing is undone any more. A created file
    // takes its own name; false when it cannot (it is then removed). A file
    // made durable later is added to those kept.
    bool Keep();
    // Removes a created file; gives an existing file back its original length
    // and preserved bytes. False when the file could not be restored.
    bool Rollback();

private:
    struct SavedRange {
        int64_t offset;
        std::string bytes;
    };
    std::FILE* Stream() const { return created_ ? newFile_.get() : deferred_ ? held_.get() : file_.get(); }

    platform::FilePtr file_;       // a continued file
    platform::PrivateFile newFile_;  // a created file
    std::string path_;
    Journal* journal_ = nullptr;
    KeptFiles* kept_ = nullptr;
    bool created_ = false;
    bool active_ = false;  // something to undo
    bool closed_ = false;  // Close() was called
    bool nothingThere_ = false;
    // A continued file of a change's journal (Journal::Defers): written
    // through `held_`, which keeps its first bytes as they were.
    bool deferred_ = false;
    HeldStream held_;
    int64_t originalSize_ = 0;
    std::vector<SavedRange> saved_;
};

}  // namespace shapeio
