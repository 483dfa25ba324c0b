// What a power cut would leave of a folder, worked out from the changes the
// file layer tells (platform/file_changes.h) while a run writes into it:
// each file's data reaches the disk when the file, or its whole file
// system, is flushed, each name made, renamed or removed when its folder
// (or its file system) is. A cut after any change may lose, of every file,
// all that was written since its last flush, or only the last part of it,
// or any of the 512-byte sectors written since, each on its own (a lost
// sector reads back as what it held, zeros or garbage); and every name op
// since its folder's last flush is undone, or all of them kept.
#pragma once

#include "platform/file_changes.h"

#include <map>
#include <string>
#include <vector>

namespace testsupport {

// Records the changes under `folder` from its making to its end; the state
// of the folder when it is made is where the changes start from.
class ChangeRecording {
public:
    explicit ChangeRecording(const std::string& folder);
    ~ChangeRecording();
    ChangeRecording(const ChangeRecording&) = delete;
    ChangeRecording& operator=(const ChangeRecording&) = delete;

    // Stops recording (also at the end).
    void Stop();
    const std::vector<platform::FileChange>& changes() const { return changes_; }
    // How many changes were flushes.
    int Flushes() const;

    // What a file keeps of what was written to it since its last flush: all
    // of it but the second half of its last write (and a cut of its length),
    // or nothing; with every name op since its folder's last flush undone.
    // Or, as a kill leaves it, nothing lost; or the name ops kept and every
    // file's data lost (as a file system that commits names first may).
    enum class Loss {
        kAll,
        kLastPart,
        kJournals,  // the journals lose all, every other file its last part
        kOthers,    // the journals lose their last part, every other file all
        kNone,
        kNamesKept,
        // Each sector of each write since the file's last flush kept or lost
        // on its own, a lost one reading back as what the disk held there
        // (zeros past the durable end) or as garbage; the file as long as the
        // process left it, and the name ops kept or undone: drawn from a
        // seed, a different subset for each.
        kSectors,
    };
    static constexpr Loss kLosses[] = {Loss::kAll,  Loss::kLastPart,  Loss::kJournals, Loss::kOthers,
                                       Loss::kNone, Loss::kNamesKept, Loss::kSectors};
    // What a cut after the first `count` changes leaves: every file (by its
    // path relative to the folder, "/" ending a folder, as FolderFiles gives
    // them) with its contents. `seed` draws the sectors kept (kSectors).
    std::map<std::string, std::string> StateAfter(size_t count, Loss loss, unsigned seed = 0) const;

private:
    std::string root_;  // the folder, without a '/' behind it
    std::map<std::string, std::string> start_;
    std::vector<platform::FileChange> changes_;
    bool recording_ = false;
};

// The points of a recording worth cutting at: right before every flush and
// right before and after every name op, and at its end.
std::vector<size_t> CutPoints(const std::vector<platform::FileChange>& changes);

// Writes a folder's files (as StateAfter gives them) into the empty folder
// `folder`.
void MakeFolderFiles(const std::string& folder, const std::map<std::string, std::string>& files);

}  // namespace testsupport
