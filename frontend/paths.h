// Parts of a path; "last" is found from the end of the string.
#pragma once

#include <string>

namespace frontend {

// The text left of the last '/', without it; "" when there is none.
std::string FolderOfPath(const std::string& path);
// The text right of the last '.'; "" when there is none.
std::string ExtensionOfPath(const std::string& path);
// The text right of the last '/'; "" when there is none.
std::string FileNameOfPath(const std::string& path);
// FileNameOfPath cut before its last '.'; the whole name when it has none.
std::string FileTitleOfPath(const std::string& path);

// `path` made absolute against the current directory ("." and ".." parts
// resolved by their text, no trailing '/' except for the root).
std::string AbsolutePath(const std::string& path);

}  // namespace frontend
