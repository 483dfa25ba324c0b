// Test helpers: a temporary directory that removes itself, file reading and
// writing, zip archives made with libzip.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& contents);
bool Exists(const std::string& path);

struct ZipMember {
    std::string name;
    std::string contents;
    bool symlink = false;  // stored as a Unix symbolic link pointing at `contents`
};
// Writes a zip archive with the given members.
void MakeZip(const std::string& path, const std::vector<ZipMember>& members);

// The directory of the real county archive, and whether it is there.
std::string RealCountyArchive();

}  // namespace testsupport
