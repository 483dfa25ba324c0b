// The scratch files of a county (a.tmp and the five polygon scratch files)
// live in a folder private to the process that converts it: made with a
// unique name beside the outputs when the county starts, removed with
// everything in it when the county ends. Two jobs converting into one
// folder never meet there, and a user's own files of those names are left
// alone.
#pragma once

#include <string>

namespace tigercore {

class ScratchFolder {
public:
    ScratchFolder() = default;
    ~ScratchFolder() { Remove(); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Makes a new folder in `parent`; false (and an empty path) when it
    // cannot be made. Folders there of processes that are gone go first.
    bool Make(const std::string& parent);
    // Removes the folder and the files in it.
    void Remove();
    // The folder followed by '/', or "" when there is none.
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace tigercore
