#include "support/kept_files.h"

#include "conv1/job_state.h"
#include "conv2/job_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testsupport {

namespace {

std::vector<tigercore::CountyServices*> Libraries() { return {&vornak::Services(), &vornak2::Services()}; }

class KeptFilesCheck : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override {
        bool kept = false;
        for (tigercore::CountyServices* library : Libraries()) kept = kept || !library->Kept()->Empty();
        if (!kept) return;
        ADD_FAILURE() << "the test leaves files kept for a county's end to the next county of the process "
                         "(testsupport::EndKeptFiles)";
        EndKeptFiles();
    }
};

const bool kChecked = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new KeptFilesCheck);
    return true;
}();

}  // namespace

void EndKeptFiles() {
    for (tigercore::CountyServices* library : Libraries()) {
        std::string failed;
        library->Kept()->Sync(failed);
    }
}

}  // namespace testsupport
