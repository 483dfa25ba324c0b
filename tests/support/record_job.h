// The job state the record readers need, set up for one test: a log file
// and an output folder in `directory`, the edition, no progress dialog.
// Everything is put back (the record store released, the files its layers
// kept ended: support/kept_files.h) on destruction.
#pragma once

#include "support/record_job_files.h"

#include <string>

namespace testsupport {

class RecordJob : public RecordJobFiles {
public:
    explicit RecordJob(const std::string& directory, int editionCode = 105, bool secondEdition = true);
    ~RecordJob();
    RecordJob(const RecordJob&) = delete;
    RecordJob& operator=(const RecordJob&) = delete;

    // Opens an existing file into gRecordFile; false when it cannot be opened.
    static bool Open(const std::string& path);

private:
    int savedEditionCode_;
    unsigned char savedSecondEdition_;
    std::string savedOutputPrefix_;
};

}  // namespace testsupport
