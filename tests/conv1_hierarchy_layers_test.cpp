// The census hierarchy and county subdivision layers of the 1994-2000
// editions on a drawn county of four cells, read back from their KML:
// polygons per code, records and names, release switches, the county from
// the type 3 row, the blank tests of the composite codes and the messages
// when nothing is gathered. Also every layer descriptor of the catalogue.
#include "conv1/conversion_dialog.h"
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/polygon_borders.h"
#include "conv1/record_store.h"
#include "conv1/shape_points.h"
#include "conv1/stages.h"
#include "support/kept_files.h"
#include "support/kml_polygons.h"
#include "support/temp_dir.h"
#include "support/text_fields.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <set>

using namespace vornak;
using testsupport::Put;

using tigercore::gShapePointBuffer;

namespace {

// A state and county code ("" blank) into its two fields.
void PutCounty(char (&state)[3], char (&county)[4], std::string code) {
    code.resize(5, ' ');
    Put(state, code.substr(0, 2)), Put(county, code.substr(2));
}

// Cells 1 (0,0)-(1,1), 2 (1,0)-(2,1), 3 (0,1)-(1,2), 4 (1,1)-(2,2); 0 is outside.
const struct {
    int x0, y0, x1, y1, left, right;
} kLines[] = {{0, 0, 1, 0, 1, 0}, {1, 0, 2, 0, 2, 0}, {0, 1, 1, 1, 3, 1}, {1, 1, 2, 1, 4, 2},
              {0, 2, 1, 2, 0, 3}, {1, 2, 2, 2, 0, 4}, {0, 0, 0, 1, 0, 1}, {0, 1, 0, 2, 0, 3},
              {1, 0, 1, 1, 1, 2}, {1, 1, 1, 2, 3, 4}, {2, 0, 2, 1, 2, 0}, {2, 1, 2, 2, 4, 0}};

// A cell's codes: county, tract, block (type A and S alike), block group
// 2000, subdivision 1990, subdivision and sub-subdivision 2000.
struct Cell {
    const char *county, *tract, *block;
    char group;
    const char *fmcd, *cousub, *submcd;
    int water = 0;
};

// Type C rows: state, county, data year, LSADC, FIPS, ENTITY, VTD, name.
const char* const kNames[][8] = {
    {"25", "", "", "01", "", " ", "", "Massachusetts"},       {"25", "025", "1990", "06", "", " ", "", "Suffolk 1990"},
    {"25", "025", "2000", "06", "", " ", "", "Suffolk 2000"}, {"25", "027", "", "06", "", " ", "", "Worcester"},
    {"25", "025", "", "21", "00100", " ", "", "Boston"},      {"25", "025", "", "21", "00001", " ", "", "Sub One"},
    {"25", "", "", "", "", "T", "000100", "Beacon Hill North"}};

using Strings = std::vector<std::string>;

class HierarchyLayersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRecordStore(), ReleasePolygonBorders();
        gLogFile = platform::OpenFile(dir / "county.log", "w");
        gTypeAScratchFile = platform::OpenFile(dir / "a.tmp", "wb+");
        gCurrentJob = &dialog;
        gConversionStatus = gClipWaterPolygons = 0;
        gOutputDir = dir.path(), gOutputPrefix = dir.path() + "/", gCountyBaseName = "tgr25025";
        gCountyCode = "25025", gOrganisationMode = '0';
        gShapePointBuffer.assign(2, {});
        for (const auto& n : kNames) {
            TypeCRecord& c = gTypeCRecords.emplace_back();
            Put(c.STATE, n[0]), Put(c.COUNTY, n[1]), Put(c.DATAYR, n[2]), Put(c.LSADC, n[3]), Put(c.FIPS, n[4]);
            c.ENTITY = n[5][0], Put(c.VTD, n[6]), Put(c.NAME, n[7]);
        }
        gTypeCCount = static_cast<int>(std::size(kNames));
    }
    void TearDown() override {
        ReleasePolygonBorders(), ResetRecordStore(), testsupport::EndKeptFiles();
        gTypeAScratchFile.reset(), gLogFile.reset(), gCurrentJob = nullptr;
    }

    // The first `typeARows` cells have a type A row, every cell a type S row.
    void Draw(int release, const std::vector<Cell>& cells, size_t typeARows = 4) {
        gEditionCode = release;
        for (size_t p = 0; p < cells.size(); ++p) {
            const Cell& c = cells[p];
            TypeARecord spare{};
            TypeARecord& a = p < typeARows ? gTypeARecords.emplace_back() : spare;
            Put(a.CENID, "25025"), Put(a.POLYID, std::to_string(p + 1)), PutCounty(a.STATEPOLY, a.COUNTYPOLY, c.county);
            Put(a.TRACT, c.tract), Put(a.BLOCK, c.block), Put(a.FMCD, c.fmcd);
            TypeSRecord& s = gTypeSRecords.emplace_back();
            Put(s.CENID, "25025"), Put(s.POLYID, std::to_string(p + 1)), PutCounty(s.STATECU, s.COUNTYCU, c.county);
            Put(s.TRACT00, c.tract), Put(s.BLOCK00, c.block), Put(s.COUSUB, c.cousub), Put(s.SUBMCD, c.submcd);
            s.BLKGRP00 = c.group, s.WATER = c.water;
        }
        for (size_t i = 0; i < std::size(kLines); ++i) {
            const auto& l = kLines[i];
            TypeIRecord& line = gTypeIRecords.emplace_back();
            Put(line.TLID, std::to_string(100 + i)), PutCounty(line.STATE, line.COUNTY, "25025");
            Put(line.CENIDL, "25025"), Put(line.POLYIDL, std::to_string(l.left));
            Put(line.CENIDR, "25025"), Put(line.POLYIDR, std::to_string(l.right));
            LineEnds& chain = gLineEnds.emplace_back();
            chain.FRLONG = l.x0, chain.FRLAT = l.y0, chain.TOLONG = l.x1, chain.TOLAT = l.y1;
            Type3Record& t = gType3Records.emplace_back();
            PutCounty(t.STATE90L, t.COUN90L, l.left ? cells[l.left - 1].county : "");
            PutCounty(t.STATE90R, t.COUN90R, l.right ? cells[l.right - 1].county : "");
        }
        gTypeACount = static_cast<int>(gTypeARecords.size()), gTypeSCount = static_cast<int>(gTypeSRecords.size());
        gTypeICount = gType1Count = gType3Count = static_cast<int>(std::size(kLines));
        DeterminePolygonBorders(kTypeASides), DeterminePolygonBorders(kTypeSSides);
    }

    std::vector<testsupport::KmlPolygon> Layer(void (*build)(), const std::string& abbreviation) {
        const std::string path = dir / ("tgr25025" + abbreviation + ".kml");
        std::remove(path.c_str());
        build();
        if (!testsupport::Exists(path)) return {};
        auto folders = testsupport::ReadKmlPolygons(testsupport::ReadFile(path));
        return folders.empty() ? std::vector<testsupport::KmlPolygon>{} : folders[0].polygons;
    }
    // A field of every polygon in order; the placemark names for "".
    static Strings Values(const std::vector<testsupport::KmlPolygon>& polygons, const std::string& field = "") {
        Strings values;
        for (const auto& p : polygons) values.push_back(field.empty() ? p.name : p.Field(field));
        return values;
    }
    std::string Log() {
        std::fflush(gLogFile.get());
        return testsupport::ReadFile(dir / "county.log");
    }

    testsupport::TempDir dir;
    ConversionDialog dialog;
};

const std::vector<Cell> kCells = {{"25025", "000100", "1001", '1', "00100", "00100", ""},
                                  {"25025", "000100", "2001", '2', "00100", "00100", "00001"},
                                  {"25025", "000200", "1001", '1', "00200", "", "00002"},
                                  {"25027", "000200", "1001", '1', "00100", "00100", ""}};

TEST_F(HierarchyLayersTest, OnePolygonPerCodeWithItsRecordAndNamesByRelease) {
    const Strings tracts = {"25025000100", "25025000200", "25027000200"};
    const Strings counties = {"25025", "25025", "25025", "25027"};
    const Strings groups = {"250250001001", "250250001002", "250250002001", "250270002001"};
    const struct {
        void (*build)();
        const char* abbreviation;
        Strings names;
        std::vector<std::pair<const char*, Strings>> fields;
    } layers[] = {
        {BuildCounty1990Polygons, "cty", {"25025", "25027"}, {{"COUNTY", {"Suffolk 1990", "Worcester"}},
                                                               {"STATE", {"Massachusetts", "Massachusetts"}}}},
        {BuildCountyCurrentPolygons, "cty00", {"25025", "25027"}, {{"COUNTY", {"Suffolk 2000", "Worcester"}}}},
        {BuildTract1990Polygons, "trt", tracts, {{"TRACT", {"000100", "000200", "000200"}}}},
        {BuildTract2000Polygons, "trt00", tracts, {{"TRACTID", {"Beacon Hil", "", ""}}}},
        {BuildBlockGroup1990Polygons, "grp", groups, {{"GROUP", {"1", "2", "1", "1"}}}},
        {BuildBlockGroup2000Polygons, "grp00", counties, {{"STFID", groups}}},
        {BuildBlock1990Polygons, "blk", counties,
         {{"STFID", {"250250001001001", "250250001002001", "250250002001001", "250270002001001"}}}},
        {BuildBlock2000Polygons, "blk00", counties, {{"BLOCK2000", {"1001", "2001", "1001", "1001"}}}},
        // 1990: cells 1, 2 and 4 are one polygon, in the county of its first entry.
        {BuildCountySubdivision1990Polygons, "ccd", {"00100", "00200"},
         {{"COUNTY", {"25025", "25025"}}, {"NAME", {"Boston", ""}}}},
        // 2000: one polygon per subdivision and sub-subdivision, in the file's county.
        {BuildCountySubdivisionCurrentPolygons, "ccd00", {"", "00100", "00100"},
         {{"SUB_MCD", {"00002", "", "00001"}}, {"SUBNAME", {"", "", "Sub One"}}, {"NAME", {"", "Boston", "Boston"}},
          {"COUNTY", {"25025", "25025", "25025"}}}},
    };
    Draw(100, kCells);
    for (const auto& l : layers) {
        SCOPED_TRACE(l.abbreviation);
        const auto polygons = Layer(l.build, l.abbreviation);
        EXPECT_EQ(Values(polygons), l.names);
        for (const auto& [field, values] : l.fields) EXPECT_EQ(Values(polygons, field), values) << field;
    }
    const auto county = Layer(BuildCounty1990Polygons, "cty"), ccd = Layer(BuildCountySubdivision1990Polygons, "ccd");
    EXPECT_TRUE(county.at(0).Contains(0.5, 1.5) && county[0].Contains(1.5, 0.5) && !county[0].Contains(1.5, 1.5));
    EXPECT_TRUE(ccd.at(0).OuterRings() == 1 && ccd[0].Contains(1.5, 1.5) && ccd[0].Field("COUSUB90") == "00100");
    const auto ccd00 = Layer(BuildCountySubdivisionCurrentPolygons, "ccd00");  // cells 1 and 4 meet at a corner
    EXPECT_TRUE(ccd00.at(1).OuterRings() == 2 && ccd00[1].Contains(0.5, 0.5) && !ccd00[1].Contains(1.5, 0.5));
    // Release 99: Census 2000 names without a year, the current field tables; 98: the current layers.
    for (int release : {99, 98}) {
        TearDown(), SetUp(), Draw(release, kCells);
        const std::string current = release == 98 ? "cu" : "00";
        EXPECT_EQ(Values(Layer(BuildCountyCurrentPolygons, "cty" + current), "COUNTY").at(0), "Suffolk 1990");
        EXPECT_EQ(Layer(BuildCountySubdivision1990Polygons, "ccd").at(0).Field("FMCD90"), "00100");
        EXPECT_EQ(Values(Layer(BuildCountySubdivisionCurrentPolygons, "ccd" + current), "MCD_CUR").at(1), "00100");
    }
    EXPECT_EQ(Log() + std::to_string(gConversionStatus), "0");
}

TEST_F(HierarchyLayersTest, Release95TakesTheCountyFromTheType3RowAndCounty1990ReadsNoRow) {
    std::vector<Cell> cells = kCells;
    cells[2].county = "25026";
    Draw(95, cells, 3);  // cell 4 has no type A row
    // The rows are there no more: County 1990 does not need them, Tract 1990 does.
    const std::vector<SidePair> sides = IAIndex;
    const auto counts = gBorderLineCountsA;
    ReleasePolygonBorders();
    IAIndex = sides, gBorderLineCountsA = counts;
    gTypeAScratchFile = platform::OpenFile(dir / "empty.tmp", "wb+");
    EXPECT_EQ(Values(Layer(BuildCounty1990Polygons, "cty")), (Strings{"25025", "25026"}));
    EXPECT_EQ(gConversionStatus, 0);
    EXPECT_TRUE(Layer(BuildTract1990Polygons, "trt").empty());
    EXPECT_EQ(gConversionStatus, -1);
    EXPECT_EQ(Log(), "\nCannot read from temp file\n");
}

TEST_F(HierarchyLayersTest, CompositeCodesNeedTheirOwnPartAndNothingGatheredKeepsTheStatus) {
    std::vector<Cell> cells = kCells;
    cells[0].group = ' ', cells[1].county = "";
    Draw(100, cells);
    EXPECT_EQ(Values(Layer(BuildBlockGroup2000Polygons, "grp00"), "STFID"),
              (Strings{"000100" "2", "250250002001", "250270002001"}));
    EXPECT_EQ(Values(Layer(BuildBlock2000Polygons, "blk00"), "STFID").at(0), "0001002001");  // blank county
    // Only the water cell 1 carries a tract or block group: nothing is gathered with clipping on.
    cells = {{"25025", "000100", "1001", '1', "", "", "", 1}, {"", "", "", ' ', "", "", ""},
             {"", "", "", ' ', "", "", ""}, {"", "", "", ' ', "", "", ""}};
    TearDown(), SetUp();
    gClipWaterPolygons = 1;
    Draw(100, cells);
    EXPECT_TRUE(Layer(BuildTract2000Polygons, "trt00").empty());
    EXPECT_EQ(dialog.statusText, "Gathering Tract Boundary Lines");
    EXPECT_TRUE(Layer(BuildBlockGroup2000Polygons, "grp00").empty());
    EXPECT_EQ(Log(), "There are no Census Tracts 2000 in this file\n"
                     "There are no Census Block Groups 2000 for this file\n"
                     "Try turning off water clipping before extracting block groups 2000\n");
    EXPECT_EQ(gConversionStatus, 0);
    EXPECT_FALSE(testsupport::Exists(dir / "dbf.tmp") || testsupport::Exists(dir / "pts.tmp"));
}

TEST(Conv1LayerCatalogueTest, EveryDescriptorOfEveryRelease) {
    for (int release : {94, 95, 97, 98, 99, 100, 101, 102, 103}) {
        SCOPED_TRACE(release);
        gEditionCode = release;
        const bool from99 = release >= 99, from100 = release >= 100;
        // Record length and placemark name field of this file's layers.
        const std::map<std::string, std::pair<int, std::string>> hierarchy = {
            {"cty", {146, "FIPSSTCO"}}, {from99 ? "cty00" : "ctycu", {146, "FIPSSTCO"}}, {"trt", {31, "STFID"}},
            {"trt00", {41, "STFID"}},   {"grp", {33, "STFID"}},  {"grp00", {33, "FIPSSTCO"}},
            {"blk", {39, "FIPSSTCO"}},  {"blk00", {39, "FIPSSTCO"}}, {"ccd", {85, from100 ? "COUSUB90" : "FMCD90"}},
            {from99 ? "ccd00" : "ccdcu", {156, from100 ? "MCD2000" : "MCD_CUR"}}};
        std::set<std::string> abbreviations;
        size_t found = 0;
        for (const auto& d : PolygonLayerDescriptors()) {
            SCOPED_TRACE(d.abbreviation);
            EXPECT_TRUE(abbreviations.insert(d.abbreviation).second);
            for (const char* text : {d.statusText, d.noRecordsText, d.overflowText, d.noEntriesClipText,
                                     d.noEntriesText, d.abbreviation, d.themeFolder})
                EXPECT_TRUE(text && *text);
            // A layer whose label is empty at the start shows its title later.
            EXPECT_TRUE(*d.title || (d.secondTitle && *d.secondTitle));
            ASSERT_TRUE(d.fields && d.compare);
            // Every layer numbers its polygons but the all-polygons layer, keyed by POLYID.
            EXPECT_STREQ(d.fields[0].name, std::string(d.abbreviation) == "all" ? "POLYID" : "GIST_ID");
            bool named = false;
            for (const auto* f = d.fields; f->name; ++f) named = named || std::strcmp(f->name, d.nameField) == 0;
            EXPECT_TRUE(named);
            const auto it = hierarchy.find(d.abbreviation);
            if (it == hierarchy.end()) continue;
            ++found;
            EXPECT_EQ(d.RecordLength(), it->second.first);
            EXPECT_EQ(d.nameField, it->second.second);
        }
        EXPECT_EQ(found, hierarchy.size());
    }
}

}  // namespace
