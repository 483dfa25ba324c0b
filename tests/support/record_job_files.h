// The files of a record job set up for one test, for either library: the
// county log in `directory` (opened into the library's log file) and the
// record files written there and opened into the library's record file.
#pragma once

#include "platform/files.h"

#include <string>

namespace testsupport {

class RecordJobFiles {
public:
    RecordJobFiles(const std::string& directory, platform::FilePtr& logFile, platform::FilePtr& recordFile);
    virtual ~RecordJobFiles();
    RecordJobFiles(const RecordJobFiles&) = delete;
    RecordJobFiles& operator=(const RecordJobFiles&) = delete;

    // The log written so far.
    std::string Log() const;
    // Writes `text` into a record file of the directory and opens it into
    // the record file.
    void OpenText(const std::string& text, const std::string& name = "county.rt1") const;

protected:
    std::string directory_;

private:
    platform::FilePtr& logFile_;
    platform::FilePtr& recordFile_;
};

}  // namespace testsupport
