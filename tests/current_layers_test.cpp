// Current-geography polygon layers on small counties drawn by hand: rings,
// holes and parts, water clipping, blank codes, the walk's choice at a
// pinch point, unclosed rings, output organisation, edition gates and the
// attribute tables of the layer families.
#include "conv2/job_state.h"
#include "conv2/polygon_sides.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "support/commands.h"
#include "support/county_files.h"
#include "support/drawn_county.h"
#include "support/kml_polygons.h"
#include "support/record_job.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

using namespace testsupport;
namespace col = testsupport::columnA;

namespace {

constexpr int kCountyFlag = 9, kPlaceFlag = 39, kElementaryFlag = 42, kMsaFlag = 48, kPmsaFlag = 50,
              kNecmaFlag = 52, kCdFlag = 55, kZcta5Flag = 57, kZcta3Flag = 59, kUpperFlag = 64, kLowerFlag = 65,
              kCbsaFlag = 72, kCsaFlag = 73, kNectaFlag = 75, kNectadivFlag = 77;

const char* const kScratchFiles[] = {"dbf.tmp", "pts.tmp", "head.tmp", "box.tmp", "parts.tmp", "a.tmp"};

KmlPoint P(int x, int y) { return {GridLongitude(x), GridLatitude(y)}; }

// The features of all layers that ogrinfo lists (GDAL makes a layer of each folder).
int FeatureCount(const std::string& info) {
    int total = 0;
    for (size_t at = 0; (at = info.find("Feature Count: ", at)) != std::string::npos; at += 15)
        total += std::atoi(info.c_str() + at + 15);
    return total;
}

// Points of a ring as the document writes them (six decimals).
std::vector<KmlPoint> Ring(std::initializer_list<KmlPoint> points) {
    std::vector<KmlPoint> out;
    for (const KmlPoint& p : points) {
        char text[64];
        std::snprintf(text, sizeof text, "%.6f %.6f", p.x, p.y);
        KmlPoint q;
        std::sscanf(text, "%lf %lf", &q.x, &q.y);
        out.push_back(q);
    }
    return out;
}

class CurrentLayersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(::mkdir(in.c_str(), 0755), 0);
        ASSERT_EQ(::mkdir(out.c_str(), 0755), 0);
    }

    // Converts the county; returns the messages of its log block.
    std::string Convert(const DrawnCounty& county, const std::string& options,
                        const std::string& stem = "tgr25025") {
        std::string logPath = out + "/" + stem + ".log";
        std::string before = Exists(logPath) ? ReadFile(logPath) : "";
        std::string input = county.Write(in, stem);
        for (const char* suffix : {"RT4", "RT5", "RT6", "RT7", "RT8", "RTB", "RTE", "RTM", "RTT", "RTU", "RTZ"})
            WriteFile(in + "/" + stem + "." + suffix, "");
        ConvertCounty(input, out, options);
        return LogMessages(ReadFile(logPath).substr(before.size()));
    }

    static std::string Clip(std::string options) {
        options[80] = '1';
        return options;
    }

    // The polygons of the only county folder of a document.
    static std::vector<KmlPolygon> Polygons(const std::string& path) {
        auto counties = ReadKmlPolygons(ReadFile(path));
        EXPECT_EQ(counties.size(), 1u) << path;
        return counties.empty() ? std::vector<KmlPolygon>{} : counties[0].polygons;
    }

    std::string Doc(const std::string& abbreviation) const { return out + "/tgr25025/tgr25025" + abbreviation + ".kml"; }

    bool ScratchFilesGone() const {
        for (const char* name : kScratchFiles) {
            if (Exists(out + "/" + name)) return false;
        }
        return true;
    }

    TempDir dir;
    std::string in = dir / "in";
    std::string out = dir / "out";
};

// Place 00100: a square with an island (place 00200), and a second square
// apart from it. The county is all three.
DrawnCounty IslandAndTwoParts() {
    DrawnCounty c;
    int mainland = c.Polygon({{col::kPlace, "00100"}});
    int island = c.Polygon({{col::kPlace, "00200"}});
    int apart = c.Polygon({{col::kPlace, "00100"}});
    c.Rectangle(0, 0, 4, 4, mainland, -1);
    c.Rectangle(1, 1, 2, 2, island, mainland);
    c.Rectangle(6, 0, 7, 1, apart, -1);
    c.Name('P', "00100", "Hole Town", "25", {{20, "C1"}, {22, "A"}});
    return c;
}

TEST_F(CurrentLayersTest, IslandIsAHoleAndTwoPartsAreOnePolygon) {
    EXPECT_EQ(Convert(IslandAndTwoParts(), Options('c', '0', {kCountyFlag, kPlaceFlag})),
              "directory " + out + "/tgr25025 created\n");
    EXPECT_TRUE(ScratchFilesGone());

    std::vector<KmlPolygon> places = Polygons(Doc("placecu"));
    ASSERT_EQ(places.size(), 2u);
    const KmlPolygon& town = places[0];
    EXPECT_EQ(town.name, "00100");
    EXPECT_EQ(town.placemarks, 2);
    ASSERT_EQ(town.rings.size(), 3u);
    // Outer rings clockwise, the hole counter-clockwise, in the order walked.
    EXPECT_TRUE(town.rings[0].outer);
    EXPECT_EQ(town.rings[0].points, Ring({P(4, 0), P(0, 0), P(0, 4), P(4, 4), P(4, 0)}));
    EXPECT_FALSE(town.rings[1].outer);
    EXPECT_EQ(town.rings[1].points, Ring({P(1, 1), P(2, 1), P(2, 2), P(1, 2), P(1, 1)}));
    EXPECT_TRUE(town.rings[2].outer);
    EXPECT_EQ(town.rings[2].points, Ring({P(7, 0), P(6, 0), P(6, 1), P(7, 1), P(7, 0)}));
    EXPECT_EQ(town.Field("GIST_ID"), "1");
    EXPECT_EQ(town.Field("COUNTY"), "25025");
    EXPECT_EQ(town.Field("PLACE"), "00100");
    EXPECT_EQ(town.Field("NAME"), "Hole Town");
    EXPECT_EQ(town.Field("LSADC"), "25");
    EXPECT_EQ(town.Field("ENTITY"), "P");
    EXPECT_EQ(town.Field("FIPSCC"), "C1");
    EXPECT_EQ(town.Field("PLACEDC"), "A");
    EXPECT_FALSE(town.Contains(GridLongitude(1) + 0.0005, GridLatitude(1) + 0.0005));
    EXPECT_TRUE(town.Contains(GridLongitude(3) + 0.0005, GridLatitude(3) + 0.0005));

    // A place without a name row: blank name and codes, named by its code.
    const KmlPolygon& island = places[1];
    EXPECT_EQ(island.name, "00200");
    EXPECT_EQ(island.Field("GIST_ID"), "2");
    EXPECT_EQ(island.Field("NAME"), "");
    EXPECT_EQ(island.Field("LSADC"), "");
    EXPECT_EQ(island.rings.size(), 1u);
    EXPECT_EQ(island.rings[0].points, Ring({P(2, 1), P(1, 1), P(1, 2), P(2, 2), P(2, 1)}));

    // The county: two outer rings, the island is inside it.
    std::vector<KmlPolygon> counties = Polygons(Doc("ctycu"));
    ASSERT_EQ(counties.size(), 1u);
    EXPECT_EQ(counties[0].OuterRings(), 2);
    EXPECT_EQ(counties[0].Holes(), 0);

    if (!HaveOgrinfo()) return;
    std::string info = Ogrinfo("-al", Doc("placecu"));
    EXPECT_EQ(info.find("Warning"), std::string::npos) << info;
    // A placemark per outer ring; the first holds the island as its hole.
    EXPECT_EQ(FeatureCount(info), 3) << info;
    EXPECT_NE(info.find("POLYGON Z ((-70.996 42.0 40,-71 42 40,-71 42.004 40,-70.996 42.004 40,-70.996 42.0 40),"
                        "(-70.999 42.001 40,-70.998 42.001 40,-70.998 42.002 40,-70.999 42.002 40,"
                        "-70.999 42.001 40))"),
              std::string::npos)
        << info;
}

// Land with a lake of the same county and place.
DrawnCounty Lake(int lakeWater, bool typeS = true) {
    DrawnCounty c;
    int land = c.Polygon({{col::kPlace, "00100"}}, 0, typeS);
    int lake = c.Polygon({{col::kPlace, "00100"}}, lakeWater, typeS);
    c.Rectangle(0, 0, 4, 4, land, -1);
    c.Rectangle(1, 1, 2, 2, lake, land);
    return c;
}

TEST_F(CurrentLayersTest, WaterClippingCutsTheLakeOut) {
    Convert(Lake(1), Options('c', '0', {kCountyFlag, kPlaceFlag}));
    ASSERT_EQ(Polygons(Doc("ctycu")).size(), 1u);
    EXPECT_EQ(Polygons(Doc("ctycu")).at(0).rings.size(), 1u);

    // Clipping on: the shore is a border, the lake's side of it is left out.
    EXPECT_EQ(Convert(Lake(1), Clip(Options('c', '0', {kCountyFlag, kPlaceFlag}))),
              "directory " + out + "/tgr25025 not created\n");
    for (const char* layer : {"ctycu", "placecu"}) {
        std::vector<KmlPolygon> polygons = Polygons(Doc(layer));
        ASSERT_EQ(polygons.size(), 1u) << layer;
        ASSERT_EQ(polygons[0].rings.size(), 2u) << layer;
        EXPECT_FALSE(polygons[0].rings[1].outer) << layer;
        EXPECT_EQ(polygons[0].rings[1].points, Ring({P(1, 1), P(2, 1), P(2, 2), P(1, 2), P(1, 1)}));
    }
    EXPECT_TRUE(ScratchFilesGone());

    // Water flag 2 against 0 is no border; neither is a polygon without a
    // type P row, nor a county without type S rows.
    for (const DrawnCounty& county : {Lake(2), Lake(-1), Lake(1, false)}) {
        Convert(county, Clip(Options('c', '0', {kCountyFlag})));
        std::vector<KmlPolygon> polygons = Polygons(Doc("ctycu"));
        ASSERT_EQ(polygons.size(), 1u);
        EXPECT_EQ(polygons[0].rings.size(), 1u);
    }
}

TEST_F(CurrentLayersTest, LayerLeftEmptyByClippingLogsItsHint) {
    // Only the lake carries the codes of these layers.
    DrawnCounty c;
    int land = c.Polygon({});
    int lake = c.Polygon({{col::kPlace, "00300"}, {col::kSdelm, "00030"}, {col::kCd, "01"}, {col::kZcta5, "02101"},
                          {col::kCbsa, "14460"}},
                         1);
    c.Rectangle(0, 0, 4, 4, land, -1);
    c.Rectangle(1, 1, 2, 2, lake, land);
    std::string log =
        Convert(c, Clip(Options('c', '0', {kPlaceFlag, kElementaryFlag, kCdFlag, kZcta5Flag, kCbsaFlag})));
    EXPECT_EQ(log, "directory " + out + "/tgr25025 created\n"
                   "Try turning off the water polygon clipping option before extracting Places Current\n"
                   "All elementary school polygons for this county coincide with water polygons\n"
                   "Try turning off the water polygon clipping option\n"
                   "Current Congressional Districts are for 109th Congress\n"
                   "There are no CDCU border lines\n"
                   "There are no ZCTA border lines\n"
                   "Try turning off the water polygon clipping option before extracting CBSA Current\n");
    EXPECT_TRUE(ScratchFilesGone());
    EXPECT_FALSE(Exists(Doc("placecu")));
    EXPECT_FALSE(Exists(Doc("sdelmcu")));
}

TEST_F(CurrentLayersTest, BlankCodesMakeNoEntries) {
    // Place 00100 beside a polygon without a place: its shared line gives one entry.
    DrawnCounty c;
    int town = c.Polygon({{col::kPlace, "00100"}});
    int rural = c.Polygon({});
    c.Line({0, 0}, {1, 0}, town, -1);
    c.Line({1, 0}, {1, 1}, town, rural);
    c.Line({1, 1}, {0, 1}, town, -1);
    c.Line({0, 1}, {0, 0}, town, -1);
    c.Line({1, 0}, {2, 0}, rural, -1);
    c.Line({2, 0}, {2, 1}, rural, -1);
    c.Line({2, 1}, {1, 1}, rural, -1);
    std::string log = Convert(c, Options('c', '0', {kPlaceFlag, kElementaryFlag, kCountyFlag}));
    EXPECT_EQ(log, "directory " + out + "/tgr25025 created\n"
                   "There are no Elementary School Current records\n");
    std::vector<KmlPolygon> places = Polygons(Doc("placecu"));
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].rings[0].points, Ring({P(1, 0), P(0, 0), P(0, 1), P(1, 1), P(1, 0)}));
    EXPECT_EQ(Polygons(Doc("ctycu")).at(0).rings.at(0).points,
              Ring({P(1, 0), P(0, 0), P(0, 1), P(1, 1), P(2, 1), P(2, 0), P(1, 0)}));
}

// Two squares of one place touching at a corner (1, 1). The walk reaches the
// corner first from the west square; the entry it takes there is the first
// in line order of those starting at the corner.
DrawnCounty PinchedPlace(long eastSquareNorthLine) {
    DrawnCounty c;
    int west = c.Polygon({{col::kPlace, "00100"}});
    int east = c.Polygon({{col::kPlace, "00100"}});
    c.Line({0, 0}, {1, 0}, west, -1, {}, 100);
    c.Line({1, 0}, {1, 1}, west, -1, {}, 200);  // starts the walk back from the corner
    c.Line({1, 1}, {0, 1}, west, -1, {}, 300);
    c.Line({0, 1}, {0, 0}, west, -1, {}, 400);
    c.Line({1, 1}, {2, 1}, east, -1, {}, 500);
    c.Line({2, 1}, {2, 2}, east, -1, {}, 600);
    c.Line({2, 2}, {1, 2}, east, -1, {}, 700);
    c.Line({1, 2}, {1, 1}, east, -1, {}, eastSquareNorthLine);  // also starts from the corner
    return c;
}

TEST_F(CurrentLayersTest, PinchPointTakesTheFirstEntryInLineOrder) {
    Convert(PinchedPlace(800), Options('c', '0', {kPlaceFlag}));
    std::vector<KmlPolygon> places = Polygons(Doc("placecu"));
    ASSERT_EQ(places.size(), 1u);
    ASSERT_EQ(places[0].rings.size(), 2u);
    EXPECT_EQ(places[0].rings[0].points, Ring({P(1, 0), P(0, 0), P(0, 1), P(1, 1), P(1, 0)}));
    EXPECT_EQ(places[0].rings[1].points, Ring({P(2, 1), P(1, 1), P(1, 2), P(2, 2), P(2, 1)}));

    // The east square's line first: the walk passes the corner twice, and
    // the ring is split there; what is left of it comes first.
    Convert(PinchedPlace(150), Options('c', '0', {kPlaceFlag}));
    places = Polygons(Doc("placecu"));
    ASSERT_EQ(places.size(), 1u);
    ASSERT_EQ(places[0].rings.size(), 2u);
    EXPECT_EQ(places[0].rings[0].points, Ring({P(1, 0), P(0, 0), P(0, 1), P(1, 1), P(1, 0)}));
    EXPECT_EQ(places[0].rings[1].points, Ring({P(1, 1), P(1, 2), P(2, 2), P(2, 1), P(1, 1)}));
}

TEST_F(CurrentLayersTest, RingThatDoesNotCloseIsWrittenClosed) {
    // The west side of the square is missing; its inner points come too.
    DrawnCounty c;
    int town = c.Polygon({{col::kPlace, "00100"}});
    c.Line({1, 1}, {0, 1}, town, -1, {}, 100);
    c.Line({1, 0}, {1, 1}, town, -1, {{2, 0}, {2, 1}}, 200);
    c.Line({0, 0}, {1, 0}, town, -1, {}, 300);
    std::string log = Convert(c, Options('c', '0', {kPlaceFlag}));
    EXPECT_EQ(log, "directory " + out + "/tgr25025 created\n"
                   "Ring of placecu polygon 00100 does not close; closed on its first point\n");
    std::vector<KmlPolygon> places = Polygons(Doc("placecu"));
    ASSERT_EQ(places.size(), 1u);
    ASSERT_EQ(places[0].rings.size(), 1u);
    EXPECT_EQ(places[0].rings[0].points, Ring({P(0, 1), P(1, 1), P(2, 1), P(2, 0), P(1, 0), P(0, 0), P(0, 1)}));
    EXPECT_TRUE(ScratchFilesGone());
}

TEST_F(CurrentLayersTest, OrganisationPlacesTheDocuments) {
    DrawnCounty c = IslandAndTwoParts();
    Convert(c, Options('c', '0', {kPlaceFlag}));
    EXPECT_TRUE(Exists(out + "/tgr25025/tgr25025placecu.kml"));
    Convert(c, Options('c', '1', {kPlaceFlag}));
    EXPECT_TRUE(Exists(out + "/tigershapes/tgr25025placecu.kml"));
    std::string log = Convert(c, Options('c', '2', {kPlaceFlag, kCdFlag}));
    EXPECT_EQ(log, "directory " + out + "/place/ created\n"
                   "There are no Congressional Districts Current records\n");
    EXPECT_TRUE(Exists(out + "/place/tgr25025placecu.kml"));

    // Merged: the second county continues the one document of the layer.
    log = Convert(c, Options('c', '3', {kPlaceFlag}));
    EXPECT_EQ(log, "directory " + out + "/place/ not created\n"
                   "directory " + out + "/place/ not created\n");
    DrawnCounty other("027");
    int p = other.Polygon({{col::kPlace, "00500"}});
    other.Rectangle(10, 10, 11, 11, p, -1);
    Convert(other, Options('c', '3', {kPlaceFlag}), "tgr25027");
    auto counties = ReadKmlPolygons(ReadFile(out + "/place/placecu.kml"));
    ASSERT_EQ(counties.size(), 2u);
    EXPECT_EQ(counties[0].code, "25025");
    EXPECT_EQ(counties[0].polygons.size(), 2u);
    EXPECT_EQ(counties[1].code, "25027");
    ASSERT_EQ(counties[1].polygons.size(), 1u);
    EXPECT_EQ(counties[1].polygons[0].Field("COUNTY"), "25027");
    EXPECT_EQ(counties[1].polygons[0].name, "00500");
    if (HaveOgrinfo()) {
        std::string info = Ogrinfo("-al -so", out + "/place/placecu.kml");
        EXPECT_EQ(info.find("Warning"), std::string::npos) << info;
        EXPECT_EQ(FeatureCount(info), 4) << info;
        EXPECT_NE(info.find("Layer name: 25027"), std::string::npos) << info;
    }
}

// Every current code on one square polygon beside an empty one, so each
// layer has one polygon.
DrawnCounty EveryCode(bool withNames) {
    DrawnCounty c;
    int p = c.Polygon({{col::kTract, "000100"}, {col::kBlock, "1001"}, {col::kConcit, "00700"},
                       {col::kCousub, "00800"}, {col::kSubmcd, "00900"}, {col::kPlace, "00100"},
                       {col::kSdelm, "00030"}, {col::kSdsec, "00040"}, {col::kSduni, "00010"},
                       {col::kMsacmsa, "1120"}, {col::kPmsa, "1123"}, {col::kNecma, "5350"}, {col::kCd, " 9"},
                       {col::kZcta5, "02101"}, {col::kZcta3, "021"}, {col::kSldu, "001"}, {col::kSldl, "002"},
                       {col::kCbsa, "14460"}, {col::kCsa, "148"}, {col::kNecta, "71650"}, {col::kCnecta, "715"},
                       {col::kMetdiv, "14484"}, {col::kNectadiv, "71654"}});
    c.Rectangle(0, 0, 1, 1, p, -1);
    if (withNames) {
        c.Name('M', "00800", "Town of Eight", "43", {{20, "A1"}, {22, "B"}});
        c.Name('3', "", "Elementary Thirty", "00", {{30, "30"}});
        c.Name('J', "", "Boston MSA", "M1", {{26, "1120"}});
        c.Name('J', "", "Boston NECMA", "N2", {{26, "5350"}});
        c.Name('Z', "", "Boston CBSA", "M1", {{56, "14460"}, {20, "C2"}});
        c.Name('Z', "", "Boston NECTA", "M1", {{56, "71650"}, {20, "C3"}});
        c.Name('Z', "", "Boston CSA", "M9", {{53, "148"}});
        c.Name('Z', "", "Upper One", "LU", {{53, "001"}});
        c.Name('Z', "", "Lower Two", "LL", {{53, "002"}});
    }
    return c;
}

TEST_F(CurrentLayersTest, AttributeTablesOfTheLayerFamilies) {
    Convert(EveryCode(true), Options('c', '0', {33, kElementaryFlag, kCdFlag, kZcta5Flag, kZcta3Flag, kCbsaFlag,
                                                kCsaFlag, 74, kNectaFlag, 76, kNectadivFlag}));
    auto one = [&](const char* abbreviation) {
        std::vector<KmlPolygon> polygons = Polygons(Doc(abbreviation));
        EXPECT_EQ(polygons.size(), 1u) << abbreviation;
        return polygons.empty() ? KmlPolygon{} : polygons[0];
    };
    KmlPolygon cousub = one("cousubcu");
    EXPECT_EQ(cousub.name, "Town of Eight");  // named by NAME
    EXPECT_EQ(cousub.fields, (std::vector<std::pair<std::string, std::string>>{
                                 {"GIST_ID", "1"}, {"COUNTY", "25025"}, {"COUSUB", "00800"},
                                 {"NAME", "Town of Eight"}, {"LSADC", "43"}, {"ENTITY", "M"},
                                 {"COUSUBCC", "A1"}, {"PLACEDC", "B"}}));
    KmlPolygon elementary = one("sdelmcu");
    EXPECT_EQ(elementary.name, "00030");
    EXPECT_EQ(elementary.Field("NAME"), "Elementary Thirty");
    EXPECT_EQ(elementary.Field("ENTITY"), "3");
    KmlPolygon district = one("cdcu");
    EXPECT_EQ(district.name, "9");
    EXPECT_EQ(district.fields, (std::vector<std::pair<std::string, std::string>>{
                                   {"GIST_ID", "1"}, {"COUNTY", "25025"}, {"DISTRICT", "9"}}));
    EXPECT_EQ(one("zcta5cu").fields, (std::vector<std::pair<std::string, std::string>>{
                                         {"GIST_ID", "1"}, {"COUNTY", "25025"}, {"ZCTA", "02101"}}));
    EXPECT_EQ(one("zcta3cu").Field("ZCTA3"), "021");
    KmlPolygon cbsa = one("cbsacu");
    EXPECT_EQ(cbsa.fields, (std::vector<std::pair<std::string, std::string>>{
                               {"GIST_ID", "1"}, {"FIPSSTCO", "25025"}, {"CBSA", "14460"}, {"NAME", "Boston CBSA"},
                               {"LSADC", "M1"}, {"ENTITY", "Z"}, {"FIPSCC", "C2"},
                               {"METROMICRO", "Metropolitan Statistical Area"}}));
    // LSADC ending in 1 is no NECTA class.
    EXPECT_EQ(one("nectacu").Field("METROMICRO"), "Unknown");
    KmlPolygon csa = one("csacu");
    EXPECT_EQ(csa.Field("FIPSTTCO"), "25025");
    EXPECT_EQ(csa.Field("NAME"), "Boston CSA");
    EXPECT_EQ(one("cnectacu").Field("FIPSTTCO"), "25025");
    KmlPolygon metdiv = one("metdivcu");
    EXPECT_EQ(metdiv.Field("METDIV"), "14484");
    EXPECT_EQ(metdiv.Field("NAME"), "");  // no row of that code
    KmlPolygon nectadiv = one("nectadivcu");
    EXPECT_EQ(nectadiv.name, "71654");
    EXPECT_EQ(nectadiv.Field("METDIV"), "71654");

    // A statistical area without a name row: blanks and "Unknown".
    Convert(EveryCode(false), Options('c', '0', {kCbsaFlag}));
    EXPECT_EQ(one("cbsacu").fields, (std::vector<std::pair<std::string, std::string>>{
                                        {"GIST_ID", "1"}, {"FIPSSTCO", "25025"}, {"CBSA", "14460"}, {"NAME", ""},
                                        {"LSADC", ""}, {"ENTITY", ""}, {"FIPSCC", ""}, {"METROMICRO", "Unknown"}}));
}

TEST_F(CurrentLayersTest, EditionsGateTheirLayers) {
    // 2002: metropolitan areas of the time, no ZCTAs, no Congress note.
    std::string log = Convert(EveryCode(true), Options('9', '0', {kMsaFlag, kPmsaFlag, kNecmaFlag, kCdFlag,
                                                                  kZcta5Flag, kZcta3Flag, kCbsaFlag}));
    EXPECT_EQ(log, "directory " + out + "/tgr25025 created\n"
                   "There are no ZCTA Current records\n"
                   "There are no ZCTA3 Current records\n");
    EXPECT_EQ(Polygons(Doc("msacu")).at(0).fields,
              (std::vector<std::pair<std::string, std::string>>{{"GIST_ID", "1"}, {"COUNTY", "25025"},
                                                                {"CMSAMSA", "1120"}, {"NAME", "Boston MSA"},
                                                                {"LSADC", "M1"}, {"ENTITY", "J"}}));
    EXPECT_TRUE(Exists(Doc("pmsacu")));
    EXPECT_EQ(Polygons(Doc("necmacu")).at(0).fields,
              (std::vector<std::pair<std::string, std::string>>{
                  {"GIST_ID", "1"}, {"COUNTY", "25025"}, {"NECMA", "5350"}, {"NAME", "Boston NECMA"}, {"LSADC", "N2"}}));
    EXPECT_TRUE(Exists(Doc("cdcu")));
    EXPECT_FALSE(Exists(Doc("cbsacu")));

    // 2004 first edition: the 108th Congress; 2003: no note, and the
    // metropolitan flags select no current layer.
    log = Convert(EveryCode(true), Options('b', '0', {kCdFlag}));
    EXPECT_EQ(log, "directory " + out + "/tgr25025 not created\n"
                   "Current Congressional Districts are for 108th Congress\n");
    for (const char* layer : {"msacu", "pmsacu", "necmacu"}) std::remove(Doc(layer).c_str());
    log = Convert(EveryCode(true), Options('a', '0', {kCdFlag, kMsaFlag, kPmsaFlag, kNecmaFlag}));
    EXPECT_EQ(log.find("Congress"), std::string::npos) << log;
    EXPECT_EQ(log.find("MSA"), std::string::npos) << log;
    for (const char* layer : {"msacu", "pmsacu", "necmacu"}) EXPECT_FALSE(Exists(Doc(layer))) << layer;

    // 2006: the current legislative districts, both in one theme folder.
    log = Convert(EveryCode(true), Options('d', '2', {kUpperFlag, kLowerFlag}));
    EXPECT_EQ(Polygons(out + "/sld/tgr25025slducu.kml").at(0).fields,
              (std::vector<std::pair<std::string, std::string>>{
                  {"GIST_ID", "1"}, {"COUNTY", "25025"}, {"SLDU", "001"}, {"NAME", "Upper One"}}));
    EXPECT_EQ(Polygons(out + "/sld/tgr25025sldlcu.kml").at(0).Field("NAME"), "Lower Two");
    // Before 2006 they are not built.
    std::remove((out + "/sld/tgr25025slducu.kml").c_str());
    std::remove((out + "/sld/tgr25025sldlcu.kml").c_str());
    Convert(EveryCode(true), Options('c', '2', {kUpperFlag, kLowerFlag}));
    EXPECT_FALSE(Exists(out + "/sld/tgr25025slducu.kml"));
    EXPECT_FALSE(Exists(out + "/sld/tgr25025sldlcu.kml"));
}

// The polygon tables of a drawn county loaded in this process, as the
// driver loads them, so that a test can change a count before a builder runs.
class LoadedCounty {
public:
    LoadedCounty(const DrawnCounty& county, const std::string& directory) : job_(directory, 105, true) {
        std::string input = county.Write(directory, "tgr25025");
        std::string base = input.substr(0, input.size() - 4);
        vornak2::gOutputDir = directory;
        vornak2::gCountyBaseName = "tgr25025";
        vornak2::gCountyCode = "25025";
        vornak2::gOrganisationMode = '0';
        vornak2::gClipWaterPolygons = 0;
        vornak2::gKmlLabelPoints = 0;
        vornak2::gEditionYear = 2004;
        vornak2::ResetPolygonSides();
        auto read = [&](const char* suffix, void (*reader)()) {
            ASSERT_TRUE(testsupport::RecordJob::Open(base + "." + suffix)) << suffix;
            reader();
            ASSERT_EQ(vornak2::gConversionStatus, 0) << suffix;
        };
        read("RT1", vornak2::ReadType1Records);
        read("RT2", vornak2::ReadType2Records);
        read("RTI", vornak2::ReadTypeIRecords);
        vornak2::SortType1ByTlid();
        vornak2::PrepareSideIndexes();
        read("RTC", vornak2::ReadTypeCRecords);
        vornak2::gTypeAScratchFile = platform::OpenFile(directory + "/a.tmp", "wb+");
        read("RTA", vornak2::ReadTypeARecords);
        vornak2::AssemblePolygonInfoA();
        read("RTS", vornak2::ReadTypeSRecords);
        read("RTP", vornak2::ReadTypePRecords);
        vornak2::AssemblePolygonInfoS();
    }
    ~LoadedCounty() {
        vornak2::gClipWaterPolygons = 0;
        vornak2::ReleasePolygonSides();
        vornak2::gTypeAScratchFile.reset();
    }
    std::string Log() const { return job_.Log(); }

private:
    testsupport::RecordJob job_;
};

TEST_F(CurrentLayersTest, CapacityExactlyFullAndOneSideMore) {
    // With clipping the county's four outer sides and the four shore sides
    // fill the entries exactly: four counted sides and four water sides.
    {
        LoadedCounty county(Lake(1), dir.path());
        ASSERT_EQ(vornak2::gBorderLineCountsA[vornak2::kCountyCurrentLevel], 4);
        ASSERT_EQ(vornak2::gBorderLineCountsS[vornak2::kWaterSidesSlot], 4);
        vornak2::gClipWaterPolygons = 1;
        vornak2::gOutputPrefix = dir.path() + "/";
        vornak2::BuildCountyCurrentPolygons();
        EXPECT_EQ(vornak2::gConversionStatus, 0) << county.Log();
        EXPECT_EQ(Polygons(dir / "tgr25025ctycu.kml").at(0).rings.size(), 2u);
    }
    {
        LoadedCounty county(Lake(1), dir.path());
        std::remove((dir / "tgr25025ctycu.kml").c_str());
        vornak2::gBorderLineCountsS[vornak2::kWaterSidesSlot] = 3;
        vornak2::gClipWaterPolygons = 1;
        vornak2::gOutputPrefix = dir.path() + "/";
        vornak2::BuildCountyCurrentPolygons();
        EXPECT_EQ(vornak2::gConversionStatus, -1);
        EXPECT_EQ(LogMessages(county.Log()), "the number of county border lines exceeds the count\n");
        EXPECT_FALSE(Exists(dir / "tgr25025ctycu.kml"));
        for (const char* name : {"dbf.tmp", "pts.tmp", "head.tmp", "box.tmp", "parts.tmp"})
            EXPECT_FALSE(Exists(dir / name)) << name;
    }
}

TEST_F(CurrentLayersTest, ScratchFilesGoOnEveryWayOut) {
    // A type A row that cannot be read back.
    {
        LoadedCounty county(IslandAndTwoParts(), dir.path());
        vornak2::gTypeAScratchFile.reset();
        vornak2::gOutputPrefix = dir.path() + "/";
        vornak2::BuildPlaceCurrentPolygons();
        EXPECT_EQ(vornak2::gConversionStatus, -1);
        EXPECT_EQ(LogMessages(county.Log()), "Cannot read from temp file\n");
        for (const char* name : {"dbf.tmp", "pts.tmp", "head.tmp", "box.tmp", "parts.tmp"})
            EXPECT_FALSE(Exists(dir / name)) << name;
    }
    // A scratch file that cannot be made: the ones made before it go.
    {
        LoadedCounty county(IslandAndTwoParts(), dir.path());
        ASSERT_EQ(::mkdir((dir / "pts.tmp").c_str(), 0755), 0);
        WriteFile(dir / "pts.tmp/keep", "");
        vornak2::gOutputPrefix = dir.path() + "/";
        vornak2::BuildPlaceCurrentPolygons();
        EXPECT_EQ(vornak2::gConversionStatus, -1);
        EXPECT_EQ(LogMessages(county.Log()), "Could not open file pts.tmp in " + dir.path() + " (is a directory)\n");
        EXPECT_FALSE(Exists(dir / "dbf.tmp"));
        EXPECT_TRUE(Exists(dir / "pts.tmp/keep"));
        std::remove((dir / "pts.tmp/keep").c_str());
        std::remove((dir / "pts.tmp").c_str());
    }
    // A document that cannot be written: its folder is a file.
    {
        LoadedCounty county(IslandAndTwoParts(), dir.path());
        WriteFile(dir / "blocked", "");
        vornak2::gOutputPrefix = dir / "blocked/";
        vornak2::BuildPlaceCurrentPolygons();
        EXPECT_EQ(vornak2::gConversionStatus, -1);
        EXPECT_NE(county.Log().find("Could not open file"), std::string::npos) << county.Log();
        for (const char* name : {"dbf.tmp", "pts.tmp", "head.tmp", "box.tmp", "parts.tmp"})
            EXPECT_FALSE(Exists(dir / name)) << name;
    }
}

}  // namespace
