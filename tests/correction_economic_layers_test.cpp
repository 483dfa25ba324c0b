// The correction layer (one polygon per TIGER polygon with a type B row) and
// the economic census layers (counties, places, commercial regions) on
// hand-made grid counties, converted whole by the 2002-2006 library.
#include "support/county_files.h"
#include "support/grid_county.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <string>

using namespace testsupport;

namespace {

constexpr int kCorrectionFlag = 10;
constexpr int kCountyEconomicFlag = 48;
constexpr int kPlaceEconomicFlag = 50;
constexpr int kCommercialRegionFlag = 52;

// Type B columns 26-90: every corrected code of a polygon.
const std::string kCorrections =
    std::string("25") + "901" + "000100" + "1234A" + "12345" + "6789" + "T" + "54321" + "111" + "22222" + "33333" +
    "44444" + "55555" + "66666" + "77777" + "U";

// The corrections layer: B rows on cells (0, 0), (1, 0) and (3, 1) of a 4 x 2 grid.
GridCounty CorrectionCounty() {
    GridCounty county(4, 2);
    county.Cell(0, 0).polyid = "0000000012";  // leading zeros: written as the number 12
    county.Cell(0, 0).b = kCorrections;
    county.Cell(1, 0).b = "25901000200";
    county.Cell(3, 1).b = "25901000300";
    return county;
}

TEST(CorrectionLayerTest, EveryPolygonWithACorrectionRowIsItsOwnPolygonInPolyidOrder) {
    TempDir dir;
    GridRun run(dir.path());
    std::string log = run.Convert(CorrectionCounty(), Options('c', '0', {kCorrectionFlag}));
    EXPECT_LACKS(log, "exceeds");
    EXPECT_LACKS(log, "There are no");

    auto polygons = ReadDocumentPolygons(run.Document("cq"));
    ASSERT_EQ(polygons.size(), 3u);
    // POLYID texts in byte order: "         2" < "         8" < "0000000012".
    EXPECT_EQ(polygons[0].Field("POLYID"), "2");
    EXPECT_EQ(polygons[1].Field("POLYID"), "8");
    EXPECT_EQ(polygons[2].Field("POLYID"), "12");
    EXPECT_EQ(polygons[2].name, "        12");
    // Adjacent polygons are not merged: each keeps its own square.
    ASSERT_EQ(polygons[0].rings.size(), 1u);
    EXPECT_TRUE(RingThrough(polygons[0].rings[0], Rectangle(1, 0, 2, 1)));
    EXPECT_TRUE(RingThrough(polygons[1].rings[0], Rectangle(3, 1, 4, 2)));
    EXPECT_TRUE(RingThrough(polygons[2].rings[0], Rectangle(0, 0, 1, 1)));

    const DocumentPolygon& full = polygons[2];
    const std::pair<const char*, const char*> expected[] = {
        {"POLYID", "12"},      {"CENID", "CA001"},    {"STATECQ", "25"},     {"COUNTYCQ", "901"},
        {"TRACTCQ", "000100"}, {"BLOCKCQ", "1234"},   {"AIANHHFPCQ", "12345"}, {"AIANHHCQ", "6789"},
        {"AIHHTLICQ", "T"},    {"ANRCCQ", "54321"},   {"AITSCECQ", "111"},   {"AITSCQ", "22222"},
        {"CONCITCQ", "33333"}, {"COUSUBCQ", "44444"}, {"SUBMCDCQ", "55555"}, {"PLACECQ", "66666"},
        {"RS_B2", "77777"},    {"RS_B3", "U"},
    };
    ASSERT_EQ(full.fields.size(), std::size(expected));
    for (size_t k = 0; k < std::size(expected); ++k) {
        EXPECT_EQ(full.fields[k].first, expected[k].first);
        EXPECT_EQ(full.fields[k].second, expected[k].second) << expected[k].first;
    }
    // A polygon whose row ends early has blank codes, never NUL bytes.
    EXPECT_EQ(polygons[0].Field("AIHHTLICQ"), "");
    EXPECT_EQ(ReadFile(run.Document("cq")).find('\0'), std::string::npos);
}

TEST(CorrectionLayerTest, FirstEditionNamesTheLastFieldsUaccAndUrcc) {
    TempDir dir;
    GridRun run(dir.path());
    run.Convert(CorrectionCounty(), Options('a', '0', {kCorrectionFlag}));
    auto polygons = ReadDocumentPolygons(run.Document("cq"));
    ASSERT_EQ(polygons.size(), 3u);
    EXPECT_EQ(polygons[2].fields[16].first, "UACC");
    EXPECT_EQ(polygons[2].Field("UACC"), "77777");
    EXPECT_EQ(polygons[2].Field("URCC"), "U");
}

TEST(CorrectionLayerTest, WaterClippingChangesNothing) {
    GridCounty county = CorrectionCounty();
    county.Cell(1, 0).water = 1;
    county.Cell(2, 0).water = 1;
    TempDir dir;
    GridRun run(dir.path());
    std::string options = Options('c', '0', {kCorrectionFlag});
    options[80] = '1';
    run.Convert(county, options);
    auto polygons = ReadDocumentPolygons(run.Document("cq"));
    ASSERT_EQ(polygons.size(), 3u);
    EXPECT_TRUE(RingThrough(polygons[0].rings[0], Rectangle(1, 0, 2, 1)));
}

TEST(CorrectionLayerTest, CountyWithoutCorrectionsLogsOnlyItsNotice) {
    GridCounty county(2, 1);
    county.missingFiles = {"rtb"};
    TempDir dir;
    GridRun run(dir.path());
    std::string log = run.Convert(county, Options('c', '0', {kCorrectionFlag}));
    EXPECT_HAS(log, "Could not open Type B file. No Census CQ poygons will be produced\nThere are no CQ records\n");
    EXPECT_FALSE(Exists(run.Document("cq")));
}

TEST(CorrectionLayerTest, EnclosedPolygonMakesAHole) {
    GridCounty county(3, 3);
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i) {
            county.Cell(i, j).polyid = "       100";
            county.Cell(i, j).b = "25901";
        }
    county.Cell(1, 1).polyid = "       200";
    county.Cell(1, 1).b = "";
    TempDir dir;
    GridRun run(dir.path());
    run.Convert(county, Options('c', '0', {kCorrectionFlag}));
    auto polygons = ReadDocumentPolygons(run.Document("cq"));
    ASSERT_EQ(polygons.size(), 1u);
    ASSERT_EQ(polygons[0].rings.size(), 2u);
    int holes = polygons[0].rings[0].inner + polygons[0].rings[1].inner;
    EXPECT_EQ(holes, 1);
}

// ------------------------------------------------------- economic census

// Type E columns 26-56.
std::string EconomicCodes(const std::string& county, const std::string& place, char region) {
    return county + std::string(10, ' ') + place + std::string(10, ' ') + region;
}

// Four cells in a row: economic census counties 25901 (cells 0, 1) and
// 25902 (2, 3); place 11111 over cells 0-2 (across both counties) and 22222
// on cell 3; commercial regions 1, 2, 2 and none.
GridCounty EconomicCounty() {
    GridCounty county(4, 1);
    county.Cell(0, 0).e = EconomicCodes("25901", "11111", '1');
    county.Cell(1, 0).e = EconomicCodes("25901", "11111", '2');
    county.Cell(2, 0).e = EconomicCodes("25902", "11111", '2');
    county.Cell(3, 0).e = EconomicCodes("25902", "22222", ' ');
    county.entityNames = {
        EntityNameLine('S', "25", "   ", "    ", "     ", "  ", ' ', "  ", -1, "Massachusetts"),
        EntityNameLine('C', "25", "901", "2004", "     ", "H1", ' ', "06", -1, "Alpha County"),
        EntityNameLine('E', "25", "901", "EC02", "11111", "C1", 'A', "25", -1, "Econ Place"),
        EntityNameLine('R', "25", "901", "    ", "     ", "R2", ' ', "RG", 2, "Region Two"),
    };
    return county;
}

TEST(EconomicCensusLayerTest, CountiesAreDissolvedByTheirCodesAndNamed) {
    TempDir dir;
    GridRun run(dir.path());
    std::string log = run.Convert(EconomicCounty(), Options('c', '0', {kCountyEconomicFlag}));
    EXPECT_LACKS(log, "exceeds");
    auto polygons = ReadDocumentPolygons(run.Document("ctyec"));
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].Field("GIST_ID"), "1");
    EXPECT_EQ(polygons[0].Field("FIPSSTCO"), "25901");
    EXPECT_EQ(polygons[0].Field("STATE"), "Massachusetts");
    EXPECT_EQ(polygons[0].Field("COUNTY"), "Alpha County");
    EXPECT_EQ(polygons[0].Field("LSADC"), "06");
    EXPECT_EQ(polygons[0].Field("FIPSCC"), "H1");
    EXPECT_EQ(polygons[0].Field("ENTITY"), "C");
    ASSERT_EQ(polygons[0].rings.size(), 1u);
    EXPECT_TRUE(RingThrough(polygons[0].rings[0], Rectangle(0, 0, 2, 1)));
    // No type C row for the second county: empty names and codes.
    EXPECT_EQ(polygons[1].Field("FIPSSTCO"), "25902");
    EXPECT_EQ(polygons[1].Field("COUNTY"), "");
    EXPECT_EQ(polygons[1].Field("LSADC"), "");
    EXPECT_EQ(polygons[1].Field("ENTITY"), "");
    EXPECT_TRUE(RingThrough(polygons[1].rings[0], Rectangle(2, 0, 4, 1)));
}

TEST(EconomicCensusLayerTest, PlaceAcrossTwoCountiesIsOnePolygon) {
    TempDir dir;
    GridRun run(dir.path());
    run.Convert(EconomicCounty(), Options('c', '0', {kPlaceEconomicFlag}));
    auto polygons = ReadDocumentPolygons(run.Document("placeec"));
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].Field("PLACE"), "11111");
    EXPECT_EQ(polygons[0].Field("COUNTY"), "25901");  // the county of the line that starts it
    EXPECT_EQ(polygons[0].Field("NAME"), "Econ Place");
    EXPECT_EQ(polygons[0].Field("LSADC"), "25");
    EXPECT_EQ(polygons[0].Field("ENTITY"), "E");
    EXPECT_EQ(polygons[0].Field("FIPSCC"), "C1");
    EXPECT_EQ(polygons[0].Field("PLACEDC"), "A");
    ASSERT_EQ(polygons[0].rings.size(), 1u);
    EXPECT_TRUE(RingThrough(polygons[0].rings[0], Rectangle(0, 0, 3, 1)));
    EXPECT_EQ(polygons[1].Field("PLACE"), "22222");
    EXPECT_EQ(polygons[1].Field("COUNTY"), "25902");
    EXPECT_EQ(polygons[1].Field("NAME"), "");
    EXPECT_EQ(polygons[1].Field("PLACEDC"), "");
}

TEST(EconomicCensusLayerTest, CommercialRegionsComeInDescendingOrder) {
    TempDir dir;
    GridRun run(dir.path());
    std::string log = run.Convert(EconomicCounty(), Options('c', '0', {kCommercialRegionFlag}));
    EXPECT_LACKS(log, "exceeds");
    auto polygons = ReadDocumentPolygons(run.Document("comreg"));
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].Field("COMMREG"), "2");
    EXPECT_EQ(polygons[0].Field("GIST_ID"), "1");
    EXPECT_EQ(polygons[0].Field("FIPSSTCOEC"), "25901");
    EXPECT_EQ(polygons[0].Field("NAME"), "Region Two");
    EXPECT_EQ(polygons[0].Field("LSADC"), "RG");
    EXPECT_EQ(polygons[0].Field("FIPSCC"), "R2");
    ASSERT_EQ(polygons[0].rings.size(), 1u);
    EXPECT_TRUE(RingThrough(polygons[0].rings[0], Rectangle(1, 0, 3, 1)));
    EXPECT_EQ(polygons[1].Field("COMMREG"), "1");
    EXPECT_EQ(polygons[1].Field("NAME"), "");
    EXPECT_TRUE(RingThrough(polygons[1].rings[0], Rectangle(0, 0, 1, 1)));
}

TEST(EconomicCensusLayerTest, CommercialRegionsInterleavedStillCloseTheirRings) {
    // Regions 3, 1, 3, 1 along a row: each region is two separate squares,
    // and its lines lie among the other region's in the gathered order.
    GridCounty county(4, 1);
    const char regions[] = {'3', '1', '3', '1'};
    for (int i = 0; i < 4; ++i) county.Cell(i, 0).e = EconomicCodes("25901", "11111", regions[i]);
    TempDir dir;
    GridRun run(dir.path());
    run.Convert(county, Options('c', '0', {kCommercialRegionFlag}));
    auto polygons = ReadDocumentPolygons(run.Document("comreg"));
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].Field("COMMREG"), "3");
    ASSERT_EQ(polygons[0].rings.size(), 2u);
    EXPECT_TRUE(RingThrough(polygons[0].rings[0], Rectangle(0, 0, 1, 1)) ||
                RingThrough(polygons[0].rings[1], Rectangle(0, 0, 1, 1)));
    EXPECT_TRUE(RingThrough(polygons[0].rings[0], Rectangle(2, 0, 3, 1)) ||
                RingThrough(polygons[0].rings[1], Rectangle(2, 0, 3, 1)));
    EXPECT_EQ(polygons[1].Field("COMMREG"), "1");
    ASSERT_EQ(polygons[1].rings.size(), 2u);
}

TEST(EconomicCensusLayerTest, EditionOf2002HasNoEconomicLayers) {
    TempDir dir;
    GridRun run(dir.path());
    std::string log = run.Convert(EconomicCounty(), Options('9', '0', {kCountyEconomicFlag, kPlaceEconomicFlag,
                                                                       kCommercialRegionFlag}));
    EXPECT_LACKS(log, "Type E");
    EXPECT_FALSE(Exists(run.Document("ctyec")));
    EXPECT_FALSE(Exists(run.Document("placeec")));
    EXPECT_FALSE(Exists(run.Document("comreg")));
}

}  // namespace
