// Polygon sides of a real county (Suffolk County, Massachusetts, 2005 Second
// Edition) against counts made here straight from the record files.
#include "conv2/job_state.h"
#include "conv2/polygon_sides.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "support/real_county.h"
#include "support/record_job.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <map>

using namespace vornak2;
using testsupport::RecordJob;

namespace {

// The standard counting rule on two code texts.
int SidesOf(const std::string& l, const std::string& r, const std::string& blank) {
    if (l == r) return 0;
    return (l != blank && r != blank) ? 2 : 1;
}

class RealCountySidesTest : public testsupport::RealCountyTest {};

TEST_F(RealCountySidesTest, CurrentSidesMatchTheRecordFiles) {
    ASSERT_TRUE(testsupport::UnpackRealCounty(dir.path(), "*.rt1\r*.rti\r*.rta"));

    RecordJob job(dir.path(), 105, true);
    for (auto [suffix, reader] : {std::pair{"RT1", ReadType1Records}, std::pair{"RTI", ReadTypeIRecords},
                                  std::pair{"RTA", ReadTypeARecords}}) {
        ASSERT_TRUE(RecordJob::Open(dir / (std::string("TGR25025.") + suffix)));
        reader();
        ASSERT_EQ(gConversionStatus, 0) << job.Log();
    }
    gOutputDir = dir.path();
    gTypeAScratchFile = platform::OpenFile(dir / "a.tmp", "wb+");
    PrepareSideIndexes();
    AssemblePolygonInfoA();
    ASSERT_EQ(gConversionStatus, 0) << job.Log();

    // The same from the files: polygons by CENID + POLYID, sides per line.
    std::map<std::string, std::pair<std::string, std::string>> polygons;  // key -> county, tract
    for (const std::string& line : testsupport::RecordLines(dir / "TGR25025.RTA"))
        polygons[line.substr(10, 15)] = {line.substr(25, 5), line.substr(25, 11)};
    int county = 0, tract = 0, missing = 0;
    std::vector<std::string> tlids;
    std::vector<std::pair<bool, bool>> found;
    for (const std::string& line : testsupport::RecordLines(dir / "TGR25025.RTI")) {
        auto left = polygons.find(line.substr(40, 15));
        auto right = polygons.find(line.substr(55, 15));
        std::string lc = left == polygons.end() ? "     " : left->second.first;
        std::string rc = right == polygons.end() ? "     " : right->second.first;
        std::string lt = left == polygons.end() ? std::string(11, ' ') : left->second.second;
        std::string rt = right == polygons.end() ? std::string(11, ' ') : right->second.second;
        county += SidesOf(lc, rc, "     ");
        tract += SidesOf(lt, rt, std::string(11, ' '));
        missing += (left == polygons.end()) + (right == polygons.end());
        tlids.push_back(line.substr(10, 10));
        found.push_back({left != polygons.end(), right != polygons.end()});
    }
    EXPECT_GT(county, 0);
    EXPECT_EQ(gBorderLineCountsA[kCountyCurrentLevel], county);
    EXPECT_EQ(gBorderLineCountsA[kTractCurrentLevel], tract);

    // Every side with a type A row found it; -1 only where the row is missing.
    std::map<std::string, std::pair<bool, bool>> expected;
    for (size_t i = 0; i < tlids.size(); ++i) expected[tlids[i]] = found[i];
    int minusOnes = 0;
    for (int i = 0; i < gTypeICount; ++i) {
        const SidePair& sides = IAIndex[static_cast<size_t>(i)];
        auto want = expected.at(gTypeIRecords[static_cast<size_t>(i)].TLID);
        EXPECT_EQ(sides.left >= 0, want.first) << i;
        EXPECT_EQ(sides.right >= 0, want.second) << i;
        minusOnes += (sides.left < 0) + (sides.right < 0);
    }
    EXPECT_EQ(minusOnes, missing);
    gTypeAScratchFile.reset();
}

}  // namespace
