// A file written under a private name beside its own and put in place when
// complete: "<file>.partial-<16 hex digits>", created exclusively (never
// through a link) under a name no other process can guess, and locked
// (flock) for as long as the process that writes it holds it open. One that
// nobody holds is a leftover of a run that ended before it could put it in
// place: any later run may remove it (RemoveUnheldPrivateFiles).
#pragma once

#include "platform/files.h"

#include <string>
#include <utility>
#include <vector>

namespace platform {

class PrivateFile {
public:
    PrivateFile() = default;
    ~PrivateFile() { Discard(); }
    PrivateFile(const PrivateFile&) = delete;
    PrivateFile& operator=(const PrivateFile&) = delete;
    // Takes over the other's file, which is left with none.
    PrivateFile(PrivateFile&& other) noexcept { *this = std::move(other); }
    PrivateFile& operator=(PrivateFile&& other) noexcept;

    // Creates the private file beside `path`, open for reading and writing;
    // false when it cannot be made.
    bool Create(const std::string& path);
    std::FILE* get() const { return file_.get(); }
    bool IsOpen() const { return file_ != nullptr; }
    // The file's own name, which Place() gives it, and its private one.
    const std::string& target() const { return target_; }
    const std::string& privatePath() const { return privatePath_; }
    // Everything written is on disk; the file stays open and held.
    bool Sync() { return SyncFile(file_.get()); }
    // Closes the file and renames it to its own name (refused when a
    // symbolic link stands there); when either fails, the file is removed
    // and false returned.
    bool Place();
    // Gives the file its own name, where nothing may stand yet (not even a
    // link: errno EEXIST), and hands over its stream, still open; null (the
    // file removed) when it cannot.
    FilePtr PlaceAsNew();
    // Closes and removes the file.
    void Discard();

private:
    FilePtr file_;
    std::string target_;
    std::string privatePath_;
};

// Whether a file name is that of a private file.
bool IsPrivateFileName(const std::string& name);
// The private files in `folder` that no process holds (their paths).
std::vector<std::string> UnheldPrivateFiles(const std::string& folder);
// Removes the private files in `folder` that no process holds.
void RemoveUnheldPrivateFiles(const std::string& folder);

// Writes `bytes` as the whole of the file `path`: under a private name, put
// in place when it is on disk (`durable`; else once written, to be made
// durable with others), so that the file is never seen empty or cut. False
// (and nothing changed) when it cannot, or when `path` is a link.
bool WriteWholeFile(const std::string& path, const std::string& bytes, bool durable = true);

}  // namespace platform
