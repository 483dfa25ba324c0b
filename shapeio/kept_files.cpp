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

bool KeptFiles::Sync(std::string& failure) {
    const bool flushed = Flush({}, &failure);
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

namespace {

// What a failed flush of `failed` says, errno's reason with it.
std::string FlushFailure(const std::string& failed, bool fileSystem) {
    const std::string reason = SystemReason();
    return "the flush to disk of " + std::string(fileSystem ? "the file system of " : "") + failed + " failed" + reason;
}

}  // namespace

bool KeptFiles::Flush(const std::vector<std::string>& more, std::string* failure) {
    files_.insert(files_.end(), more.begin(), more.end());
    std::string failed;
    if (Flush(failed)) return true;
    const int error = errno;
    if (failure) *failure = FlushFailure(failed, flush_.IsOpen());
    errno = error;
    return false;
}

KeptFiles* KeptInCounty(JobServices& services) {
    KeptFiles* kept = services.Kept();
    return kept && kept->Active() ? kept : nullptr;
}

bool MakeDurable(JobServices& services, const std::vector<std::string>& files, std::string* failure) {
    if (KeptFiles* kept = services.Kept()) return kept->Flush(files, failure);
    // Outside a county: file by file, and their folders.
    KeptFiles none;
    return none.Flush(files, failure);
}

bool SyncKeptFiles(JobServices& services) {
    KeptFiles* kept = services.Kept();
    std::string failure;
    if (!kept || kept->Empty() || kept->Sync(failure)) return true;
    services.WriteLogLine("Could not make the county's files durable: " + failure +
                          ". A power cut may lose or cut them short: the county is not converted; run it again");
    services.FailCounty();
    return false;
}

}  // namespace shapeio
