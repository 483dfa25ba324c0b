// Parts of a path ('/' separates folders; "last" is found from the end of
// the string). A path without any '/' names a file in the current directory.
#pragma once

#include <string>

namespace platform {

// The text right of the last '/'; the whole path when it has none.
std::string FileNameOfPath(const std::string& path);
// The path up to and including its last '/'; "" when there is none.
std::string DirectoryOfPath(const std::string& path);
// The text left of the last '/', without it; "" when there is none.
std::string FolderOfPath(const std::string& path);
// FileNameOfPath cut before its last '.'; the whole name when it has none.
std::string FileTitleOfPath(const std::string& path);
// The text right of the last '.'; "" when there is none.
std::string ExtensionOfPath(const std::string& path);

// The name a county's outputs and log start with, from the path of its
// first record file or of the archive that holds it: the file title; a
// title of 9 or more characters keeps its first 3 and last 5 characters.
std::string CountyBaseName(const std::string& path);
// The log both libraries write for the county of `input` (its first record
// file or its archive) in `outputDir`: "<outputDir>/<CountyBaseName>.log";
// "" for an empty `outputDir`, where no library writes one.
std::string CountyLogPath(const std::string& outputDir, const std::string& input);

// `path` made absolute against the current directory ("." and ".." parts
// resolved by their text, no trailing '/' except for the root).
std::string AbsolutePath(const std::string& path);

}  // namespace platform
