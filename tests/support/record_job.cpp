#include "support/record_job.h"

#include "conv2/job_state.h"
#include "conv2/record_store.h"
#include "support/kept_files.h"

namespace testsupport {

RecordJob::RecordJob(const std::string& directory, int editionCode, bool secondEdition)
    : RecordJobFiles(directory, vornak2::gLogFile, vornak2::gRecordFile),
      savedEditionCode_(vornak2::gEditionCode),
      savedSecondEdition_(vornak2::gSecondEdition),
      savedOutputPrefix_(vornak2::gOutputPrefix) {
    vornak2::ResetRecordStore();
    vornak2::gEditionCode = editionCode;
    vornak2::gSecondEdition = secondEdition ? 1 : 0;
    vornak2::gOutputPrefix = directory + "/";
    vornak2::gCurrentJob = nullptr;
    vornak2::gConversionStatus = 0;
}

RecordJob::~RecordJob() {
    EndKeptFiles();
    vornak2::ReleaseRecordStore();
    vornak2::gEditionCode = savedEditionCode_;
    vornak2::gSecondEdition = savedSecondEdition_;
    vornak2::gOutputPrefix = savedOutputPrefix_;
    vornak2::gConversionStatus = 0;
}

bool RecordJob::Open(const std::string& path) {
    vornak2::gRecordFile = platform::OpenAnyCase(path, "r");
    return static_cast<bool>(vornak2::gRecordFile);
}

}  // namespace testsupport
