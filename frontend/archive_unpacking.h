// A zip archive of GO's job list: its county unpacked into "unzipped" under
// the output parent directory before the library call, and what was
// unpacked deleted from there after it. From the unpacking until the object
// goes, the folder is held against other jobs that unpack files of the same
// names into it.
#pragma once

#include "platform/folder_lock.h"
#include "platform/zip_control.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace frontend {

class ArchiveUnpacking {
public:
    // `zip` is the main dialog's zip control, whose listing event adds each
    // name listed to `listedNames` outside the clean-up pass. Message boxes
    // go to `out`.
    ArchiveUnpacking(platform::ZipControl& zip, std::vector<std::string>& listedNames, std::ostream& out);
    ArchiveUnpacking(const ArchiveUnpacking&) = delete;
    ArchiveUnpacking& operator=(const ArchiveUnpacking&) = delete;

    // Holds "unzipped" (gUnzipDir), finds which record files the archive
    // holds (.rt?, .bw? or .f6?), tells of an archive of several counties
    // (the first is converted), removes what an earlier job of the county
    // left there (telling of each file) and unpacks the county's record files
    // with their .met. False when the county is not converted: a message box
    // says why, and a failed unpacking is cleaned up.
    bool Unpack(const std::string& archivePath);
    // The county's first record file in "unzipped", under the name the
    // archive gives it.
    const std::string& InputPath() const { return inputPath_; }
    // Lists the archive with the masks it was unpacked with, gZipCleanupPass
    // 1: each entry named is deleted from "unzipped", and nothing else.
    void CleanUp();

private:
    platform::ZipControl& zip_;
    std::vector<std::string>& listedNames_;
    std::ostream& out_;
    platform::FolderLock hold_;
    std::string archivePath_;
    std::string masks_;  // of the unpacking
    std::string inputPath_;
};

}  // namespace frontend
