// Test helpers: a temporary directory that removes itself, file reading and
// writing, folder listings, zip archives made with libzip.
#pragma once

#include <cstdint>
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
// The lines of a record file, a carriage return at the end of a line
// removed, each line cut or padded with blanks to `width` characters.
std::vector<std::string> RecordLines(const std::string& path, size_t width = 230);
// The names of the files in `folder` that end in `ending` (and are longer
// than it), sorted.
std::vector<std::string> FilesEndingIn(const std::string& folder, const std::string& ending);

struct ZipMember {
    std::string name;
    std::string contents;
    bool symlink = false;  // stored as a Unix symbolic link pointing at `contents`
};
// Writes a zip archive with the given members.
void MakeZip(const std::string& path, const std::vector<ZipMember>& members);
// Makes every member of the archive declare `size` bytes unpacked, in its
// local header and in the central directory alike (a lying archive).
void DeclareZipSizes(const std::string& path, uint32_t size);

}  // namespace testsupport
