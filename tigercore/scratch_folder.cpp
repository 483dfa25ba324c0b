#include "tigercore/scratch_folder.h"

#include "platform/files.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace tigercore {

namespace {

constexpr char kPrefix[] = ".pellard-scratch-";

// Removes a scratch folder and the files in it.
void RemoveFolderWithFiles(const std::string& folder) {
    for (const std::string& entry : platform::ListDirectory(folder)) platform::RemoveFile(folder + "/" + entry);
    ::rmdir(folder.c_str());
}

// Removes the scratch folders of processes that are gone (killed before
// they could remove their own): "<prefix><pid>-<unique>".
void RemoveStaleFolders(const std::string& parent) {
    const std::string prefix(kPrefix);
    for (const std::string& name : platform::ListDirectory(parent)) {
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
        if (pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH))
            RemoveFolderWithFiles(parent + "/" + name);
    }
}

}  // namespace

bool ScratchFolder::Make(const std::string& parent) {
    RemoveFolder();
    const std::string where = parent.empty() ? std::string(".") : parent;
    RemoveStaleFolders(where);
    std::string pattern = where + "/" + kPrefix + std::to_string(static_cast<long>(::getpid())) + "-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!::mkdtemp(name.data())) return false;
    path_ = std::string(name.data()) + "/";
    return true;
}

bool ScratchFolder::Hold(const std::string& parent, bool& waited) { return heldFolder_.Hold(parent, waited); }

bool MakeCountyScratch(ScratchFolder& folder, const std::string& outputDir, bool mergedLayers,
                       shapeio::JobServices& services) {
    const std::string where = outputDir.empty() ? std::string(".") : outputDir;
    if (mergedLayers) {
        bool waited = false;
        // The other job's county is logged as it ends; this one says why
        // it started late.
        const bool held = folder.Hold(where, waited);
        const int error = errno;
        if (waited) services.WriteLogLine("Waited for another job that continued the layers of " + where);
        if (!held) {
            services.WriteLogLine("Could not hold the folder " + where + " for the layers it continues (" +
                                  std::strerror(error) + ")");
            services.FailCounty();
            return false;
        }
    }
    if (!folder.Make(where)) {
        services.WriteLogLine("Could not make a folder for the scratch files in " + where + " (" +
                              std::strerror(errno) + ")");
        services.FailCounty();
        folder.Remove();
        return false;
    }
    return true;
}

void ScratchFolder::Remove() {
    RemoveFolder();
    heldFolder_.Release();  // lets go of the parent
}

void ScratchFolder::RemoveFolder() {
    if (path_.empty()) return;
    RemoveFolderWithFiles(path_.substr(0, path_.size() - 1));
    path_.clear();
}

}  // namespace tigercore
