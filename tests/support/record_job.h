// The job state the record readers need, set up for one test: a log file
// and an output folder in `directory`, the edition, no progress dialog.
// Everything is put back (and the record store released) on destruction.
#pragma once

#include <string>

namespace testsupport {

class RecordJob {
public:
    explicit RecordJob(const std::string& directory, int editionCode = 105, bool secondEdition = true);
    ~RecordJob();
    RecordJob(const RecordJob&) = delete;
    RecordJob& operator=(const RecordJob&) = delete;

    // The log written so far.
    std::string Log() const;
    // Writes `text` into a record file of the directory and opens it into
    // gRecordFile.
    void OpenText(const std::string& text, const std::string& name = "county.rt1") const;
    // Opens an existing file into gRecordFile; false when it cannot be opened.
    static bool Open(const std::string& path);

private:
    std::string directory_;
    int savedEditionCode_;
    unsigned char savedSecondEdition_;
    std::string savedOutputPrefix_;
};

}  // namespace testsupport
