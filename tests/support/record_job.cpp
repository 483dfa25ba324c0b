#include "support/record_job.h"

#include "conv2/job_state.h"
#include "conv2/record_store.h"
#include "support/temp_dir.h"

#include <stdexcept>

namespace testsupport {

RecordJob::RecordJob(const std::string& directory, int editionCode, bool secondEdition)
    : directory_(directory),
      savedEditionCode_(vornak2::gEditionCode),
      savedSecondEdition_(vornak2::gSecondEdition),
      savedOutputPrefix_(vornak2::gOutputPrefix) {
    vornak2::ResetRecordStore();
    vornak2::gEditionCode = editionCode;
    vornak2::gSecondEdition = secondEdition ? 1 : 0;
    vornak2::gOutputPrefix = directory + "/";
    vornak2::gCurrentJob = nullptr;
    vornak2::gConversionStatus = 0;
    vornak2::gLogFile = platform::OpenFile(directory + "/county.log", "w");
    if (!vornak2::gLogFile) throw std::runtime_error("cannot create the log in " + directory);
}

RecordJob::~RecordJob() {
    vornak2::ReleaseRecordStore();
    vornak2::gLogFile.reset();
    vornak2::gEditionCode = savedEditionCode_;
    vornak2::gSecondEdition = savedSecondEdition_;
    vornak2::gOutputPrefix = savedOutputPrefix_;
    vornak2::gConversionStatus = 0;
}

std::string RecordJob::Log() const {
    std::fflush(vornak2::gLogFile.get());
    return ReadFile(directory_ + "/county.log");
}

void RecordJob::OpenText(const std::string& text, const std::string& name) const {
    WriteFile(directory_ + "/" + name, text);
    if (!Open(directory_ + "/" + name)) throw std::runtime_error("cannot open " + name);
}

bool RecordJob::Open(const std::string& path) {
    vornak2::gRecordFile = platform::OpenAnyCase(path, "r");
    return static_cast<bool>(vornak2::gRecordFile);
}

}  // namespace testsupport
