// The output files a county has written and kept, made durable together
// when the county ends instead of one by one as each is closed: one durable
// point per county. Until then a power loss may cost what the county wrote,
// and nothing else: a merged file the county continued has its journal on
// disk before it changes (journal.h), and the county's change is committed
// (its journals removed) only after this point.
#pragma once

#include "shapeio/job_services.h"

#include <string>
#include <vector>

namespace shapeio {

class KeptFiles {
public:
    // `path` was written (put in place or continued) by the county.
    void Add(const std::string& path) { files_.push_back(path); }
    bool Empty() const { return files_.empty(); }
    // Makes every file added durable, then the entries of each of their
    // folders, once each, and forgets them. A file that is gone (removed
    // again by the county) is passed over. False when one could not be
    // made durable; `failed` then names it.
    bool Sync(std::string& failed);

private:
    std::vector<std::string> files_;
};

// Makes the files the county of `services` has kept so far durable; false
// (logged: "Could not write to file <path>", the county failed) when one
// could not be.
bool SyncKeptFiles(JobServices& services);

}  // namespace shapeio
