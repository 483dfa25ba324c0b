// The output files a county has written and kept, made durable together
// when the county ends instead of one by one as each is closed: one durable
// point per county, a flush of the output folder's file system (or, where
// that flush cannot be trusted to report a failed write, a flush of each
// file and folder). Until then a power loss may cost what the county wrote,
// and nothing else: a merged file the county continued has its journal on
// disk before it changes (journal.h), and the county's change is committed
// only after this point.
#pragma once

#include "platform/file_system_flush.h"
#include "shapeio/job_services.h"

#include <string>
#include <vector>

namespace shapeio {

class KeptFiles {
public:
    // A new county writes into `folder`, which is held for its flushes from
    // now on; false (errno set) when it cannot be.
    bool Begin(const std::string& folder);
    // A county has begun and not ended (Sync).
    bool Active() const { return active_; }
    // `path` was written (put in place or continued) by the county.
    void Add(const std::string& path) { files_.push_back(path); }
    bool Empty() const { return files_.empty(); }
    // The county's end: makes every file added durable, and the entries of
    // the folders that hold them and of the output folder, and forgets them. A file that is
    // gone (removed again by the county) is passed over. False when one
    // could not be made durable; `failure` then says what failed
    // (MakeDurable).
    bool Sync(std::string& failure);
    // The county's end after its files were made durable otherwise
    // (Flush): forgets them.
    void End();
    // Makes everything written to the output folder's file system durable
    // (where a flush of it is not trusted: the files added and `more`, and
    // their folders); false (errno set) when it could not be, `failure`
    // then saying what failed (FlushFailure).
    bool Flush(const std::vector<std::string>& more = {}, std::string* failure = nullptr);

private:
    bool Flush(std::string& failed);

    std::string folder_;
    bool active_ = false;
    platform::FileSystemFlush flush_;
    std::vector<std::string> files_;
};

// The files of the county of `services` while it runs (begun, not ended);
// null otherwise, where a file is made durable as it is written.
KeptFiles* KeptInCounty(JobServices& services);

// Makes `files` durable, with whatever else the county of `services` wrote
// (its flush, KeptFiles::Flush), or each file and its folder where it has
// none; false (errno set) when they could not be, `failure` then saying
// what failed: "the flush to disk of the file system of <folder> failed
// (<reason>)", or of a file or folder.
bool MakeDurable(JobServices& services, const std::vector<std::string>& files, std::string* failure = nullptr);

// Makes the files the county of `services` has kept so far durable; false
// (logged: the flush that failed and that the county is not converted,
// the county failed) when one could not be.
bool SyncKeptFiles(JobServices& services);

}  // namespace shapeio
