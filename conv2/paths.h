// Parts of a path ('/' separates folders).
#pragma once

#include <string>

namespace vornak2 {

// The text after the last '/'; empty when there is none.
std::string FileNameOfPath(const std::string& path);
// The path up to and including its last '/'; empty when there is none.
std::string DirectoryOfPath(const std::string& path);
// FileNameOfPath cut before its last '.'; the whole name when it has none.
std::string FileTitleOfPath(const std::string& path);

}  // namespace vornak2
