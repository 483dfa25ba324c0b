// Polygon layers of Census 2000 on generated counties: every layer of a
// larger grid against the codes of its cells, and small grids whose type S
// codes are rewritten to show the blank tests and key orders of the census
// hierarchy and of the American Indian areas; the overflow texts of a layer.
#include "conv2/job_state.h"
#include "conv2/polygon_sides.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "support/generated_county_run.h"
#include "support/record_job.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

using testsupport::Trim;
using testsupport::generated::CountyRun;
using testsupport::generated::EntityRow;
using testsupport::generated::Polygon;
using testsupport::generated::Values;

namespace {

constexpr double kCellArea = 1e-6;  // one cell of the generated grid, in square degrees

struct LayerCase {
    const char* abbreviation;
    std::vector<std::string> keyFields;
    // The cell's key, its parts trimmed and joined by '|'; "" for a cell
    // outside every polygon of the layer.
    std::function<std::string(const countygen::CellCodes&)> key;
};

std::string Join(std::initializer_list<std::string> parts) {
    std::string key;
    bool first = true;
    for (const std::string& p : parts) {
        key += (first ? "" : "|") + Trim(p);
        first = false;
    }
    return key;
}

// The flags of every Census 2000 and other-vintage layer.
const std::initializer_list<int> kAllFlags = {8,  11, 14, 17, 20, 23, 26, 29, 32, 35, 38, 41, 43, 45,
                                              47, 49, 51, 54, 69, 70, 56, 58, 62, 60, 63, 64, 65, 66};

TEST(Census2000LayersTest, EveryLayerOfAGeneratedCountyHasOnePolygonPerCode) {
    countygen::CountySpec spec;
    spec.width = 44;
    spec.height = 34;
    CountyRun run(spec);
    run.Run('c', kAllFlags);
    const countygen::CountyModel& model = run.model();

    auto cell = [](const countygen::CellCodes&, const std::string& code) {
        return Trim(code).empty() ? std::string() : code;
    };
    const std::vector<LayerCase> layers = {
        {"cty00", {"FIPSSTCO"}, [](const auto& c) { return c.state + c.county; }},
        {"trt00", {"STFID"}, [](const auto& c) { return c.state + c.county + c.tract; }},
        {"grp00", {"STFID"}, [](const auto& c) { return c.state + c.county + c.tract + c.blockGroup; }},
        {"blk00", {"STFID"}, [](const auto& c) { return c.state + c.county + c.tract + c.block; }},
        {"aianhh00",
         {"AIANHH", "AIANHHFP", "AIHHTLI"},
         [](const auto& c) {
             return Trim(c.aianhh).empty() ? "" : Join({c.aianhh, c.aianhhfp, c.aihhtli == 'T' ? "T" : ""});
         }},
        {"cousub00", {"COUSUB"}, [&](const auto& c) { return cell(c, c.cousub); }},
        {"place00", {"PLACE"}, [&](const auto& c) { return cell(c, c.place); }},
        {"sdelm00", {"ELEMENTARY"}, [&](const auto& c) { return cell(c, c.sdelm); }},
        {"sdsec00", {"SECONDARY"}, [&](const auto& c) { return cell(c, c.sdsec); }},
        {"sduni00", {"UNIFIED"}, [&](const auto& c) { return cell(c, c.sduni); }},
        {"msa00", {"CMSAMSA"}, [&](const auto& c) { return cell(c, c.msacmas); }},
        {"pmsa00", {"PMSA"}, [&](const auto& c) { return cell(c, c.pmsa); }},
        {"necma00", {"NECMA"}, [&](const auto& c) { return cell(c, c.necma); }},
        {"cd106", {"DISTRICT"}, [&](const auto& c) { return cell(c, c.cd106); }},
        {"cd108", {"DISTRICT"}, [&](const auto& c) { return cell(c, c.cd108); }},
        {"puma5", {"PUMA5"}, [&](const auto& c) { return cell(c, c.puma5); }},
        {"puma1", {"PUMA1"}, [&](const auto& c) { return cell(c, c.puma1); }},
        {"zcta500", {"ZCTA"}, [&](const auto& c) { return cell(c, c.zcta5); }},
        {"zcta300", {"ZCTA3"}, [&](const auto& c) { return cell(c, c.zcta3); }},
        {"taz", {"TAZ", "UA"}, [](const auto& c) { return Trim(c.taz).empty() ? "" : Join({c.taz, c.ua}); }},
        {"urb00", {"UACODE"}, [&](const auto& c) { return cell(c, c.ua); }},
        {"vtd00", {"COUNTY", "VOTE00"}, [](const auto& c) { return Join({c.state + c.county, c.vtd}); }},
        {"sldu", {"SLDU"}, [&](const auto& c) { return cell(c, c.sldu); }},
        {"sldl", {"SLDL"}, [&](const auto& c) { return cell(c, c.sldl); }},
    };
    for (const LayerCase& layer : layers) {
        SCOPED_TRACE(layer.abbreviation);
        std::map<std::string, int> cells;  // key -> cells
        for (int c = 0; c < model.CellCount(); ++c) {
            std::string key = layer.key(model.Cell(c));
            if (!key.empty()) ++cells[key];
        }
        ASSERT_TRUE(run.HasDocument(layer.abbreviation));
        std::vector<Polygon> polygons = run.Polygons(layer.abbreviation);
        ASSERT_EQ(polygons.size(), cells.size());
        std::set<std::string> seen;
        for (size_t k = 0; k < polygons.size(); ++k) {
            const Polygon& p = polygons[k];
            std::string key = Values(p, layer.keyFields);
            EXPECT_TRUE(seen.insert(key).second) << key;
            ASSERT_EQ(cells.count(key), 1u) << key;
            EXPECT_EQ(p.Field("GIST_ID"), std::to_string(k + 1));
            // The rings cover exactly the cells of the code.
            EXPECT_NEAR(std::fabs(p.SignedArea()), cells[key] * kCellArea, 1e-9) << key;
        }
    }

    // Codes found in the type C rows name their polygons.
    auto first = [&](const char* abbreviation) { return run.Polygons(abbreviation).at(0); };
    Polygon county = first("cty00");
    EXPECT_EQ(county.Field("STATE"), "State 25");
    EXPECT_EQ(county.Field("COUNTY"), "Synthetic County 25901");
    EXPECT_EQ(Values(county, {"LSADC", "FIPSCC", "ENTITY"}), "06|H1|C");
    EXPECT_EQ(county.name, "25901");
    EXPECT_EQ(first("trt00").Field("NAME"), "1");
    EXPECT_EQ(Values(first("place00"), {"NAME", "LSADC", "ENTITY", "FIPSCC", "PLACEDC"}), "City 20000|25|P|C1|0");
    EXPECT_EQ(Values(first("cousub00"), {"NAME", "LSADC", "ENTITY", "COUSUBCC"}), "Town 10000|43|M|T1");
    EXPECT_EQ(first("cousub00").name, "Town 10000");
    EXPECT_EQ(first("aianhh00").Field("NAME"), "Reservation 1000");
    EXPECT_EQ(Values(first("sduni00"), {"NAME", "ENTITY"}), "Unified District 10|5");
    EXPECT_EQ(first("msa00").Field("NAME"), "Metro 1120");
    EXPECT_EQ(first("necma00").order, (std::vector<std::string>{"GIST_ID", "COUNTY", "NECMA", "NAME", "LSADC"}));
    EXPECT_EQ(Values(first("urb00"), {"COUNTY", "NAME", "ENTITY"}), "25901|Urban Area 09271|U");
    EXPECT_EQ(Values(first("vtd00"), {"NAME", "ENTITY"}), "Precinct 001000|V");
    EXPECT_EQ(first("cd106").name, "03");

    // Layers without codes in this county: only their notices.
    std::string log = run.LogMessages();
    for (const char* notice : {"There are no ANRC 2000 records\n", "There are no Aits 2000 records\n",
                               "There are no Concity 2000 records\n", "There are no Subbarrio 2000 records\n",
                               "There are no UGA 00 records\n"})
        EXPECT_NE(log.find(notice), std::string::npos) << notice;
    for (const char* abbreviation : {"anrc00", "aits00", "concit00", "submcd00", "uga00", "urbcu"})
        EXPECT_FALSE(run.HasDocument(abbreviation)) << abbreviation;
    for (const char* fault : {"exceeds", "ERROR", "Cannot", "does not close", "Could not"})
        EXPECT_EQ(log.find(fault), std::string::npos) << log;
}

// Rewrites the Census 2000 hierarchy of a 4 x 3 grid: column 0 without a
// tract, column 3 without a block, block groups 3, 1, 2 by row, and the two
// cells (2, 2), (3, 2) in county 902 under the same tract code as their
// neighbours in county 901.
TEST(Census2000LayersTest, HierarchyTestsItsOwnPartForBlanks) {
    CountyRun run(countygen::CountySpec{});
    run.PatchRecords("rts", [](std::string& line) {
        int c = CountyRun::CellOf(line), i = c % 4, j = c / 4;
        CountyRun::Put(line, 28, i >= 2 && j == 2 ? "902" : "901");
        CountyRun::Put(line, 31, i == 0 ? "      " : i == 1 ? "000100" : "000200");
        CountyRun::Put(line, 41, j == 0 ? "3" : j == 1 ? "1" : "2");
        CountyRun::Put(line, 37, i == 3 ? "    " : std::to_string(1000 + 10 * j + (i == 2 ? 1 : i)));
    });
    run.WriteRecords("rtc", {EntityRow('S', "Massachusetts").Put(6, "25"),
                             EntityRow('C', "Alpha County").Put(6, "25901").Put(20, "H1").Put(23, "06"),
                             EntityRow('T', "Tract One").Put(6, "25901").Put(39, "000100")});
    run.Run('c', {8, 11, 14, 17});

    std::vector<Polygon> counties = run.Polygons("cty00");
    ASSERT_EQ(counties.size(), 2u);
    EXPECT_EQ(Values(counties[0], {"GIST_ID", "FIPSSTCO", "STATE", "COUNTY", "LSADC", "FIPSCC", "ENTITY"}),
              "1|25901|Massachusetts|Alpha County|06|H1|C");
    EXPECT_EQ(Values(counties[1], {"GIST_ID", "FIPSSTCO", "STATE", "COUNTY", "LSADC", "FIPSCC", "ENTITY"}),
              "2|25902|Massachusetts||||");
    EXPECT_NEAR(std::fabs(counties[0].SignedArea()), 10 * kCellArea, 1e-9);

    // Column 0 has no tract: its side of the line x = 1 is no tract polygon.
    std::vector<Polygon> tracts = run.Polygons("trt00");
    ASSERT_EQ(tracts.size(), 3u);
    EXPECT_EQ(Values(tracts[0], {"FIPSSTCO", "TRACT", "STFID", "NAME"}), "25901|000100|25901000100|Tract One");
    EXPECT_EQ(Values(tracts[1], {"STFID", "NAME"}), "25901000200|");
    EXPECT_EQ(Values(tracts[2], {"FIPSSTCO", "STFID"}), "25902|25902000200");
    EXPECT_DOUBLE_EQ(tracts[0].MinX(), -71.499);
    EXPECT_DOUBLE_EQ(tracts[0].MaxX(), -71.498);
    EXPECT_DOUBLE_EQ(tracts[0].MinY(), 42.0);
    EXPECT_DOUBLE_EQ(tracts[0].MaxY(), 42.003);

    // Block groups test their own character: a blank tract is no blank group.
    std::vector<std::string> groups;
    for (const Polygon& p : run.Polygons("grp00")) groups.push_back(Values(p, {"TRACT", "GROUP", "STFID"}));
    EXPECT_EQ(groups, (std::vector<std::string>{"|1|25901      1", "|2|25901      2", "|3|25901      3",
                                                "000100|1|259010001001", "000100|2|259010001002",
                                                "000100|3|259010001003", "000200|1|259010002001",
                                                "000200|3|259010002003", "000200|2|259020002002"}));

    // Block 1001 lies in two tracts: two blocks. Column 3 has none.
    std::vector<Polygon> blocks = run.Polygons("blk00");
    std::vector<std::string> stfids;
    for (const Polygon& p : blocks) {
        stfids.push_back(p.Field("STFID"));
        EXPECT_NEAR(std::fabs(p.SignedArea()), kCellArea, 1e-9) << p.Field("STFID");
    }
    EXPECT_EQ(stfids, (std::vector<std::string>{"25901      1000", "25901      1010", "25901      1020",
                                                "259010001001001", "259010001001011", "259010001001021",
                                                "259010002001001", "259010002001011", "259020002001021"}));
    ASSERT_GT(blocks.size(), 3u);
    EXPECT_EQ(Values(blocks[3], {"FIPSSTCO", "TRACT", "BLOCK"}), "25901|000100|1001");
    EXPECT_DOUBLE_EQ(blocks[3].MinX(), -71.499);
    EXPECT_DOUBLE_EQ(blocks[3].MinY(), 42.0);
}

// AIANHH codes whose order by AIANHH differs from their order by AIANHHFP,
// and a trust land beside its reservation; ANRCs and tribal subdivisions.
TEST(Census2000LayersTest, AmericanIndianAreasSortByTheirOwnKeys) {
    CountyRun run(countygen::CountySpec{});
    run.PatchRecords("rts", [](std::string& line) {
        int c = CountyRun::CellOf(line), i = c % 4, j = c / 4;
        const char* fp[] = {"10000", "20000", "20000", "     "};
        const char* area[] = {"2000", "1000", "1000", "    "};
        const char* tli[] = {" ", " ", "T", " "};
        CountyRun::Put(line, 42, std::string(fp[i]) + area[i] + tli[i]);
        CountyRun::Put(line, 52, i < 2 ? "11111" : "22222");
        CountyRun::Put(line, 57, j == 0 ? "00133333" : j == 1 ? "00233333" : "        ");
    });
    run.WriteRecords("rtc", {EntityRow('I', "Yland").Put(35, "1000").Put(15, "20000").Put(20, "A1").Put(23, "R1"),
                             EntityRow('W', "South ANRC").Put(15, "22222"),
                             EntityRow('X', "Sub Two").Put(15, "33333").Put(50, "002").Put(11, "2000")});
    run.Run('c', {20, 23, 26});

    std::vector<std::string> areas;
    for (const Polygon& p : run.Polygons("aianhh00"))
        areas.push_back(Values(p, {"GIST_ID", "COUNTY", "AIANHH", "AIANHHFP", "AIHHTLI", "NAME", "LSADC", "FIPSCC",
                                  "ENTITY"}));
    EXPECT_EQ(areas, (std::vector<std::string>{"1|25901|1000|20000||Yland|R1|A1|I",
                                               "2|25901|1000|20000|T|Yland|R1|A1|I",
                                               "3|25901|2000|10000|||||"}));

    std::vector<std::string> anrcs;
    for (const Polygon& p : run.Polygons("anrc00")) anrcs.push_back(Values(p, {"ANRC", "NAME", "ENTITY"}));
    EXPECT_EQ(anrcs, (std::vector<std::string>{"11111||", "22222|South ANRC|W"}));

    std::vector<std::string> subdivisions;
    for (const Polygon& p : run.Polygons("aits00")) subdivisions.push_back(Values(p, {"AITS", "AITSCE", "NAME"}));
    EXPECT_EQ(subdivisions, (std::vector<std::string>{"33333|001|", "33333|002|Sub Two"}));
    EXPECT_EQ(run.LogMessages().find("exceeds"), std::string::npos);
}

// Consolidated cities, county subdivisions, subbarrios and places: one code
// in two counties is one polygon; the entity letter decides which type C row
// names a layer.
TEST(Census2000LayersTest, PlacesAreKeyedByTheirCodeAlone) {
    CountyRun run(countygen::CountySpec{});
    run.PatchRecords("rts", [](std::string& line) {
        int c = CountyRun::CellOf(line), i = c % 4, j = c / 4;
        CountyRun::Put(line, 28, j == 2 ? "902" : "901");
        std::string code = i < 2 ? "44444" : "55555";
        CountyRun::Put(line, 65, code + code + code + code);  // CONCIT, COUSUB, SUBMCD, PLACE
    });
    run.WriteRecords("rtc", {EntityRow('M', "Town 44444").Put(15, "44444").Put(20, "T1").Put(23, "43"),
                             EntityRow('G', "Metro Gov").Put(15, "44444"),
                             EntityRow('P', "Old Place").Put(15, "44444").Put(11, "1990"),
                             EntityRow('P', "Place 44444").Put(15, "44444").Put(22, "A").Put(20, "C1"),
                             EntityRow('L', "Barrio 55555").Put(15, "55555")});
    run.Run('c', {29, 32, 35, 38});

    const std::vector<std::string> fields = {"COUNTY", "NAME", "LSADC", "ENTITY", "PLACEDC"};
    auto rows = [&](const char* abbreviation, const char* code, const char* classCode) {
        std::vector<std::string> out;
        for (const Polygon& p : run.Polygons(abbreviation)) {
            std::vector<std::string> keyFields = {code};
            keyFields.insert(keyFields.end(), fields.begin(), fields.end());
            keyFields.push_back(classCode);
            out.push_back(p.name + ":" + Values(p, keyFields));
        }
        return out;
    };
    EXPECT_EQ(rows("concit00", "CONCITY", "FIPSCC"),
              (std::vector<std::string>{"Metro Gov:44444|25901|Metro Gov||G|0|", ":55555|25901|||||"}));
    EXPECT_EQ(rows("cousub00", "COUSUB", "COUSUBCC"),
              (std::vector<std::string>{"Town 44444:44444|25901|Town 44444|43|M|0|T1", ":55555|25901|||||"}));
    EXPECT_EQ(rows("submcd00", "SUBMCD", "COUSUBCC"),
              (std::vector<std::string>{"44444:44444|25901|||||", "55555:55555|25901|Barrio 55555||L|0|"}));
    EXPECT_EQ(rows("place00", "PLACE", "FIPSCC"),
              (std::vector<std::string>{"44444:44444|25901|Place 44444||P|A|C1", "55555:55555|25901|||||"}));
    for (const Polygon& p : run.Polygons("place00")) EXPECT_NEAR(std::fabs(p.SignedArea()), 6 * kCellArea, 1e-9);
}

// The layer's overflow texts, from tables set up by hand: a left side and a
// right side that find the entries full.
TEST(Census2000LayersTest, AnrcOverflowNamesTheSide) {
    testsupport::TempDir dir;
    testsupport::RecordJob job(dir.path());
    using namespace vornak2;
    const std::string savedOutputDir = gOutputDir;
    gOutputDir = dir.path();
    gClipWaterPolygons = 0;
    gTypeSRecords.assign(2, TypeSRecord{});
    std::strcpy(gTypeSRecords[0].STATE00, "25");
    std::strcpy(gTypeSRecords[0].COUNTY00, "901");
    std::strcpy(gTypeSRecords[0].ANRC00, "11111");
    gTypeSRecords[1] = gTypeSRecords[0];
    std::strcpy(gTypeSRecords[1].ANRC00, "22222");
    gTypeSCount = 2;
    gTypeIRecords.assign(2, TypeIRecord{});
    gType1Records.assign(2, Type1Record{});
    gTypeICount = gType1Count = 2;
    for (int k = 0; k < 2; ++k) std::snprintf(gTypeIRecords[k].TLID, sizeof gTypeIRecords[k].TLID, "%10d", k + 1);

    struct Case {
        SidePair first, second;
        const char* text;
    };
    const Case cases[] = {
        // A right side is stored, then a left side overflows.
        {{-1, 0}, {0, -1}, "the number of ANRC 2000 border lines exceeds the count\n"},
        // The left side of the line is stored, its right side overflows.
        {{0, 1}, {-1, -1}, "the number of anrc 2000 border lines exceeds the count\n"},
    };
    for (const Case& c : cases) {
        std::string before = job.Log();
        ISIndex = {c.first, c.second};
        gBorderLineCountsS.fill(0);
        gBorderLineCountsS[kAnrc2000Level] = 1;
        gConversionStatus = 0;
        BuildAnrc2000Polygons();
        EXPECT_EQ(gConversionStatus, -1);
        EXPECT_EQ(job.Log().substr(before.size()), c.text);
        EXPECT_FALSE(testsupport::Exists(dir / "dbf.tmp"));
    }
    ResetPolygonSides();
    gOutputDir = savedOutputDir;
}

}  // namespace
