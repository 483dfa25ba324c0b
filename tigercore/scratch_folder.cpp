#include "tigercore/scratch_folder.h"

#include "platform/files.h"

#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace tigercore {

bool ScratchFolder::Make(const std::string& parent) {
    Remove();
    std::string pattern = (parent.empty() ? std::string(".") : parent) + "/.pellard-scratch-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!::mkdtemp(name.data())) return false;
    path_ = std::string(name.data()) + "/";
    return true;
}

void ScratchFolder::Remove() {
    if (path_.empty()) return;
    const std::string folder = path_.substr(0, path_.size() - 1);
    for (const std::string& entry : platform::ListDirectory(folder)) platform::RemoveFile(path_ + entry);
    ::rmdir(folder.c_str());
    path_.clear();
}

}  // namespace tigercore
