// Checks of the output parent directory. A folder on a read-only file
// system plays the part of a CD-ROM drive: nothing can be written there.
#pragma once

#include <string>

namespace frontend {

using FolderPredicate = bool (*)(const std::string& folder);

// Whether the folder counts as a CD-ROM; by default, whether it lies on a
// read-only file system. Tests may set another predicate (null restores
// the default).
bool IsCdRomFolder(const std::string& folder);
void SetCdRomTest(FolderPredicate predicate);

// Why output cannot go to `folder` (the message to show); empty when it can.
std::string OutputDirectoryProblem(const std::string& folder);

// The process's current directory.
std::string CurrentDirectory();

}  // namespace frontend
