// A folder that one job at a time works in: an advisory lock (flock) on the
// folder itself. A job that unpacks a county into the shared folder
// "unzipped" holds it from the unpacking to the removal of what it
// unpacked, so that a second job unpacking files of the same names waits
// instead of reading or removing the first one's files.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform {

class FolderLock {
public:
    FolderLock() = default;
    ~FolderLock() { Release(); }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Whether a folder held may be reached through a symbolic link: the
    // folders the user gives may, those this system makes may not.
    enum class Links { kFollowed, kRefused };

    // Holds `folder`, waiting as long as another job holds it; `waited`
    // tells whether it had to. False (errno says why: ELOOP for a link that
    // is refused) when the folder cannot be opened or locked. Holding it
    // again is a no-op.
    bool Hold(const std::string& folder, bool& waited, Links links);
    // Holds `folder` only when no other job holds it, without waiting and
    // never through a link: for a folder this system made itself. False when
    // another job holds it, it cannot be opened, or it was removed or
    // replaced meanwhile.
    bool TryHold(const std::string& folder);
    // Lets go of the folder (also when the process ends).
    void Release();
    // Whether the folder held is still the one at its path (not removed,
    // nor replaced, while this waited for it).
    bool HeldAtItsPath() const;
    // Removes the folder held when it is empty, then lets go of it; a job
    // that waited for it holds it no more (HeldAtItsPath) and makes it anew.
    void RemoveIfEmptyAndRelease();
    bool Held() const { return fd_ >= 0; }
    // Removes the files in the folder held, through the descriptor that
    // holds it: a link put in the folder's place meanwhile leads nowhere.
    void RemoveFilesInHeldFolder() const;
    // Removes the files in the folder held whose names `chosen` takes, the
    // same way; a directory is never removed, a symbolic link is removed
    // itself. Returns the names removed, sorted.
    std::vector<std::string> RemoveFilesInHeldFolder(const std::function<bool(const std::string&)>& chosen) const;

private:
    int fd_ = -1;
    std::string path_;  // the folder held, as it was named
};

}  // namespace platform
