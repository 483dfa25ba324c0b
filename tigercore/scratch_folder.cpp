#include "tigercore/scratch_folder.h"

#include "platform/files.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace tigercore {

namespace {

constexpr char kPrefix[] = ".pellard-scratch-";

// Removes the scratch folders of processes that are gone (killed before
// they could remove their own): "<prefix><pid>-<unique>".
void RemoveStaleFolders(const std::string& parent) {
    const std::string prefix(kPrefix);
    for (const std::string& name : platform::ListDirectory(parent)) {
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
        if (pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)) {
            const std::string folder = parent + "/" + name;
            for (const std::string& entry : platform::ListDirectory(folder)) platform::RemoveFile(folder + "/" + entry);
            ::rmdir(folder.c_str());
        }
    }
}

}  // namespace

bool ScratchFolder::Make(const std::string& parent) {
    Remove();
    const std::string where = parent.empty() ? std::string(".") : parent;
    RemoveStaleFolders(where);
    std::string pattern = where + "/" + kPrefix + std::to_string(static_cast<long>(::getpid())) + "-XXXXXX";
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
