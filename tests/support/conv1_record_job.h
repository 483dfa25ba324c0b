// The job state the record readers of the 1994-2000 editions need, set up
// for one test: a log file and an output folder in `directory`, the
// release, and a progress dialog that keeps every status text shown.
// Everything is put back (the record store released, the files its layers
// kept ended: support/kept_files.h) on destruction.
#pragma once

#include "conv1/conversion_dialog.h"
#include "support/record_job_files.h"

#include <string>
#include <vector>

namespace testsupport {

class Conv1RecordJob : public RecordJobFiles {
public:
    explicit Conv1RecordJob(const std::string& directory, int release = 101);
    ~Conv1RecordJob();
    Conv1RecordJob(const Conv1RecordJob&) = delete;
    Conv1RecordJob& operator=(const Conv1RecordJob&) = delete;

    // Another release for the rest of the test (and its parsers' columns).
    void SetRelease(int release) const;
    // The status texts shown so far, and forgets them.
    std::vector<std::string> TakeStatuses();

private:
    class StatusDialog : public vornak::ConversionDialog {
    public:
        void SetStatusText(const std::string& text) override {
            shown.push_back(text);
            ConversionDialog::SetStatusText(text);
        }
        std::vector<std::string> shown;
    };

    StatusDialog dialog_;
    int savedRelease_;
    std::string savedOutputPrefix_;
};

}  // namespace testsupport
