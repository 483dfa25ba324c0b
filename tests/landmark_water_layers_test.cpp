// Landmark polygons with their two landmark tables (byte by byte), and water
// bodies merged by name and split by the water flag, on hand-made counties.
#include "support/county_files.h"
#include "support/grid_county.h"
#include "support/layer_files.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <string>

using namespace testsupport;

namespace {

constexpr int kLandmarkFlag = 67;
constexpr int kWaterFlag = 68;

// Cells (0, 0) with two links (LAND 10 and 20), (1, 0) LAND 30, (0, 1)
// LAND 10 but no type S row, (2, 1) LAND 40 that no type 7 row names. LAND
// 10 has two type 7 rows.
GridCounty LandmarkCounty() {
    GridCounty county(3, 2);
    county.Cell(0, 0).lands = {10, 20};
    county.Cell(1, 0).lands = {30};
    county.Cell(0, 1).lands = {10};
    county.Cell(0, 1).s = "";
    county.Cell(2, 1).lands = {40};
    county.landmarks = {
        {10, "D85", "Park Ten"}, {10, "D85", "Park Ten Annex"}, {20, "D31", "Twenty Hall"}, {30, "H31", "Lake Thirty"}};
    return county;
}

const std::string kFeatureRow = " " + std::string("        10") + "D85" + "Park Ten Annex" + std::string(16, ' ') + "25901";
const std::string kLinkRow = " " + std::string("         1") + "CA001" + "        20" + "25901";

std::string FeatureTable(int rows) {
    return DbfBytes({{"LANDPOLY", 'N', 10}, {"CFCC", 'C', 3}, {"LANDNAME", 'C', 30}, {"FILEID", 'C', 5}},
                    std::vector<std::string>(static_cast<size_t>(rows), kFeatureRow));
}
std::string LinkTable(int rows) {
    return DbfBytes({{"POLYID", 'N', 10}, {"CENID", 'C', 5}, {"LANDPOLY", 'N', 10}, {"FILEID", 'C', 5}},
                    std::vector<std::string>(static_cast<size_t>(rows), kLinkRow));
}

TEST(LandmarkLayerTest, EachLinkedPolygonShowsItsFirstLinkAndLandmark) {
    TempDir dir;
    GridRun run(dir.path());
    std::string log = run.Convert(LandmarkCounty(), Options('c', '0', {kLandmarkFlag}));
    EXPECT_LACKS(log, "exceeds");
    auto polygons = ReadDocumentPolygons(run.Document("lpy"));
    ASSERT_EQ(polygons.size(), 3u);

    const std::pair<const char*, const char*> first[] = {
        {"GIST_ID", "1"},      {"POLYID", "1"},       {"CENID", "CA001"},  {"COUNTY", "25901"},
        {"CFCC", "D85"},       {"LANDNAME", "Park Ten"}, {"LANDPOLY", "10"}, {"FILEID", "25901"},
    };
    ASSERT_EQ(polygons[0].fields.size(), std::size(first));
    for (size_t k = 0; k < std::size(first); ++k) {
        EXPECT_EQ(polygons[0].fields[k].first, first[k].first);
        EXPECT_EQ(polygons[0].fields[k].second, first[k].second) << first[k].first;
    }
    ASSERT_EQ(polygons[0].rings.size(), 1u);
    EXPECT_TRUE(RingThrough(polygons[0].rings[0], Rectangle(0, 0, 1, 1)));
    // The neighbouring landmark polygon stays apart.
    EXPECT_EQ(polygons[1].Field("POLYID"), "2");
    EXPECT_EQ(polygons[1].Field("LANDNAME"), "Lake Thirty");
    EXPECT_TRUE(RingThrough(polygons[1].rings[0], Rectangle(1, 0, 2, 1)));
    // A link to a landmark without a type 7 row.
    EXPECT_EQ(polygons[2].Field("GIST_ID"), "3");
    EXPECT_EQ(polygons[2].Field("POLYID"), "6");
    EXPECT_EQ(polygons[2].Field("CFCC"), "");
    EXPECT_EQ(polygons[2].Field("LANDNAME"), "");
    EXPECT_EQ(polygons[2].Field("LANDPOLY"), "40");
    EXPECT_TRUE(RingThrough(polygons[2].rings[0], Rectangle(2, 1, 3, 2)));
}

TEST(LandmarkLayerTest, TablesHoldTheRowsThatRepeatTheirKey) {
    TempDir dir;
    GridRun run(dir.path());
    std::string log = run.Convert(LandmarkCounty(), Options('c', '0', {kLandmarkFlag}));
    std::string folder = run.out + "/tgr25901/";
    EXPECT_EQ(ReadFile(folder + "tgr25901lpy2.dbf"), FeatureTable(1));
    EXPECT_EQ(ReadFile(folder + "tgr25901lpy3.dbf"), LinkTable(1));
    EXPECT_HAS(log, "Wrote 1 records to file " + folder + "tgr25901lpy2.dbf\n");
    EXPECT_HAS(log, "Wrote 1 records to file " + folder + "tgr25901lpy3.dbf\n");
}

TEST(LandmarkLayerTest, MergedTablesContinueAcrossCounties) {
    TempDir dir;
    GridRun run(dir.path());
    run.Convert(LandmarkCounty(), Options('c', '3', {kLandmarkFlag}));
    GridCounty second = LandmarkCounty();
    second.countyCode = "25903";
    std::string log = run.Convert(second, Options('c', '3', {kLandmarkFlag}));
    std::string folder = run.out + "/landmarks/";
    EXPECT_EQ(ReadFile(folder + "lpy2.dbf"), FeatureTable(2));
    EXPECT_EQ(ReadFile(folder + "lpy3.dbf"), LinkTable(2));
    EXPECT_HAS(log, "Wrote 1 records to file " + folder + "lpy3.dbf\n");
    auto polygons = ReadDocumentPolygons(folder + "lpy.kml");
    ASSERT_EQ(polygons.size(), 6u);
}

TEST(LandmarkLayerTest, ThemeFolderIsLoggedForTheLayerAndEachTable) {
    TempDir dir;
    GridRun run(dir.path());
    std::string log = run.Convert(LandmarkCounty(), Options('c', '2', {kLandmarkFlag}));
    std::string folder = run.out + "/landmarks/";
    EXPECT_EQ(CountOf(log, "directory " + folder + " created\n"), 1);
    EXPECT_EQ(CountOf(log, "directory " + folder + " not created\n"), 2);
    EXPECT_TRUE(Exists(folder + "tgr25901lpy.kml"));
    EXPECT_EQ(ReadFile(folder + "tgr25901lpy3.dbf"), LinkTable(1));
}

TEST(LandmarkLayerTest, TablesWithoutRepeatsAreRemoved) {
    GridCounty county(2, 1);
    county.Cell(0, 0).lands = {1};
    county.Cell(1, 0).lands = {2};
    county.landmarks = {{1, "D85", "One"}, {2, "D85", "Two"}};
    TempDir dir;
    GridRun run(dir.path());
    std::string log = run.Convert(county, Options('c', '0', {kLandmarkFlag}));
    std::string folder = run.out + "/tgr25901/";
    EXPECT_HAS(log, "Wrote 0 records to file " + folder + "tgr25901lpy2.dbf\n");
    EXPECT_HAS(log, "Wrote 0 records to file " + folder + "tgr25901lpy3.dbf\n");
    EXPECT_FALSE(Exists(folder + "tgr25901lpy2.dbf"));
    EXPECT_FALSE(Exists(folder + "tgr25901lpy3.dbf"));
    EXPECT_EQ(ReadDocumentPolygons(run.Document("lpy")).size(), 2u);
}

// ------------------------------------------------------------------ water

// Row 0: Blue Lake (LAND 50, 51: one body) on cells 0-1 with WATER 1 and on
// cell 2 (LAND 52) with WATER 2, land on cells 3 (no type P row) and 4.
// Row 1: unnamed water on cells 0 and 1, a park's water on 2, a water
// landmark without a name on 3, and Blue Lake again (LAND 53) on 4.
GridCounty WaterCounty() {
    GridCounty county(5, 2);
    for (int i = 0; i < 5; ++i) county.Cell(i, 1).water = 1;
    county.Cell(0, 0).water = 1;
    county.Cell(0, 0).lands = {50};
    county.Cell(1, 0).water = 1;
    county.Cell(1, 0).lands = {51};
    county.Cell(2, 0).water = 2;
    county.Cell(2, 0).lands = {52};
    county.Cell(3, 0).p = false;
    county.Cell(2, 1).lands = {70};
    county.Cell(3, 1).lands = {60};
    county.Cell(4, 1).lands = {53};
    county.landmarks = {{50, "H31", "Blue Lake"}, {51, "H31", "Blue Lake"}, {52, "H31", "Blue Lake"},
                        {53, "H31", "Blue Lake"}, {60, "H11", ""},          {70, "D85", "Park"}};
    return county;
}

TEST(WaterLayerTest, BodiesAreMergedByNameAndSplitByTheirFlag) {
    TempDir dir;
    GridRun run(dir.path());
    std::string log = run.Convert(WaterCounty(), Options('c', '0', {kWaterFlag}));
    EXPECT_LACKS(log, "exceeds");
    auto polygons = ReadDocumentPolygons(run.Document("wat"));
    ASSERT_EQ(polygons.size(), 6u);
    // Unnamed water polygons first (blank name part), one per polygon.
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(polygons[static_cast<size_t>(k)].Field("GIST_ID"), std::to_string(k + 1));
        EXPECT_EQ(polygons[static_cast<size_t>(k)].Field("COUNTY"), "25901");
        EXPECT_EQ(polygons[static_cast<size_t>(k)].Field("CFCC"), "");
        EXPECT_EQ(polygons[static_cast<size_t>(k)].Field("LANDNAME"), "");
        EXPECT_EQ(polygons[static_cast<size_t>(k)].Field("FLAG"), "1");
        ASSERT_EQ(polygons[static_cast<size_t>(k)].rings.size(), 1u);
        EXPECT_TRUE(RingThrough(polygons[static_cast<size_t>(k)].rings[0], Rectangle(k, 1, k + 1, 2))) << k;
    }
    // A water landmark without a name keeps its polygon to itself.
    EXPECT_EQ(polygons[3].Field("CFCC"), "H11");
    EXPECT_EQ(polygons[3].Field("LANDNAME"), "");
    EXPECT_TRUE(RingThrough(polygons[3].rings[0], Rectangle(3, 1, 4, 2)));
    // Blue Lake with WATER 1: two adjacent polygons and a separate one.
    EXPECT_EQ(polygons[4].Field("CFCC"), "H31");
    EXPECT_EQ(polygons[4].Field("LANDNAME"), "Blue Lake");
    EXPECT_EQ(polygons[4].Field("FLAG"), "1");
    ASSERT_EQ(polygons[4].rings.size(), 2u);
    bool first = RingThrough(polygons[4].rings[0], Rectangle(0, 0, 2, 1));
    EXPECT_TRUE(first || RingThrough(polygons[4].rings[1], Rectangle(0, 0, 2, 1)));
    EXPECT_TRUE(RingThrough(polygons[4].rings[first ? 1 : 0], Rectangle(4, 1, 5, 2)));
    // Blue Lake with WATER 2 apart.
    EXPECT_EQ(polygons[5].Field("LANDNAME"), "Blue Lake");
    EXPECT_EQ(polygons[5].Field("FLAG"), "2");
    EXPECT_TRUE(RingThrough(polygons[5].rings[0], Rectangle(2, 0, 3, 1)));
}

TEST(WaterLayerTest, WithoutLandmarksEveryWaterPolygonIsUnnamed) {
    GridCounty county = WaterCounty();
    county.missingFiles = {"rt7", "rt8"};
    TempDir dir;
    GridRun run(dir.path());
    run.Convert(county, Options('c', '0', {kWaterFlag}));
    auto polygons = ReadDocumentPolygons(run.Document("wat"));
    ASSERT_EQ(polygons.size(), 8u);
    for (const DocumentPolygon& polygon : polygons) EXPECT_EQ(polygon.Field("LANDNAME"), "");
}

}  // namespace
