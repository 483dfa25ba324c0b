// Nothing lost and nothing wrong in silence: the county's own files, kills,
// two jobs in one folder, damaged records, islands, oversized archives and
// misnamed outputs, in both libraries.
#include "conv2/display.h"
#include "county_writer.h"
#include "support/county_files.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

countygen::CountySpec LowerCaseCounty() {
    countygen::CountySpec spec;
    spec.width = 4;
    spec.height = 3;
    spec.upperCaseNames = false;
    return spec;
}

}  // namespace

// The outputs beside the record files (the front end's default): the
// county's own .met is neither emptied nor rewritten.
TEST(Robustness, MetadataTextInPlaceIsLeftAsItIs) {
    TempDir dir;
    const countygen::GeneratedCounty county = countygen::WriteCounty(LowerCaseCounty(), dir.path());
    const std::string met = dir / (county.baseName + ".met");
    const std::string before = ReadFile(met);
    ASSERT_FALSE(before.empty());
    vornak2::DisplayV2(county.type1Path.c_str(), dir.path().c_str(), Options('c', '0', {8}).c_str(), 1, 1);
    EXPECT_EQ(ReadFile(met), before);
    EXPECT_HAS(ReadFile(dir / (county.baseName + ".log")),
               "Metadata file " + met + " is the county's own; it is not copied over itself\n");
}
