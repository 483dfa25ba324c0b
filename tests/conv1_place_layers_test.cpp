// The place, American Indian area, collection block and urban correction
// layers of the 1994-2000 editions on hand-made tables: a row of unit cells,
// one polygon each, coded per case; the documents read back polygon by
// polygon, field by field, per release.
#include "conv1/entity_names.h"
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

#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <sys/stat.h>

using namespace vornak;
using testsupport::Blank;
using testsupport::KmlPolygon;
using testsupport::Put;

namespace {

using Edit = std::function<void(int cell, TypeARecord&, TypeSRecord&)>;

class PlaceLayersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRecordStore(), ReleasePolygonBorders();
        ::mkdir((dir / "out").c_str(), 0755);
        gLogFile = platform::OpenFile(dir / "county.log", "w");
        gTypeAScratchFile = platform::OpenFile(dir / "a.tmp", "wb+");
        gCurrentJob = nullptr, gConversionStatus = 0, gClipWaterPolygons = 0, gOrganisationMode = '0';
        gOutputDir = dir.path(), gOutputPrefix = dir / "out/", gCountyBaseName = "tgr25025", gCountyCode = "25025";
    }
    void TearDown() override {
        ReleasePolygonBorders(), ResetRecordStore(), testsupport::EndKeptFiles();
        gTypeAScratchFile.reset(), gLogFile.reset();
    }

    // Cells 1..n left to right, cell k the square (k-1, 0)-(k, 1); outside
    // the row no polygon. Type I rows give county 25025, type 3 rows 25031
    // on a line's left and 25033 on its right.
    void Cells(int release, int n, const Edit& edit, std::vector<TypeCRecord> names = {}) {
        ResetRecordStore(), ReleasePolygonBorders();
        gEditionCode = release;
        auto line = [](int x0, int y0, int x1, int y1, int left, int right) {
            char tlid[11], l[2] = {char('0' + left), 0}, r[2] = {char('0' + right), 0};
            std::snprintf(tlid, sizeof tlid, "%10d", static_cast<int>(gTypeIRecords.size() % 1000) + 1);
            TypeIRecord i{};
            Put(i.TLID, tlid), Put(i.STATE, "25"), Put(i.COUNTY, "025"), Put(i.CENIDL, "25025");
            Put(i.POLYIDL, left ? l : ""), Put(i.CENIDR, "25025"), Put(i.POLYIDR, right ? r : "");
            LineEnds chain{};
            Put(chain.TLID, tlid);
            chain.FRLONG = -71 + x0 / 1000.0, chain.FRLAT = 42 + y0 / 1000.0;
            chain.TOLONG = -71 + x1 / 1000.0, chain.TOLAT = 42 + y1 / 1000.0;
            Type3Record t{};
            Put(t.STATE90L, "25"), Put(t.STATE90R, "25"), Put(t.COUN90L, "031"), Put(t.COUN90R, "033");
            gTypeIRecords.push_back(i), gLineEnds.push_back(chain), gType3Records.push_back(t);
        };
        line(0, 1, 0, 0, 1, 0), line(n, 0, n, 1, n, 0);
        for (int k = 0; k < n; ++k) {
            line(k, 0, k + 1, 0, k + 1, 0), line(k + 1, 1, k, 1, k + 1, 0);
            if (k + 1 < n) line(k + 1, 0, k + 1, 1, k + 1, k + 2);
            TypeARecord a{};
            TypeSRecord s{};
            Put(a.CENID, "25025"), Put(s.CENID, "25025");
            Put(a.POLYID, std::to_string(k + 1).c_str()), Put(s.POLYID, std::to_string(k + 1).c_str());
            Blank(a.FAIR, a.FPL, a.STATEPOLY, a.COUNTYPOLY, a.AIR, s.AIANHHFP, s.AIANHH, s.CONCIT, s.PLACE, s.STATECOL,
                  s.COUNCOL, s.BLKCOL, s.ZCTA, s.UGA, s.UA00COR, s.UA90RED);
            s.AIHHTLI = s.TEA = s.BLKSUFCOL = '0';
            edit(k + 1, a, s);
            gTypeARecords.push_back(a), gTypeSRecords.push_back(s);
        }
        gTypeCRecords = std::move(names);
        gType1Count = gType3Count = gTypeICount = static_cast<int>(gTypeIRecords.size());
        gTypeACount = gTypeSCount = n, gTypeCCount = static_cast<int>(gTypeCRecords.size());
        DeterminePolygonBorders(kTypeASides), DeterminePolygonBorders(kTypeSSides);
    }

    // Runs a builder; its log text.
    std::string Run(void (*build)()) {
        std::fflush(gLogFile.get());
        const size_t before = testsupport::ReadFile(dir / "county.log").size();
        build();
        EXPECT_EQ(gConversionStatus, 0);
        std::fflush(gLogFile.get());
        return testsupport::ReadFile(dir / "county.log").substr(before);
    }
    std::vector<KmlPolygon> Polygons(const std::string& path) const {
        auto counties = testsupport::ReadKmlPolygons(testsupport::ReadFile(dir / ("out/" + path)));
        return counties.size() == 1 ? counties[0].polygons : std::vector<KmlPolygon>{};
    }
    testsupport::TempDir dir;
};

// A type C row with an American Indian area or urban area code.
TypeCRecord Name(char entity, const char* fips, const char* name, const char* lsadc, const char* air = "",
                 const char* ua = "") {
    TypeCRecord c{};
    Blank(c.STATE, c.COUNTY, c.DATAYR);
    c.ENTITY = entity, c.PLACEDC = 'C';
    Put(c.FIPS, fips), Put(c.NAME, name), Put(c.LSADC, lsadc), Put(c.FIPSCC, "C1"), Put(c.AIR, air), Put(c.UA, ua);
    return c;
}

// The fields of a polygon joined: "F1=v1 F2=v2 ...".
std::string Fields(const KmlPolygon& p) {
    std::string out;
    for (const auto& [key, value] : p.fields) out += (out.empty() ? "" : " ") + key + "=" + value;
    return out;
}

TEST_F(PlaceLayersTest, PlacesAreOnePolygonPerCodeWithTheTypeCFieldsOfTheirRelease) {
    // Cells 1 and 2 one place in two counties of their own, cell 3 a place without a name.
    const Edit edit = [](int cell, TypeARecord& a, TypeSRecord& s) {
        Put(a.FPL, cell < 3 ? "00100" : "00200"), Put(s.PLACE, cell < 3 ? "00100" : "00200");
        Put(a.STATEPOLY, "25"), Put(a.COUNTYPOLY, cell == 1 ? "025" : "027");
    };
    const std::vector<TypeCRecord> names = {Name('P', "00100", "Hole Town", "57")};
    const struct { int release; void (*build)(); const char *file, *fields; } cases[] = {
        {97, BuildPlace1990Polygons, "plc", "COUNTY=25025 FPL90=00100 NAME=Hole Town PLACEDC=C LSADC=57 ENTITY=P FIPSCC=C1"},
        // The county of the side of the polygon's first line (cell 1 on its left).
        {94, BuildPlace1990Polygons, "plc", "COUNTY=25031 FPL90=00100 NAME=Hole Town PLACEDC=C LSADC=57 ENTITY=P FIPSCC=C1"},
        {98, BuildPlaceCurrentPolygons, "plccu", "COUNTY=25025 FPL_CUR=00100 NAME=Hole Town PLACEDC= LSADC= ENTITY= FIPSCC="},
        {99, BuildPlaceCurrentPolygons, "plc00", "COUNTY=25025 FPL_CUR=00100 NAME=Hole Town PLACEDC= LSADC= ENTITY= FIPSCC="},
        {100, BuildPlaceCurrentPolygons, "plc00", "COUNTY=25025 PLACE=00100 NAME=Hole Town PLACEDC=C LSADC=57 ENTITY=P FIPSCC=C1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.release);
        Cells(c.release, 3, edit, names);
        EXPECT_EQ(Run(c.build), "");
        const auto places = Polygons("tgr25025" + std::string(c.file) + ".kml");
        ASSERT_EQ(places.size(), 2u);
        EXPECT_EQ("GIST_ID=1 " + std::string(c.fields), Fields(places[0]));
        ASSERT_EQ(places[0].rings.size(), 1u);
        EXPECT_EQ(places[0].rings[0].points.size(), 7u);  // the six lines around cells 1 and 2, closed
        EXPECT_EQ(places[1].Field("NAME") + places[1].Field("LSADC") + places[1].Field("FIPSCC"), "");
        EXPECT_EQ(places[1].fields[2].second, "00200");
    }
}

TEST_F(PlaceLayersTest, ConsolidatedCitiesAreNamedAndUrbanGrowthAreasBuiltFromRelease100) {
    const Edit edit = [](int cell, TypeARecord&, TypeSRecord& s) {
        Put(s.CONCIT, cell == 1 ? "00500" : ""), Put(s.UGA, cell == 2 ? "00600" : "");
    };
    const std::vector<TypeCRecord> names = {Name('A', "00500", "Metro City", "99"),
                                            Name('U', "", "Growth Ring", "", "", "00600")};
    Cells(99, 2, edit, names);
    EXPECT_EQ(Run(BuildUrbanGrowthArea2000Polygons), "There are no Urban Growth Area records\n");
    EXPECT_EQ(Run(BuildConsolidatedCity2000Polygons), "");
    EXPECT_EQ(Fields(Polygons("tgr25025city.kml").at(0)), "GIST_ID=1 COUNTY=25025 CONCITY=00500 NAME=");

    Cells(100, 2, edit, names);
    gOrganisationMode = '3';
    EXPECT_EQ(Run(BuildConsolidatedCity2000Polygons), "directory " + dir.path() + "/out/city/ created\n");
    EXPECT_EQ(Fields(Polygons("city/city.kml").at(0)), "GIST_ID=1 COUNTY=25025 CONCITY=00500 NAME=Metro City");
    Run(BuildUrbanGrowthArea2000Polygons);
    EXPECT_EQ(Fields(Polygons("urbgrowth/uga.kml").at(0)), "GIST_ID=1 COUNTY=25025 UGA=00600 NAME=Growth Ring");
}

TEST_F(PlaceLayersTest, AmericanIndianAreasAreKeyedByAreaFipsAndTrustWithTheirReleaseNames) {
    // Current: cells 1 and 2 one area, reservation and trust land; cell 3 trust land without codes; cell 4 nothing.
    // 1990: cells 1 and 2 one area code with two FIPS codes.
    const Edit edit = [](int cell, TypeARecord& a, TypeSRecord& s) {
        if (cell < 3) Put(s.AIANHH, "0010"), Put(s.AIANHHFP, "12345"), Put(a.AIR, "0010");
        if (cell < 3) Put(a.FAIR, cell == 1 ? "12345" : "54321");
        Put(a.STATEPOLY, "25"), Put(a.COUNTYPOLY, "025");
        s.AIHHTLI = "RTT "[cell - 1];
    };
    const std::vector<TypeCRecord> names = {Name('R', "99999", "Other", "", "0010"),
                                            Name('R', "12345", "Tribe Land", "", "0010")};
    gOrganisationMode = '2';
    const struct { int release; const char *folder, *folder90, *field, *field90, *name; } cases[] = {
        {99, "air00", "air90", "AIR", "AIR_90", "Other"},
        {100, "aianhhce00", "aianhhce90", "AIANHHCE", "AIANHHCE", "Tribe Land"},  // named by the FIPS code too
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.release);
        Cells(c.release, 4, edit, names);
        // With clipping off the line between cells 3 and 4 differs only in the trust flag: cell 3 stays open.
        EXPECT_NE(Run(BuildAmericanIndianAreaCurrentPolygons).find(" does not close"), std::string::npos);
        const auto areas = Polygons(std::string(c.folder) + "/tgr25025air00.kml");
        ASSERT_EQ(areas.size(), 3u);
        const std::string county = "COUNTY=25025 ", codes = "=0010 FIPSCODE=12345 ";
        EXPECT_EQ(Fields(areas[0]), "GIST_ID=1 " + county + c.field + "= FIPSCODE= TRUST=T NAME=");
        EXPECT_EQ(Fields(areas[1]), "GIST_ID=2 " + county + c.field + codes + "TRUST=R NAME=" + c.name);
        EXPECT_EQ(areas[2].Field("TRUST"), "T");
        Run(BuildAmericanIndianArea1990Polygons);
        const auto areas90 = Polygons(std::string(c.folder90) + "/tgr25025air.kml");
        ASSERT_EQ(areas90.size(), 2u);
        EXPECT_EQ(Fields(areas90[0]), "GIST_ID=1 " + county + c.field90 + codes + "NAME=" + c.name);
        EXPECT_EQ(areas90[1].Field("FIPSCODE"), "54321");
    }
    gClipWaterPolygons = 1;  // the trust flag line is a border now
    Cells(100, 4, edit, names);
    EXPECT_EQ(Run(BuildAmericanIndianAreaCurrentPolygons).find(" does not close"), std::string::npos);
}

TEST_F(PlaceLayersTest, CollectionBlocksIgnoreWaterAndLeaveTheTypeSRowsAsTheyAre) {
    // Cells 1 and 2 one block in two ZCTAs; cell 3 a block in water.
    const Edit edit = [](int cell, TypeARecord&, TypeSRecord& s) {
        Put(s.STATECOL, "25"), Put(s.COUNCOL, "025"), Put(s.BLKCOL, cell < 3 ? "00101" : "00102");
        Put(s.ZCTA, cell == 1 ? "02134" : "02135"), s.TEA = '3', s.WATER = cell == 3;
    };
    gClipWaterPolygons = 1;
    const struct { int release; size_t polygons; const char* first; } cases[] = {
        {98, 3, "STATE=25 COUNTY=025 BLKCOL=00101 BLKSUFCOL=0 TEA=3 ZCTA=02134 TEA_TYPE=List/Enumerate"},
        {99, 3, "STATE=25 COUNTY=025 BLKCOL=00101 BLKSUFCOL=0 TEA= ZCTA=02134 TEA_TYPE=unknown"},
        {100, 2, "STATE=25 COUNTY=025 BLKCOL=00101 BLKSUFCOL=0 TEA= ZCTA= TEA_TYPE=unknown"},
        {101, 3, "STATE=25 COUNTY=025 BLKCOL=00101 BLKSUFCOL=0 TEA= ZCTA=02134 TEA_TYPE=unknown"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.release);
        Cells(c.release, 3, edit);
        EXPECT_EQ(Run(BuildCollectionBlock2000Polygons), "");
        const auto blocks = Polygons("tgr25025colblk.kml");
        ASSERT_EQ(blocks.size(), c.polygons);
        EXPECT_EQ(Fields(blocks[0]), "GIST_ID=1 " + std::string(c.first));
        EXPECT_EQ(blocks.back().Field("BLKCOL"), "00102");  // in water, clipping on
        EXPECT_EQ(gTypeSRecords[0].TEA, '3');  // the ZCTA and all-polygons layers see the rows as read
        EXPECT_STREQ(gTypeSRecords[0].ZCTA, "02134");
    }
    Cells(97, 3, edit);
    EXPECT_EQ(Run(BuildCollectionBlock2000Polygons), "There are no Collection Blocks 2000 records\n");

    // A county without collection blocks: its suffixes read as 0, but no block is made of them.
    Cells(98, 3, [](int, TypeARecord&, TypeSRecord&) {});
    std::remove((dir / "out/tgr25025colblk.kml").c_str());
    ASSERT_GT(gBorderLineCountsS[kCollectionBlockLevel], 0);
    gClipWaterPolygons = 0;
    EXPECT_EQ(Run(BuildCollectionBlock2000Polygons), "There are no collection block border lines\n");
    EXPECT_FALSE(testsupport::Exists(dir / "out/tgr25025colblk.kml"));
}

TEST_F(PlaceLayersTest, UrbanCorrectionsOfRelease103TakeTheirCountyFromTheLine) {
    const Edit edit = [](int cell, TypeARecord&, TypeSRecord& s) {
        Put(s.UA00COR, cell == 1 ? "00001" : "00002"), Put(s.UA90RED, "00003");
    };
    const std::vector<TypeCRecord> names = {Name('U', "", "Big Urban", "75", "", "00001")};
    Cells(103, 2, edit, names);
    EXPECT_EQ(Run(BuildCorrectedUrbanArea2000Polygons), "");
    const auto corrected = Polygons("tgr25025Ua00Cor.kml");
    ASSERT_EQ(corrected.size(), 2u);
    EXPECT_EQ(Fields(corrected[0]), "GIST_ID=1 COUNTY=25025 UACODE=00001 NAME=Big Urban UAUC=75");
    EXPECT_EQ(Fields(corrected[1]), "GIST_ID=2 COUNTY=25025 UACODE=00002 NAME= UAUC=");
    EXPECT_EQ(Run(BuildRedefinedUrbanArea1990Polygons), "");
    const auto redefined = Polygons("tgr25025Ua90Red.kml");
    ASSERT_EQ(redefined.size(), 1u);
    EXPECT_EQ(Fields(redefined[0]), "GIST_ID=1 COUNTY=25025 UACODE=00003 NAME=Big Urban UAUC=");  // by its first 4
}

TEST_F(PlaceLayersTest, DescriptorsOfEveryReleaseAreComplete) {
    for (int release : {94, 95, 97, 98, 99, 100, 101, 102, 103}) {
        gEditionCode = release;
        std::set<std::string> abbreviations;
        for (const auto& layer : PolygonLayerDescriptors()) {
            SCOPED_TRACE(std::to_string(release) + " " + layer.abbreviation);
            EXPECT_TRUE(abbreviations.insert(layer.abbreviation).second);
            int length = 1, named = 0;  // the deletion byte, then the fields
            for (const shapeio::DbfFieldDef* f = layer.fields; f->name; ++f)
                length += f->length, named += std::strcmp(f->name, layer.nameField) == 0;
            EXPECT_TRUE(layer.RecordLength() == length && named == 1 && layer.compare && *layer.themeFolder);
            EXPECT_TRUE(*layer.statusText && *layer.overflowText && (*layer.title || (layer.secondTitle && *layer.secondTitle)));
            for (const char* text : {layer.noRecordsText, layer.noEntriesText, layer.noEntriesClipText})
                EXPECT_EQ(std::string(text).back(), '\n');
        }
    }
}

}  // namespace
