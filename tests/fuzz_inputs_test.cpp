// The inputs the fuzz targets once failed on (tests/fuzz_inputs/<target>/),
// replayed through the same entries (tools/fuzz/fuzz_entries.h): each must
// now run to its end.
#include "fuzz_entries.h"
#include "platform/files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace {

using Entry = void (*)(const uint8_t*, size_t);

struct Target {
    const char* name;
    Entry entry;
};

const Target kTargets[] = {
    {"records", fuzz::ReadRecordFile},
    {"zip", fuzz::UnpackArchive},
    {"options", fuzz::ConvertWithOptions},
    {"county", fuzz::ConvertDamagedCounty},
    {"merged", fuzz::ContinueDamagedMergedLayer},
    {"oldrecords", fuzz::ReadOldRecordFile},
    {"oldcounty", fuzz::ConvertDamagedOldCounty},
    {"oldmerged", fuzz::ContinueDamagedOldMergedLayer},
};

// Test names carry the target's name.
void PrintTo(const Target& target, std::ostream* out) { *out << target.name; }

class FuzzInputsTest : public ::testing::TestWithParam<Target> {};

TEST_P(FuzzInputsTest, EveryKeptInputRunsThrough) {
    const std::string folder = std::string(PELLARD_SOURCE_DIR) + "/tests/fuzz_inputs/" + GetParam().name;
    for (const std::string& name : platform::ListDirectory(folder)) {
        SCOPED_TRACE(folder + "/" + name);
        const std::string bytes = testsupport::ReadFile(folder + "/" + name);
        GetParam().entry(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzInputsTest, ::testing::ValuesIn(kTargets),
                         [](const ::testing::TestParamInfo<Target>& info) { return std::string(info.param.name); });

}  // namespace
