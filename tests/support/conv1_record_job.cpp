#include "support/conv1_record_job.h"

#include "conv1/job_state.h"
#include "conv1/record_parsers.h"
#include "conv1/record_store.h"
#include "support/kept_files.h"

namespace testsupport {

Conv1RecordJob::Conv1RecordJob(const std::string& directory, int release)
    : RecordJobFiles(directory, vornak::gLogFile, vornak::gRecordFile),
      savedRelease_(vornak::gEditionCode), savedOutputPrefix_(vornak::gOutputPrefix) {
    vornak::ResetRecordStore();
    SetRelease(release);
    vornak::gOutputPrefix = directory + "/";
    vornak::gCurrentJob = &dialog_;
    vornak::gConversionStatus = 0;
}

Conv1RecordJob::~Conv1RecordJob() {
    EndKeptFiles();
    vornak::ReleaseRecordStore();
    vornak::gCurrentJob = nullptr;
    SetRelease(savedRelease_);
    vornak::gOutputPrefix = savedOutputPrefix_;
    vornak::gConversionStatus = 0;
}

void Conv1RecordJob::SetRelease(int release) const {
    vornak::gEditionCode = release;
    vornak::SelectReleaseLayouts(release);
}

std::vector<std::string> Conv1RecordJob::TakeStatuses() {
    std::vector<std::string> shown;
    shown.swap(dialog_.shown);
    return shown;
}

}  // namespace testsupport
