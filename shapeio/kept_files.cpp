#include "shapeio/kept_files.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "shapeio/stream_io.h"

#include <cerrno>
#include <set>

namespace shapeio {

bool KeptFiles::Sync(std::string& failed) {
    std::set<std::string> synced, folders;
    bool ok = true;
    for (const std::string& path : files_) {
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
    files_.clear();
    return ok;
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
