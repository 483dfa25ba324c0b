// The all-polygons layer on a hand-made county for each edition family: one
// polygon per TIGER polygon with every code of its records, and room for
// every side that has a record of any type.
#include "support/county_files.h"
#include "support/grid_county.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <string>

using namespace testsupport;

namespace {

constexpr int kAllPolygonsFlag = 71;

// A 3 x 3 grid: polygon 100 on the eight outer cells with type A, B, E and P
// rows but no type S row; polygon 200 in the middle with type S and P rows
// only. Each type's side total (16 for A, B and E, 4 for S) is below the 20
// sides the layer takes.
GridCounty EnclaveCounty() {
    GridCounty county(3, 3);
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 3; ++i) {
            GridCell& cell = county.Cell(i, j);
            cell.polyid = "       100";
            cell.a = "25901000100" "1000" "A";
            cell.s = "";
            cell.b = "25901000100";
            cell.e = "25901" + std::string(10, ' ') + "11111" + std::string(10, ' ') + "2";
            cell.water = 1;  // not read: the polygon has no type S row
        }
    }
    GridCell& middle = county.Cell(1, 1);
    middle.polyid = "       200";
    middle.a = "";
    middle.s = "25901000100";
    middle.b = "";
    middle.e = "";
    middle.water = 1;
    return county;
}

struct EditionCase {
    char edition;
    size_t fields;
    const char* tractName;
    const char* correctionName;  // the name of the UACC field
};

class AllPolygonsLayerTest : public ::testing::TestWithParam<EditionCase> {};

TEST_P(AllPolygonsLayerTest, EveryPolygonOnceWithTheCodesOfItsRecords) {
    const EditionCase& c = GetParam();
    TempDir dir;
    GridRun run(dir.path());
    std::string log = run.Convert(EnclaveCounty(), Options(c.edition, '0', {kAllPolygonsFlag}));
    EXPECT_LACKS(log, "exceeds");
    EXPECT_LACKS(log, "There are no");

    auto polygons = ReadDocumentPolygons(run.Document("all"));
    ASSERT_EQ(polygons.size(), 2u);
    const DocumentPolygon& outer = polygons[0];
    const DocumentPolygon& middle = polygons[1];
    EXPECT_EQ(outer.name, "       100");
    ASSERT_EQ(outer.fields.size(), c.fields);
    ASSERT_EQ(middle.fields.size(), c.fields);
    EXPECT_EQ(outer.fields[4].first, c.tractName);

    // The outline and the hole around the middle polygon.
    ASSERT_EQ(outer.rings.size(), 2u);
    const DocumentRing& outline = outer.rings[0].inner ? outer.rings[1] : outer.rings[0];
    const DocumentRing& hole = outer.rings[0].inner ? outer.rings[0] : outer.rings[1];
    EXPECT_FALSE(outline.inner);
    EXPECT_TRUE(hole.inner);
    EXPECT_TRUE(RingThrough(outline, Rectangle(0, 0, 3, 3)));
    std::vector<std::pair<int, int>> around = Rectangle(1, 1, 2, 2);
    std::vector<std::pair<int, int>> reversed(around.rbegin(), around.rend());
    EXPECT_TRUE(RingThrough(hole, around) || RingThrough(hole, reversed));
    ASSERT_EQ(middle.rings.size(), 1u);
    EXPECT_TRUE(RingThrough(middle.rings[0], Rectangle(1, 1, 2, 2)));

    EXPECT_EQ(outer.Field("POLYID"), "100");
    EXPECT_EQ(outer.Field("CENID"), "CA001");
    EXPECT_EQ(outer.Field("STATECU"), "25");
    EXPECT_EQ(outer.Field(c.tractName), "000100");
    EXPECT_EQ(outer.Field("BLOCKSUFCU"), "A");
    EXPECT_EQ(outer.Field("STATE00"), "");
    EXPECT_EQ(outer.Field("BLKGRP00"), "");
    EXPECT_EQ(outer.Field("WATER"), "0");
    EXPECT_EQ(outer.Field("STATECQ"), "25");
    EXPECT_EQ(outer.Field("TRACTCQ"), "000100");

    EXPECT_EQ(middle.Field("POLYID"), "200");
    EXPECT_EQ(middle.Field("STATECU"), "");
    EXPECT_EQ(middle.Field("BLOCKSUFCU"), "");
    EXPECT_EQ(middle.Field("STATE00"), "25");
    EXPECT_EQ(middle.Field("COUNTY00"), "901");
    EXPECT_EQ(middle.Field("TRACT00"), "000100");
    EXPECT_EQ(middle.Field("WATER"), "1");
    EXPECT_EQ(middle.Field("STATECQ"), "");
    EXPECT_EQ(middle.Field(c.correctionName), "");

    if (c.edition != '9') {
        EXPECT_EQ(outer.Field("STATEEC"), "25");
        EXPECT_EQ(outer.Field("PLACEEC"), "11111");
        EXPECT_EQ(outer.Field("COMREGEC"), "2");
        EXPECT_EQ(middle.Field("PLACEEC"), "");
        EXPECT_EQ(middle.Field("COMREGEC"), "0");
    }
    EXPECT_EQ(ReadFile(run.Document("all")).find('\0'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Editions, AllPolygonsLayerTest,
                         ::testing::Values(EditionCase{'9', 76, "TRACTCU", "UACC"},
                                           EditionCase{'a', 83, "TRACTCU", "UACC"},
                                           EditionCase{'c', 83, "TRACTCU", "RS_B2"},
                                           EditionCase{'d', 88, "TRACT", "RS_B2"}));

TEST(AllPolygonsLayerZeroTest, CountyWithoutPolygonRecordsFails) {
    GridCounty county(2, 1);
    for (int i = 0; i < 2; ++i) {
        county.Cell(i, 0).a = "";
        county.Cell(i, 0).s = "";
    }
    TempDir dir;
    GridRun run(dir.path());
    std::string log = run.Convert(county, Options('c', '0', {kAllPolygonsFlag}));
    EXPECT_HAS(log, "There are no polygon records\nNo polygons to process\n");
    EXPECT_FALSE(Exists(run.Document("all")));
}

}  // namespace
