// The keyed polygon layers of the 1994-2000 editions on a hand-made row of
// cells: key geographic locations and their address table, landmark
// polygons with lpy2 and lpy3, water bodies; the descriptors as data.
#include "conv1/job_state.h"
#include "conv1/landmark_layer.h"
#include "conv1/layer_catalogue.h"
#include "conv1/polygon_borders.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "support/kept_files.h"
#include "support/kml_polygons.h"
#include "support/layer_files.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"
#include "support/text_fields.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>

using namespace vornak;
using namespace testsupport;

namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

Type7Record Landmark(long long land, const char* cfcc, const char* name) {
    Type7Record r{};
    r.LAND = land, Put(r.CFCC, cfcc), Put(r.LANAME, name);
    return r;
}
Type9Record Location(const std::string& polyid, const char* name, const char* feat) {
    Type9Record r{};
    Put(r.CENID, "25025"), Put(r.POLYID, polyid), Put(r.CFCC, "D43"), Put(r.KGLNAME, name);
    Put(r.ADDRESS, "12"), Put(r.ZIPCODE, "02134"), Put(r.ZIP4, "0001"), Put(r.FEAT, feat);
    return r;
}

// Cell k is the unit square (k, 0)-(k+1, 1) and the TIGER polygon of
// POLYID k + 1 (or its own).
struct Cell {
    bool typeS = true;
    int water = 0;
    std::vector<long long> lands;  // its type 8 links
    std::string polyid;
    bool spur = false;  // a line inside the cell, the cell on both its sides
};

class KeyedLayersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRecordStore(), ReleasePolygonBorders();
        gLogFile = platform::OpenFile(dir / "county.log", "w");
        gCurrentJob = nullptr, gConversionStatus = 0, gEditionCode = 99, gOrganisationMode = '0';
        gOutputDir = dir.path(), gOutputPrefix = dir.path() + "/", gCountyBaseName = "tgr25025", gCountyCode = "25025";
    }
    void TearDown() override {
        ReleasePolygonBorders(), ResetRecordStore(), testsupport::EndKeptFiles();
        gLogFile.reset();
    }

    std::string Polyid(size_t k) const {
        return cells[k].polyid.empty() ? std::string(9, ' ') + std::to_string(k + 1) : cells[k].polyid;
    }
    // Fills the tables from the cells (and the type 5, 7 and 9 rows set by
    // the test) and runs the type S border mode.
    void Load() {
        auto line = [this](double x0, double y0, double x1, double y1, int left, int right) {
            TypeIRecord i{};
            LineEnds one{};
            Put(i.TLID, std::to_string(1000 + gTypeIRecords.size())), Put(one.TLID, i.TLID);
            Put(i.STATE, "25"), Put(i.COUNTY, "025");
            Put(i.CENIDL, left < 0 ? "" : "25025"), Put(i.POLYIDL, left < 0 ? "" : Polyid(size_t(left)));
            Put(i.CENIDR, right < 0 ? "" : "25025"), Put(i.POLYIDR, right < 0 ? "" : Polyid(size_t(right)));
            one.FRLONG = x0, one.FRLAT = y0, one.TOLONG = x1, one.TOLAT = y1;
            gTypeIRecords.push_back(i), gLineEnds.push_back(one);
        };
        const int n = static_cast<int>(cells.size());
        for (int k = 0; k < n; ++k) {
            line(k, 0, k + 1, 0, k, -1), line(k, 1, k + 1, 1, -1, k), line(k, 0, k, 1, k - 1, k);
            const Cell& c = cells[size_t(k)];
            if (c.spur) line(k + 0.25, 0.25, k + 0.75, 0.75, k, k);
            TypeSRecord s{};
            Put(s.CENID, "25025"), Put(s.POLYID, Polyid(size_t(k))), s.WATER = c.water;
            if (c.typeS) gTypeSRecords.push_back(s);
            for (long long land : c.lands) {
                gType8Records.emplace_back().LAND = land;
                Put(gType8Records.back().CENID, "25025"), Put(gType8Records.back().POLYID, Polyid(size_t(k)));
            }
        }
        line(n, 0, n, 1, n - 1, -1);
        gTypeICount = gType1Count = int(gTypeIRecords.size()), gTypeSCount = int(gTypeSRecords.size());
        gType8Count = int(gType8Records.size()), gType7Count = int(gType7Records.size());
        gType9Count = int(gType9Records.size()), gType5Count = int(gType5Records.size());
        PrepareSideIndexes();
        DeterminePolygonBorders(kTypeSSides);
    }
    std::vector<KmlPolygon> Polygons(const std::string& abbreviation) const {
        auto counties = ReadKmlPolygons(ReadFile(dir / ("tgr25025" + abbreviation + ".kml")));
        return counties.size() == 1 ? counties[0].polygons : std::vector<KmlPolygon>{};
    }
    std::string Log() const { return std::fflush(gLogFile.get()), ReadFile(dir / "county.log"); }

    TempDir dir;
    std::vector<Cell> cells;
};

TEST_F(KeyedLayersTest, DescriptorsAreCompleteAndDistinct) {
    for (int release : {94, 95, 97, 98, 99, 100, 101, 102, 103}) {
        gEditionCode = release;
        std::set<std::string> abbreviations;
        for (const auto& d : PolygonLayerDescriptors()) {
            SCOPED_TRACE(d.abbreviation);
            EXPECT_TRUE(abbreviations.insert(d.abbreviation).second);
            for (const char* text : {d.noRecordsText, d.overflowText, d.noEntriesText, d.noEntriesClipText,
                                     d.statusText, d.themeFolder, d.secondTitle ? d.secondTitle : d.title})
                EXPECT_STRNE(text, "");
            bool named = false;
            for (const auto* f = d.fields; f->name; ++f) named = named || std::strcmp(f->name, d.nameField) == 0;
            EXPECT_TRUE(named);
            // The landmark layer shows its text once its entries are sorted.
            if (std::strcmp(d.abbreviation, "lpy") == 0) {
                EXPECT_EQ(d.statusMoment, polygons::PolygonLayerDescriptor::StatusMoment::kAfterSorting);
            }
        }
    }
}

// Cells 0 and 1 are locations of one name, cell 2 one with a POLYID past
// 2^31; cell 3 is none. Only cell 0's street is in the type 5 table.
TEST_F(KeyedLayersTest, KeyGeographicLocationsAndTheirAddresses) {
    cells.resize(4), cells[0].spur = true, cells[2].polyid = "4000000000", cells[3].polyid = "4000000001";
    gType9Records = {Location(Polyid(0), "Town\tHall", "00000007"), Location(Polyid(1), "Town\tHall", ""),
                     Location("4000000000", "Museum", "00000009")};
    gType5Records.resize(1), Put(gType5Records[0].FEAT, "00000007"), Put(gType5Records[0].FEDIRP, "N");
    Put(gType5Records[0].FENAME, "Main"), Put(gType5Records[0].FETYPE, "St"), Put(gType5Records[0].FEDIRS, "");
    Load();
    DeterminePolygonBorders(kKeyGeographicLocationSides);
    BuildKeyGeographicLocationPolygons();
    WriteKeyGeographicLocationAddressTable();
    ASSERT_EQ(gConversionStatus, 0) << Log();
    auto polygons = Polygons("kgl");
    ASSERT_EQ(polygons.size(), 3u);
    const char* polyids[][2] = {{"1", "Town Hall"}, {"2", "Town Hall"}, {"4000000000", "Museum"}};
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(polygons[k].fields, (Fields{{"GIST_ID", std::to_string(k + 1)}, {"POLYID", polyids[k][0]},
                                              {"CENID", "25025"}, {"COUNTY", "25025"}, {"CFCC", "D43"},
                                              {"KGLNAME", polyids[k][1]}}));
        ASSERT_EQ(polygons[k].rings.size(), 1u);
        EXPECT_TRUE(polygons[k].Contains(k + 0.5, 0.5) && !polygons[k].Contains(k + 1.5, 0.5));
    }
    auto table = ReadDbf(dir / "tgr25025add.dbf");
    ASSERT_EQ(table.records.size(), 1u);
    EXPECT_EQ(table.records[0], "          125025" + Pad("Town Hall", 30) + Pad("12", 11) + "N " + Pad("Main", 30) +
                                    "St    021340001");
    EXPECT_HAS(Log(), "Wrote 1 Key Geographic Location address records to file " + dir.path() + "/tgr25025add.dbf\n");
}

// Cell 0 links LAND 10, cell 1 LAND 40 (no type 7 row), cell 2 LAND 10
// and 30 but has no type S row: its links are the last two type 8 rows,
// LAND 30 the last two type 7 rows.
TEST_F(KeyedLayersTest, LandmarkPolygonsAndTheRepeatTablesToTheLastPair) {
    cells.resize(3), cells[0].spur = true, cells[0].lands = {10}, cells[1].lands = {40};
    cells[2].lands = {10, 30}, cells[2].typeS = false;
    gType7Records = {Landmark(10, "D85", "Park"), Landmark(30, "D31", "Hall"), Landmark(30, "D31", "Hall\x01" "Annex")};
    Load();
    DeterminePolygonBorders(kLandmarkSides);
    BuildLandmarkPolygons();
    ASSERT_EQ(gConversionStatus, 0) << Log();
    auto polygons = Polygons("lpy");
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].rings.size(), 1u);
    EXPECT_EQ(polygons[0].fields, (Fields{{"GIST_ID", "1"}, {"POLYID", "1"}, {"CENID", "25025"}, {"COUNTY", "25025"},
                                          {"CFCC", "D85"}, {"LANDNAME", "Park"}, {"LANDPOLY", "10"},
                                          {"FILEID", "25025"}}));
    EXPECT_EQ(polygons[1].fields, (Fields{{"GIST_ID", "2"}, {"POLYID", "2"}, {"CENID", "25025"}, {"COUNTY", "25025"},
                                          {"CFCC", ""}, {"LANDNAME", ""}, {"LANDPOLY", "40"}, {"FILEID", "25025"}}));
    EXPECT_EQ(ReadDbf(dir / "tgr25025lpy2.dbf").records,
              std::vector<std::string>{"         30D31" + Pad("Hall Annex", 30) + "25025"});
    EXPECT_EQ(ReadDbf(dir / "tgr25025lpy3.dbf").records, std::vector<std::string>{"          325025        3025025"});
    EXPECT_HAS(Log(), "Wrote 1 records to file " + dir.path() + "/tgr25025lpy3.dbf\n");
}

// Merged counties continue each table; a table of another layout is left
// alone and fails the county; a table is removed only when it holds no row.
TEST_F(KeyedLayersTest, MergedTablesContinueOverCounties) {
    cells.resize(1), cells[0].lands = {10, 10};
    gType9Records = {Location(Polyid(0), "Town Hall", "00000007")};
    gType5Records.resize(1), Put(gType5Records[0].FEAT, "00000007");
    gType7Records = {Landmark(10, "D85", "Park"), Landmark(10, "D85", "Park")};
    Load();
    gOrganisationMode = '3';
    for (int county = 1; county <= 2; ++county) {
        WriteKeyGeographicLocationAddressTable(), WriteLandmarkFeatureTable(), WritePolygonLandmarkLinkTable();
        for (const char* path : {"kgl/add", "landmarks/lpy2", "landmarks/lpy3"})
            EXPECT_EQ(ReadDbf(dir / (path + std::string(".dbf"))).count, uint32_t(county)) << path;
    }
    const std::string other = DbfBytes({{"OTHER", 'C', 3}}, {" abc"});
    WriteFile(dir / "landmarks/lpy2.dbf", other);
    WriteLandmarkFeatureTable();
    EXPECT_EQ(gConversionStatus, -1);
    EXPECT_EQ(ReadFile(dir / "landmarks/lpy2.dbf"), other);
    gConversionStatus = 0, Put(gType8Records[1].POLYID, "9");  // no repeat left
    WritePolygonLandmarkLinkTable();
    EXPECT_EQ(ReadDbf(dir / "landmarks/lpy3.dbf").count, 2u);
    std::remove((dir / "landmarks/lpy3.dbf").c_str());
    WritePolygonLandmarkLinkTable();
    EXPECT_FALSE(Exists(dir / "landmarks/lpy3.dbf"));
}

// Cells 0 and 2 are "H31Big Pond", cell 1 "H41Old Pond" (the keys differ
// only in their first characters), cell 3 water named by a landmark that
// is not hydrography, cell 4 land.
TEST_F(KeyedLayersTest, WaterBodiesByTheirWholeKey) {
    cells.resize(5), cells[0].spur = true;
    const long long lands[] = {1, 2, 1, 3};
    for (size_t k = 0; k < 4; ++k) cells[k].water = 1, cells[k].lands = {lands[k]};
    gType7Records = {Landmark(1, "H31", "Big Pond"), Landmark(2, "H41", "Old Pond"), Landmark(3, "D85", "Park")};
    Load();
    DeterminePolygonBorders(kLandmarkSides);
    BuildWaterPolygons();
    ASSERT_EQ(gConversionStatus, 0) << Log();
    auto polygons = Polygons("wat");
    ASSERT_EQ(polygons.size(), 3u);
    const char* names[][2] = {{"", ""}, {"H31", "Big Pond"}, {"H41", "Old Pond"}};
    const size_t rings[] = {1, 2, 1};
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(polygons[k].fields, (Fields{{"GIST_ID", std::to_string(k + 1)}, {"COUNTY", "25025"},
                                              {"CFCC", names[k][0]}, {"LANDNAME", names[k][1]}}));
        EXPECT_EQ(polygons[k].rings.size(), rings[k]);
    }
    EXPECT_TRUE(polygons[0].Contains(3.5, 0.5) && polygons[1].Contains(0.5, 0.5) && polygons[1].Contains(2.5, 0.5));
    EXPECT_TRUE(polygons[2].Contains(1.5, 0.5) && !polygons[1].Contains(1.5, 0.5) && !polygons[0].Contains(4.5, 0.5));
}

}  // namespace
