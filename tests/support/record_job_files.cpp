#include "support/record_job_files.h"

#include "support/temp_dir.h"

#include <stdexcept>

namespace testsupport {

RecordJobFiles::RecordJobFiles(const std::string& directory, platform::FilePtr& logFile,
                               platform::FilePtr& recordFile)
    : directory_(directory), logFile_(logFile), recordFile_(recordFile) {
    logFile_ = platform::OpenFile(directory + "/county.log", "w");
    if (!logFile_) throw std::runtime_error("cannot create the log in " + directory);
}

RecordJobFiles::~RecordJobFiles() { logFile_.reset(); }

std::string RecordJobFiles::Log() const {
    std::fflush(logFile_.get());
    return ReadFile(directory_ + "/county.log");
}

void RecordJobFiles::OpenText(const std::string& text, const std::string& name) const {
    WriteFile(directory_ + "/" + name, text);
    recordFile_ = platform::OpenFile(directory_ + "/" + name, "r");
    if (!recordFile_) throw std::runtime_error("cannot open " + name);
}

}  // namespace testsupport
