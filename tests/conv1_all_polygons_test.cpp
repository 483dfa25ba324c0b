// The all-polygons layers of the 1994-2000 editions: field tables and
// descriptors as data, each release's rows byte for byte, and a drawn
// county per release.
#include "conv1/all_polygons_fields.h"
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/polygon_borders.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "support/kept_files.h"
#include "support/kml_polygons.h"
#include "support/temp_dir.h"
#include "support/text_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>

using namespace vornak;
using testsupport::Put;
using testsupport::ReadFile;

namespace {

constexpr AllPolygonsRelease kReleases[] = {AllPolygonsRelease::k97,   AllPolygonsRelease::k98,
                                            AllPolygonsRelease::k99,   AllPolygonsRelease::k2000,
                                            AllPolygonsRelease::k2000UrbanAreas, AllPolygonsRelease::k2000Cd108};
constexpr int kEditions[] = {97, 98, 99, 100, 102, 103};
void (*const kBuilders[])() = {BuildAllPolygonsTiger97,        BuildAllPolygonsTiger98,
                               BuildAllPolygonsDressRehearsal, BuildAllPolygonsTiger2000,
                               BuildAllPolygonsTiger2000UrbanAreas, BuildAllPolygonsTiger2000Cd108};

TEST(Conv1AllPolygonsTables, FieldsAndDescriptorsOfEveryRelease) {
    const int counts[] = {36, 43, 46, 48, 48, 47}, lengths[] = {149, 171, 187, 196, 196, 196};
    for (int r = 0; r < kAllPolygonsReleaseCount; ++r) {
        SCOPED_TRACE(kEditions[r]);
        const shapeio::DbfFieldDef* fields = AllPolygonsFields(kReleases[r]);
        EXPECT_EQ(shapeio::DbfFieldCount(fields), counts[r]);
        EXPECT_EQ(shapeio::DbfRecordLength(fields), lengths[r]);
        EXPECT_EQ(std::string(fields[0].name) + fields[1].name + std::to_string(fields[0].length), "POLYIDCENID10");
        std::set<std::string> names;
        for (const shapeio::DbfFieldDef* f = fields; f->name; ++f) {
            EXPECT_TRUE(names.insert(f->name).second && std::strlen(f->name) <= 10 && f->decimals == 0) << f->name;
            const bool number = names.size() == 1 || std::strcmp(f->name, "WATERFLAG") == 0;
            EXPECT_EQ(f->type, number ? 'N' : 'C') << f->name;
        }
        EXPECT_EQ(names.count("WATERFLAG"), 1u);
    }
    for (int edition : {94, 95, 97, 98, 99, 100, 101, 102, 103}) {
        gEditionCode = edition;
        int found = 0;
        for (const auto& layer : PolygonLayerDescriptors()) {
            if (std::strcmp(layer.abbreviation, "all") != 0) continue;
            ++found;
            EXPECT_EQ(layer.fields, AllPolygonsFields(AllPolygonsReleaseOf(edition)));
            for (const char* text : {layer.secondTitle, layer.statusText, layer.noRecordsText, layer.overflowText,
                                     layer.noEntriesText, layer.noEntriesClipText, layer.themeFolder})
                EXPECT_GT(std::strlen(text), 0u) << edition;
        }
        EXPECT_EQ(found, edition >= 97 ? 1 : 0) << edition;
    }
}

// Distinct codes in every field a release reads.
struct SideRowsFilled {
    TypeIRecord i{};
    Type3Record t{};
    TypeARecord a{};
    TypeSRecord s{};
    SideRowsFilled() {
        Put(i.STATE, "12"), Put(i.COUNTY, "043"), Put(i.CENIDL, "06037"), Put(i.POLYIDL, "      1234");
        Put(i.CENIDR, "06038"), Put(i.POLYIDR, "9999999999");
        Put(t.STATE90L, "10"), Put(t.STATE90R, "11"), Put(t.COUN90L, "041"), Put(t.COUN90R, "042");
        Put(t.VTDL, "VL01"), Put(t.VTDR, "VR01"), Put(t.ANRCL, "NL001"), Put(t.ANRCR, "NR001");
        Put(t.AITSCEL, "CL1"), Put(t.AITSCER, "CR1"), Put(t.AITSL, "AL001"), Put(t.AITSR, "AR001");
        Put(s.STATE, "06"), Put(s.COUNTY, "037"), Put(s.MSACMSA, "4472"), Put(s.PMSA, "4480");
        Put(s.AIANHHFP, "12345"), Put(s.AIANHH, "6789"), Put(s.ANRC, "52"), Put(s.STATECU, "07");
        Put(s.COUNTYCU, "038"), Put(s.CONCIT, "11111"), Put(s.COUSUB, "22222"), Put(s.SUBMCD, "33333");
        Put(s.PLACE, "44444"), Put(s.CDCU, "29"), Put(s.SLDU, "U01"), Put(s.SLDL, "L02"), Put(s.RS91, "91919");
        Put(s.STATECOL, "08"), Put(s.COUNCOL, "039"), Put(s.BLKCOL, "B1234"), Put(s.ZCTA, "90210");
        Put(s.TRACT00, "123456"), Put(s.BLOCK00, "2001"), Put(s.VTD00, "V00001"), Put(s.UGA, "G1234");
        Put(s.UA00COR, "C5555"), Put(s.UA90RED, "R6666");
        s.WATER = 1, s.AIHHTLI = 'T', s.TEA = 'E', s.BLKSUFCOL = 'S', s.BLKGRP00 = '2';
        s.RS119 = 'U', s.RS120 = 'R', s.RS113 = 'Q';
        Put(a.FAIR, "A0001"), Put(a.FMCD, "M0001"), Put(a.FPL, "P0001"), Put(a.TRACT, "T00001"), Put(a.BLOCK, "K001");
        Put(a.CD106, "06"), Put(a.CD108, "08"), Put(a.SDELM, "E0001"), Put(a.SDSEC, "S0001");
        Put(a.SDUNI, "N0001"), Put(a.TAZ, "Z00001"), Put(a.UA90, "5600", 4), Put(a.TAZPART, "C001");
        Put(a.STATEPOLY, "09"), Put(a.COUNTYPOLY, "040"), Put(a.AIR, "I001"), Put(a.PUMA, "U0001");
        Put(a.UA00, "W0001"), a.UR90 = 'X';
    }
    PolygonSideRows Side(bool left, bool withA, bool withS) const {
        return {&i, &t, withA ? &a : nullptr, withS ? &s : nullptr, left};
    }
};

TEST(Conv1AllPolygonsRows, EveryReleaseByteForByte) {
    // The left side with every row: the fields in table order, '|' between them.
    const char* expected[] = {
        "      1234|06037|12|043|1|4472|4480|12345|6789 |T|52|11111|22222|33333|44444|29|U01   |L02   |A0001|M0001|"
        "P0001|T00001|K001|06|08|E0001|S0001|N0001|Z00001|5600|X|C001|10|041|I001|VL01",
        "      1234|06037|07|038|1|4472|4480|12345|6789 |T|52|11111|22222|33333|44444|E|29|U01   |L02   |91919|08|039|"
        "B1234|S|90210|A0001|M0001|P0001|T00001|K001|06|08|E0001|S0001|N0001|Z00001|5600|X|C001|10|041|I001|VL01",
        "      1234|06037|07|038|1|4472|4480|12345|6789 |T|52|11111|22222|33333|44444|E|29|U01   |L02   |91919|08|039|"
        "B1234|S|90210|A0001|M0001|P0001|T00001|K001|06|08|E0001|S0001|N0001|Z00001|5600|X|C001|10|041|I001|    |"
        "123456|2001|V00001",
        "      1234|06037|06|037|1|4472|4480|12345|6789 |T|07|038|11111|22222|33333|44444|123456|2001|29|U01   |L02   |"
        "G1234|NL001|CL1|2|V00001|08|039|B1234|S|90210|A0001|M0001|P0001|T00001|K001|06|08|E0001|S0001|N0001|Z00001|"
        " 5600|X|09|040|I001|AL001",
        "      1234|06037|06|037|1|4472|4480|12345|6789|T|11111|22222|33333|44444|123456|2001|29|U01   |L02   |G1234|2|"
        "V00001|08|039|B1234|S|90210|U|R|A0001|M0001|P0001|T00001|K001|06|08|E0001|U0001|N0001|Z00001|W0001| 5600|09|"
        "040|I001|NL001|CL1|AL001",
        "      1234|06037|06|037|1|4472|4480|12345|6789|T|11111|22222|33333|44444|123456|2001|29|U01   |L02   |G1234|2|"
        "V00001|C5555|R6666|Q|90210|U|R|A0001|M0001|P0001|T00001|K001|06|08|E0001|U0001|N0001|Z00001|W0001| 5600|09|"
        "040|I001|NL001|CL1|AL001",
    };
    const SideRowsFilled rows;
    TypeSRecord unfilled{};
    unfilled.AIHHTLI = '\n';
    for (int r = 0; r < kAllPolygonsReleaseCount; ++r) {
        std::string want = " " + std::string(expected[r]);
        want.erase(std::remove(want.begin(), want.end(), '|'), want.end());
        EXPECT_EQ(AllPolygonsRow(kReleases[r], rows.Side(true, true, true)), want) << kEditions[r];
        // The right side without rows, or with a type S row of NULs and a control character: POLYID beyond
        // 32 bits, the type I and type 3 codes (the tribal ones from 100 on), blanks else (STATE90, COUN90 too).
        std::map<std::string, std::string> filled = {{"POLYID", "9999999999"}, {"CENID", "06038"}, {"WATERFLAG", "0"}};
        if (r == 0) filled.insert({{"STATE", "12"}, {"COUNTY", "043"}});
        if (r <= 1) filled["VOTE90"] = "VR01";
        if (r >= 3) filled.insert({{"ANRCCU", "NR001"}, {"ANRC", "NR001"}, {"AITSCE", "CR1"}, {"AITS", "AR001"}});
        want = " ";
        for (const shapeio::DbfFieldDef* f = AllPolygonsFields(kReleases[r]); f->name; ++f)
            want += filled.count(f->name) ? filled[f->name] : std::string(f->length, ' ');
        PolygonSideRows side = rows.Side(false, false, false);
        EXPECT_EQ(AllPolygonsRow(kReleases[r], side), want) << kEditions[r];
        side.s = &unfilled;
        EXPECT_EQ(AllPolygonsRow(kReleases[r], side), want) << kEditions[r];
    }
}

// P1 (type A and S rows): the square (0,0)-(3,3) around the island P2 (both
// rows), with a line inside it; P3 east of it with only a type A row, and
// P4 (the same POLYID in another CENID) east of P3 with only a type S row.
// Outside the county POLYID is blank, but for one side of polygon 99,
// which has no rows. 20 sides are taken; each row type counts 16.
class Conv1AllPolygonsLayer : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRecordStore(), ReleasePolygonBorders();
        gLogFile = platform::OpenFile(dir / "county.log", "w");
        gTypeAScratchFile = platform::OpenFile(dir / "a.tmp", "wb+");
        gCurrentJob = nullptr, gConversionStatus = 0, gOrganisationMode = '0';
        gOutputDir = dir.path(), gOutputPrefix = dir.path() + "/", gCountyBaseName = "TGR06037";
    }
    void TearDown() override {
        ReleasePolygonBorders(), ResetRecordStore(), testsupport::EndKeptFiles();
        gTypeAScratchFile.reset(), gLogFile.reset();
    }
    std::string Log() {
        std::fflush(gLogFile.get());
        return ReadFile(dir / "county.log");
    }
    void Draw() {
        const struct {
            const char *cenid, *polyid;
            bool a, s;
        } polygons[] = {{"06037", "1", true, true}, {"06037", "2", true, true}, {"06037", "3", true, false},
                        {"06038", "3", false, true}, {"06037", "99", false, false}};
        const struct {
            int x0, y0, x1, y1, left, right;  // -1: outside
        } lines[] = {{0, 0, 3, 0, 0, 4},  {3, 0, 3, 3, 0, 2},  {3, 3, 0, 3, 0, -1}, {0, 3, 0, 0, 0, -1},
                     {0, 0, 1, 1, 0, 0},  {1, 1, 2, 1, 1, 0},  {2, 1, 2, 2, 1, 0},  {2, 2, 1, 2, 1, 0},
                     {1, 2, 1, 1, 1, 0},  {3, 0, 4, 0, 2, -1}, {4, 0, 4, 3, 2, 3},  {4, 3, 3, 3, 2, -1},
                     {4, 0, 5, 0, 3, -1}, {5, 0, 5, 3, 3, -1}, {5, 3, 4, 3, 3, -1}};
        const SideRowsFilled filled;
        for (int k = 0; k < 5; ++k) {
            TypeARecord a = filled.a;
            TypeSRecord s = filled.s;
            Put(a.CENID, polygons[k].cenid), Put(s.CENID, polygons[k].cenid);
            std::snprintf(a.POLYID, sizeof a.POLYID, "%10s", polygons[k].polyid);
            std::memcpy(s.POLYID, a.POLYID, sizeof s.POLYID);
            char code[] = {'0', static_cast<char>('1' + k), '\0'};
            Put(a.CD106, code), Put(s.CDCU, code), s.WATER = k == 3;
            if (polygons[k].a) gTypeARecords.push_back(a);
            if (polygons[k].s) gTypeSRecords.push_back(s);
        }
        for (const auto& l : lines) {
            TypeIRecord i = filled.i;
            LineEnds one{};
            Type3Record t = filled.t;
            std::snprintf(i.TLID, sizeof i.TLID, "%10d", static_cast<int>(gTypeIRecords.size() + 1));
            std::memcpy(one.TLID, i.TLID, sizeof i.TLID);
            one.FRLONG = l.x0, one.FRLAT = l.y0, one.TOLONG = l.x1, one.TOLAT = l.y1;
            Put(i.CENIDL, l.left < 0 ? "" : polygons[l.left].cenid);
            Put(i.CENIDR, l.right < 0 ? "" : polygons[l.right].cenid);
            std::snprintf(i.POLYIDL, 11, "%10s", l.left < 0 ? "" : polygons[l.left].polyid);
            std::snprintf(i.POLYIDR, 11, "%10s", l.right < 0 ? "" : polygons[l.right].polyid);
            std::memcpy(t.AITSR, t.AITSL, sizeof t.AITSL), std::memcpy(t.STATE90R, t.STATE90L, sizeof t.STATE90L);
            gTypeIRecords.push_back(i), gLineEnds.push_back(one), gType3Records.push_back(t);
        }
        gTypeACount = static_cast<int>(gTypeARecords.size()), gTypeSCount = static_cast<int>(gTypeSRecords.size());
        gTypeICount = gType1Count = gType3Count = static_cast<int>(gTypeIRecords.size());
        DeterminePolygonBorders(kTypeASides), DeterminePolygonBorders(kTypeSSides);
    }
    testsupport::TempDir dir;
};

TEST_F(Conv1AllPolygonsLayer, EveryPolygonOnceWithItsOwnRingsAndRows) {
    for (int r = 0; r < kAllPolygonsReleaseCount; ++r) {
        SCOPED_TRACE(kEditions[r]);
        TearDown(), SetUp();
        gEditionCode = kEditions[r];
        Draw();
        ASSERT_LT(std::max(gAllPolygonsLineCountA, gAllPolygonsLineCountS), 20);
        kBuilders[r]();
        EXPECT_EQ(gConversionStatus, 0);
        EXPECT_EQ(Log().find("exceeds"), std::string::npos);
        const auto folders = testsupport::ReadKmlPolygons(ReadFile(dir / "TGR06037all.kml"));
        ASSERT_EQ(folders.size(), 1u);
        const auto& p = folders[0].polygons;
        ASSERT_EQ(p.size(), 4u);  // neither the line inside P1 nor polygon 99 adds one
        const shapeio::DbfFieldDef* f = AllPolygonsFields(kReleases[r]);
        for (const auto& field : p[0].fields) EXPECT_EQ(field.first, (f++)->name);
        EXPECT_EQ(f->name, nullptr);
        // P2 is P1's island; P3 has only its type A row, P4 (POLYID 3 of another CENID) only its type S row.
        // Name, CENID, CD106 (type A), CDCU (type S), WATERFLAG, outer rings, holes.
        const char* want[] = {"1|06037|01|01|0|1|1", "2|06037|02|02|0|1|0", "3|06037|03||0|1|0", "3|06038||04|1|1|0"};
        const double inside[][2] = {{0.5, 2.5}, {1.5, 1.5}, {3.5, 1.5}, {4.5, 1.5}};
        for (int k = 0; k < 4; ++k) {
            std::string got = p[k].name;
            for (const char* name : {"CENID", "CD106", "CDCU", "WATERFLAG"}) got += "|" + p[k].Field(name);
            EXPECT_EQ(got + "|" + std::to_string(p[k].OuterRings()) + "|" + std::to_string(p[k].Holes()), want[k]);
            EXPECT_TRUE(p[k].Contains(inside[k][0], inside[k][1])) << k;
            for (const auto& ring : p[k].rings) EXPECT_EQ(ring.points.size(), 5u) << k;  // four lines, closed
        }
        EXPECT_EQ(p[2].Field("STATE90"), r < 3 ? "10" : "09");  // from type 3 (with a type A row) or type A
        EXPECT_EQ(p[3].Field("STATE90"), "");
        EXPECT_EQ(p[3].Field("AITS"), r < 3 ? "" : "AL001");
    }
}

TEST_F(Conv1AllPolygonsLayer, NoPolygonRowsEndsTheCounty) {
    for (int r : {0, 1}) {
        TearDown(), SetUp();
        kBuilders[r]();
        EXPECT_EQ(gConversionStatus, -1);
        EXPECT_EQ(Log(), std::string("There are no polygon records\n") + (r == 0 ? "" : "No polygons to process\n"));
        EXPECT_FALSE(testsupport::Exists(dir / "TGR06037all.kml"));
    }
}

}  // namespace
