#include "shapeio/kept_files.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "shapeio/stream_io.h"

#include <cerrno>
#include <set>

namespace shapeio {

bool KeptFiles::Begin(const std::string& folder) {
    files_.clear();
    flush_.Close();
    folder_ = folder;
    active_ = true;
    return !platform::FileSystemFlushTrusted() || flush_.Open(folder);
}

bool KeptFiles::Sync(std::string& failed) {
    const bool flushed = Flush(failed);
    End();
    return flushed;
}

void KeptFiles::End() {
    files_.clear();
    active_ = false;
    folder_.clear();
    flush_.Close();
}

bool KeptFiles::Flush(std::string& failed) {
    std::vector<std::string> files;
    files.swap(files_);
    // Layers run by themselves, outside a county, flush file by file.
    if (flush_.IsOpen()) {
        if (flush_.Flush()) return true;
        failed = folder_;
        return false;
    }
    std::set<std::string> synced, folders;
    if (!folder_.empty()) folders.insert(folder_);
    bool ok = true;
    for (const std::string& path : files) {
        if (!synced.insert(path).second) continue;
        if (!platform::SyncPath(path) && errno != ENOENT) {
            if (ok) failed = path;
            ok = false;
        }
        folders.insert(platform::DirectoryOfPath(path));
    }
    for (const std::string& folder : folders) {
        if (!platform::SyncFolder(folder)) {
            if (ok) failed = folder;
            ok = false;
        }
    }
    return ok;
}

bool KeptFiles::Flush(const std::vector<std::string>& more) {
    files_.insert(files_.end(), more.begin(), more.end());
    std::string failed;
    return Flush(failed);
}

KeptFiles* KeptInCounty(JobServices& services) {
    KeptFiles* kept = services.Kept();
    return kept && kept->Active() ? kept : nullptr;
}

bool MakeDurable(JobServices& services, const std::vector<std::string>& files) {
    if (KeptFiles* kept = services.Kept()) return kept->Flush(files);
    // Outside a county: file by file, and their folders.
    KeptFiles none;
    return none.Flush(files);
}

bool SyncKeptFiles(JobServices& services) {
    KeptFiles* kept = services.Kept();
    std::string failed;
    if (!kept || kept->Empty() || kept->Sync(failed)) return true;
    services.WriteLogLine("Could not write to file " + failed + SystemReason());
    services.FailCounty();
    return false;
}

}  // namespace shapeio
