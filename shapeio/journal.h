// A journal beside the files of a layer that a run continues (organisation
// '3'): before a continued file is changed, its length and the bytes the
// change will overwrite are kept in the journal and flushed to disk. When
// the change is complete the journal goes (Commit); when the run undoes the
// change itself it goes too (Discard). A journal still there when a later
// run opens the layer means the run that wrote it was stopped half-way:
// Recover() puts every file it names back as it was and logs that it did.
#pragma once

#include "platform/files.h"
#include "shapeio/job_services.h"

#include <cstdint>
#include <string>

namespace shapeio {

class Journal {
public:
    Journal() = default;
    explicit Journal(std::string path) : path_(std::move(path)) {}
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    const std::string& path() const { return path_; }
    // The journal's file (before anything is recorded).
    void SetPath(std::string path) { path_ = std::move(path); }

    // Restores the files of an interrupted run from a journal left at the
    // path, logging each, and removes the journal. A journal only names
    // files beside it of its own layer, and only shortens them or puts back
    // bytes they had. False (logged, county failed) when the journal is
    // damaged or a file cannot be restored; the journal then stays.
    bool Recover(JobServices& services);

    // Records that `file` is continued from its `length` bytes.
    bool Begin(const std::string& file, int64_t length);
    // Records the bytes of `file` at `offset` before they are overwritten.
    bool Save(const std::string& file, int64_t offset, const std::string& bytes);

    // The change is complete (every file written and on disk).
    void Commit();
    // The change was undone by the run itself.
    void Discard() { Commit(); }

private:
    bool Append(const std::string& record);

    std::string path_;
    platform::FilePtr file_;
};

}  // namespace shapeio
