#include "support/conv1_record_job.h"

#include "conv1/job_state.h"
#include "conv1/record_parsers.h"
#include "conv1/record_store.h"
#include "support/temp_dir.h"

#include <stdexcept>

namespace testsupport {

Conv1RecordJob::Conv1RecordJob(const std::string& directory, int release)
    : directory_(directory), savedRelease_(vornak::gEditionCode), savedOutputPrefix_(vornak::gOutputPrefix) {
    vornak::ResetRecordStore();
    SetRelease(release);
    vornak::gOutputPrefix = directory + "/";
    vornak::gCurrentJob = &dialog_;
    vornak::gConversionStatus = 0;
    vornak::gLogFile = platform::OpenFile(directory + "/county.log", "w");
    if (!vornak::gLogFile) throw std::runtime_error("cannot create the log in " + directory);
}

Conv1RecordJob::~Conv1RecordJob() {
    vornak::ReleaseRecordStore();
    vornak::gLogFile.reset();
    vornak::gCurrentJob = nullptr;
    SetRelease(savedRelease_);
    vornak::gOutputPrefix = savedOutputPrefix_;
    vornak::gConversionStatus = 0;
}

void Conv1RecordJob::SetRelease(int release) const {
    vornak::gEditionCode = release;
    vornak::SelectReleaseLayouts(release);
}

std::string Conv1RecordJob::Log() const {
    std::fflush(vornak::gLogFile.get());
    return ReadFile(directory_ + "/county.log");
}

void Conv1RecordJob::OpenText(const std::string& text, const std::string& name) const {
    WriteFile(directory_ + "/" + name, text);
    vornak::gRecordFile = platform::OpenFile(directory_ + "/" + name, "r");
    if (!vornak::gRecordFile) throw std::runtime_error("cannot open " + name);
}

std::vector<std::string> Conv1RecordJob::TakeStatuses() {
    std::vector<std::string> shown;
    shown.swap(dialog_.shown);
    return shown;
}

}  // namespace testsupport
