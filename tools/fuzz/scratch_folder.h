// A folder of its own under the system's temporary directory for the inputs
// and outputs of one fuzz entry, emptied before each input and removed when
// the process ends.
#pragma once

#include <string>
#include <string_view>

namespace fuzz {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    // Removes everything inside the folder.
    void Clear() const;

private:
    std::string path_;
};

// Writes `bytes` into a new file; aborts when it cannot (the fuzz entry
// cannot go on without its input on disk).
void WriteBytes(const std::string& path, std::string_view bytes);
// Makes a directory; aborts when it cannot.
void MakeFolder(const std::string& path);
// The whole contents of a file ("" when it cannot be read).
std::string ReadBytes(const std::string& path);
// Removes a file or a folder with everything in it (links are not followed).
void RemoveTree(const std::string& path);

}  // namespace fuzz
