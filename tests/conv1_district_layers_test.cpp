// The voting district, ZCTA, ANRC, tribal subdivision, traffic analysis
// zone, urban area, PUMA, school district, metropolitan and district layers
// of the 1994-2000 editions on hand-made counties: a row of square cells,
// each a polygon with its type A and type S rows and the type 3 codes of
// its sides, read back from the layer's KML document.
#include "conv1/entity_names.h"
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/polygon_borders.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "support/kept_files.h"
#include "support/kml_polygons.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"
#include "support/text_fields.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <map>

using namespace vornak;
using testsupport::KmlPolygon;
using testsupport::Put;

namespace {

// A number right-aligned in 10 columns (TLID, POLYID).
std::string Id(size_t n) {
    const std::string digits = std::to_string(n);
    return std::string(10 - digits.size(), ' ') + digits;
}

// The type 3 codes of a cell's sides.
struct Side3 {
    const char* state = "25";
    const char* county = "025";
    const char* vtd = "    ";
    const char* aitsce = "   ";
    const char* aits = "     ";
};

// Fields not set are empty, which the layers read as blanks.
struct Cell {
    TypeARecord a{};
    TypeSRecord s{};
    Side3 t3;
    Cell() { Put(s.STATECU, "25"), Put(s.COUNTYCU, "025"); }
};

class DistrictLayersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRecordStore(), ReleasePolygonBorders();
        gLogFile = platform::OpenFile(dir / "county.log", "w");
        gTypeAScratchFile = platform::OpenFile(dir / "a.tmp", "wb+");
        gCurrentJob = nullptr, gConversionStatus = 0, gClipWaterPolygons = 0, gOrganisationMode = '0';
        gOutputDir = dir.path(), gOutputPrefix = dir.path() + "/", gCountyBaseName = "tgr25025", gCountyCode = "25025";
    }
    void TearDown() override {
        ReleasePolygonBorders(), ResetRecordStore(), testsupport::EndKeptFiles();
        gTypeAScratchFile.reset(), gLogFile.reset();
    }
    // A new county (and log) in the same folder.
    void Restart() { TearDown(), SetUp(); }

    // A row of `n` cells of release `release`, cell k being polygon k + 1.
    std::vector<Cell>& Row(int release, int n) {
        gEditionCode = release;
        cells.assign(static_cast<size_t>(n), Cell());
        return cells;
    }

    // The county's tables, the type 3 reader's counts and the border step.
    void Load() {
        const int n = static_cast<int>(cells.size());
        for (int k = 0; k < n; ++k) {
            const std::string polyid = Id(static_cast<size_t>(k) + 1);
            for (auto* row : {&cells[k].a.CENID, &cells[k].s.CENID}) Put(*row, "25025");
            Put(cells[k].a.POLYID, polyid.c_str()), Put(cells[k].s.POLYID, polyid.c_str());
            gTypeARecords.push_back(cells[k].a), gTypeSRecords.push_back(cells[k].s);
        }
        // Each cell's bottom and top (left side above), then the verticals (left side west).
        struct Edge { int x0, y0, x1, y1, left, right; };
        std::vector<Edge> edges;
        for (int k = 0; k < n; ++k) edges.push_back({k, 0, k + 1, 0, k, -1}), edges.push_back({k, 1, k + 1, 1, -1, k});
        for (int k = 0; k <= n; ++k) edges.push_back({k, 0, k, 1, k > 0 ? k - 1 : -1, k < n ? k : -1});
        for (size_t e = 0; e < edges.size(); ++e) {
            const std::string id = Id(e + 1);
            const char* tlid = id.c_str();
            const std::string left = edges[e].left < 0 ? "" : Id(static_cast<size_t>(edges[e].left + 1));
            const std::string right = edges[e].right < 0 ? "" : Id(static_cast<size_t>(edges[e].right + 1));
            TypeIRecord line{};
            Put(line.TLID, tlid), Put(line.STATE, "25"), Put(line.COUNTY, "025");
            Put(line.CENIDL, left.empty() ? "" : "25025"), Put(line.POLYIDL, left.c_str());
            Put(line.CENIDR, right.empty() ? "" : "25025"), Put(line.POLYIDR, right.c_str());
            gTypeIRecords.push_back(line);
            LineEnds chain{};
            Put(chain.TLID, tlid);
            chain.FRLONG = -71 + 0.01 * edges[e].x0, chain.FRLAT = 42 + 0.01 * edges[e].y0;
            chain.TOLONG = -71 + 0.01 * edges[e].x1, chain.TOLAT = 42 + 0.01 * edges[e].y1;
            gLineEnds.push_back(chain);
            const Side3 none{"", "", "    ", "   ", "     "};
            const Side3& l = edges[e].left < 0 ? none : cells[static_cast<size_t>(edges[e].left)].t3;
            const Side3& r = edges[e].right < 0 ? none : cells[static_cast<size_t>(edges[e].right)].t3;
            Type3Record t{};
            Put(t.TLID, tlid), Put(t.STATE90L, l.state), Put(t.COUN90L, l.county), Put(t.VTDL, l.vtd);
            Put(t.STATE90R, r.state), Put(t.COUN90R, r.county), Put(t.VTDR, r.vtd);
            Put(t.AITSCEL, l.aitsce), Put(t.AITSL, l.aits), Put(t.AITSCER, r.aitsce), Put(t.AITSR, r.aits);
            CountType3Borders(t);
            gType3Records.push_back(t);
        }
        gTypeACount = gTypeSCount = n;
        gType1Count = gType3Count = gTypeICount = static_cast<int>(edges.size());
        gTypeCCount = static_cast<int>(gTypeCRecords.size());
        PrepareSideIndexes();
        DeterminePolygonBorders(kTypeASides), DeterminePolygonBorders(kTypeSSides);
    }

    // As the type 3 reader counts: districts before release 100, tribal keys from 100.
    static void CountType3Borders(Type3Record& t) {
        auto count = [](const std::string& l, const std::string& r, const std::string& blank, int& counter) {
            if (l == r) return false;
            counter += (l != blank && r != blank) ? 2 : 1;
            return true;
        };
        if (gEditionCode < 100) {
            count(t.VTDL, t.VTDR, "    ", gLandmarkBorderLineCount);
        } else {
            t.tribalBorderFlag = count(std::string(t.AITSL) + t.AITSCEL, std::string(t.AITSR) + t.AITSCER,
                                       "        ", gTribalSubdivisionBorderLineCount);
        }
    }

    // A type C row of data year 2000 with NAME `name` (66 characters).
    TypeCRecord& NameRow(char entity, const char* name) {
        TypeCRecord c{};
        Put(c.STATE, "25"), Put(c.COUNTY, "025"), Put(c.DATAYR, "2000"), Put(c.NAME, name);
        c.ENTITY = entity, c.PLACEDC = ' ';
        gTypeCRecords.push_back(c);
        return gTypeCRecords.back();
    }

    std::vector<KmlPolygon> Polygons(const std::string& abbreviation) const {
        auto counties = testsupport::ReadKmlPolygons(testsupport::ReadFile(dir / ("tgr25025" + abbreviation + ".kml")));
        return counties.empty() ? std::vector<KmlPolygon>() : counties[0].polygons;
    }
    std::string Log() const {
        std::fflush(gLogFile.get());
        return testsupport::ReadFile(dir / "county.log");
    }

    testsupport::TempDir dir;
    std::vector<Cell> cells;
};

// The fields of each polygon in document order, as "FIELD=value" joined by blanks.
std::vector<std::string> Records(const std::vector<KmlPolygon>& polygons, std::vector<std::string> fields) {
    std::vector<std::string> out;
    for (const KmlPolygon& p : polygons) {
        std::string text;
        for (const std::string& f : fields) text += (text.empty() ? "" : " ") + f + "=" + p.Field(f);
        out.push_back(text + " rings=" + std::to_string(p.OuterRings()));
    }
    return out;
}

TEST(DistrictLayerDescriptors, EveryReleaseHasCompleteDistinctLayers) {
    for (int release : {94, 95, 97, 98, 99, 100, 101, 102, 103}) {
        SCOPED_TRACE(release);
        gEditionCode = release;
        std::vector<tigercore::SideLayer> sideLayers;
        for (auto add : {AddVotingDistrictLayers, AddZctaTribalLayers, AddZoneUrbanLayers, AddSchoolDistrictLayers,
                         AddDistrictLayers})
            add(sideLayers);
        std::vector<polygons::PolygonLayerDescriptor> layers;
        for (const auto& side : sideLayers) layers.push_back(side.layer);
        AddVotingDistrictDescriptors(layers);
        AddZctaTribalDescriptors(layers);
        std::map<std::string, const polygons::PolygonLayerDescriptor*> byAbbreviation;
        for (const auto& layer : layers) {
            SCOPED_TRACE(layer.abbreviation);
            EXPECT_TRUE(byAbbreviation.emplace(layer.abbreviation, &layer).second);
            EXPECT_STREQ(layer.title, "");
            for (const char* text : {layer.secondTitle, layer.statusText, layer.themeFolder}) EXPECT_STRNE(text, "");
            for (const char* text : {layer.noRecordsText, layer.noEntriesText, layer.noEntriesClipText})
                EXPECT_EQ(std::string(text).back(), '\n');
            EXPECT_NE(std::string(layer.overflowText).find("exceeds the count"), std::string::npos);
            int length = 1, named = 0;
            for (const auto* f = layer.fields; f->name; ++f)
                length += f->length, named += f->name == std::string(layer.nameField);
            EXPECT_EQ(named, 1);
            EXPECT_EQ(layer.RecordLength(), length);
        }
        // The files and tables that switch by release.
        for (const char* before100 : {"hse", "sen", "msa", "pms", "arc"})
            EXPECT_EQ(byAbbreviation.count(before100) == 1, release < 100) << before100;
        for (const char* from100 : {"sldl", "sldu", "msa00", "pms00"})
            EXPECT_EQ(byAbbreviation.count(from100) == 1, release >= 100) << from100;
        EXPECT_STREQ(byAbbreviation["taz"]->fields[3].name, release < 100 ? "CTPP" : "UA90");
        EXPECT_EQ(byAbbreviation["elm"]->RecordLength(), release < 100 ? 19 : 79);
        EXPECT_EQ(byAbbreviation["mid"]->RecordLength(), 19);
    }
}

// Two counties' districts of the same code meet on the county line: both
// sides are borders of their districts, and the entries have room for them.
TEST_F(DistrictLayersTest, VotingDistricts1990AcrossTwoCounties) {
    auto& c = Row(97, 3);
    c[0].t3.vtd = "0001", c[1].t3 = {"25", "027", "0001"}, c[2].t3 = {"25", "027", "0002"};
    Put(NameRow('V', "Ward Two").VTD, "0002"), Put(gTypeCRecords.back().COUNTY, "027");
    Load();
    EXPECT_EQ(gLandmarkBorderLineCount, 10);  // the reader's count, without the county line
    BuildVotingDistrict1990Polygons();
    EXPECT_EQ(gConversionStatus, 0);
    EXPECT_LACKS(Log(), "exceeds");
    EXPECT_EQ(Records(Polygons("vot"), {"COUNTY", "VOTE_DIST", "NAME"}),
              (std::vector<std::string>{"COUNTY=25025 VOTE_DIST=0001 NAME= rings=1",
                                        "COUNTY=25027 VOTE_DIST=0002 NAME=Ward Two rings=1"}));

    for (Cell& cell : c) cell.s.WATER = 1;
    Restart(), Load();
    gClipWaterPolygons = 1;
    BuildVotingDistrict1990Polygons();
    EXPECT_HAS(Log(), "All voting districts for this county coincide with water polygons\n"
                      "Try turning off the water polygon clipping option\n");
}

// The zone's companion text is what the border step compared: CTPP up to
// release 99, the 1990 urban area in 100 and 101, none from 102.
TEST_F(DistrictLayersTest, TrafficAnalysisZonesKeyByTheCountedCompanion) {
    const struct {
        int release;
        const char* ua90Right;
        std::vector<std::string> records;
    } cases[] = {
        {99, "0100", {"TAZ=000001 CTPP=0001 rings=1", "TAZ=000001 CTPP=0002 rings=1"}},
        {100, "0100", {"TAZ=000001 UA90=0100 rings=1"}},
        {100, "0200", {"TAZ=000001 UA90=0100 rings=1", "TAZ=000001 UA90=0200 rings=1"}},
        {102, "0200", {"TAZ=000001 UA90= rings=1"}},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(testing::Message() << t.release << " " << t.ua90Right);
        Restart();
        auto& c = Row(t.release, 2);
        for (Cell& cell : c) Put(cell.a.TAZ, "000001"), std::strcpy(cell.a.UA90, "0100");
        Put(c[0].a.TAZPART, "0001"), Put(c[1].a.TAZPART, "0002"), std::strcpy(c[1].a.UA90, t.ua90Right);
        Load();
        BuildTrafficAnalysisZonePolygons();
        EXPECT_EQ(gConversionStatus, 0);
        EXPECT_LACKS(Log(), "exceeds");
        EXPECT_EQ(Records(Polygons("taz"), {"TAZ", t.release < 100 ? "CTPP" : "UA90"}), t.records);
    }
}

// Sorted by county and code, dissolved by the code: the two counties' parts
// of one code meet in that order and make one polygon. The line between
// the parts borders both: each part is a ring of its own, the two meeting
// along that line.
TEST_F(DistrictLayersTest, Census2000VotingDistrictsAndZctasDissolveByCode) {
    auto& c = Row(100, 4);
    const char* zctas[] = {"02134", "02135", "02135", "02136"};
    const char* districts[] = {"000001", "000002", "000002", "000003"};
    for (int k = 0; k < 4; ++k)
        Put(c[k].s.COUNTYCU, k < 2 ? "025" : "027"), Put(c[k].s.ZCTA, zctas[k]), Put(c[k].s.VTD00, districts[k]);
    TypeCRecord& name = NameRow('V', "Precinct 3");
    Put(name.COUNTY, "027"), Put(name.VTD, "000003"), name.PLACEDC = 'P';
    Load();
    BuildZcta2000Polygons();
    EXPECT_EQ(Records(Polygons("zcta"), {"COUNTY", "ZCTA"}),
              (std::vector<std::string>{"COUNTY=25025 ZCTA=02134 rings=1", "COUNTY=25025 ZCTA=02135 rings=2",
                                        "COUNTY=25027 ZCTA=02136 rings=1"}));
    BuildVotingDistrict2000Polygons();
    EXPECT_EQ(Records(Polygons("vot00"), {"COUNTY", "VOTE00", "NAME", "PDC"}),
              (std::vector<std::string>{"COUNTY=25025 VOTE00=000001 NAME= PDC= rings=1",
                                        "COUNTY=25025 VOTE00=000002 NAME= PDC= rings=2",
                                        "COUNTY=25027 VOTE00=000003 NAME=Precinct 3 PDC=P rings=1"}));
}

// Tribal subdivisions follow the type 3 reader's border flags; ANRCs keep
// the line's county for both sides and stop at release 100.
TEST_F(DistrictLayersTest, TribalSubdivisionsAndAnrcs) {
    auto& c = Row(100, 3);
    c[0].t3.aitsce = c[1].t3.aitsce = "001", c[2].t3.aitsce = "002";
    for (Cell& cell : c) cell.t3.aits = "12345";
    Put(NameRow(' ', "Upper District").FIPS, "12345"), Put(gTypeCRecords.back().AITSCE, "001");
    Load();
    BuildAits2000Polygons();
    EXPECT_EQ(Records(Polygons("aits"), {"COUNTY", "FIPSCODE", "AITSCE", "NAME"}),
              (std::vector<std::string>{"COUNTY=25025 FIPSCODE=12345 AITSCE=001 NAME=Upper District rings=1",
                                        "COUNTY=25025 FIPSCODE=12345 AITSCE=002 NAME= rings=1"}));
    ReportNoAnrcRecords();
    EXPECT_HAS(Log(), "There are no ANRC Records in record type 3\n");

    auto& d = Row(98, 2);
    Put(d[0].s.ANRC, "01"), Put(d[1].s.ANRC, "02"), Put(d[1].s.COUNTYCU, "027");
    Restart(), Load();
    BuildAnrcPolygons();
    BuildAits2000Polygons();
    EXPECT_EQ(Records(Polygons("arc"), {"COUNTY", "ANRC"}),
              (std::vector<std::string>{"COUNTY=25025 ANRC=01 rings=1", "COUNTY=25025 ANRC=02 rings=1"}));
    EXPECT_HAS(Log(), "There are no AITS records\n");
}

// School district names from release 100 (not for middle schools, which
// only releases 94 and 95 carry).
TEST_F(DistrictLayersTest, SchoolDistrictsNamedFromRelease100) {
    for (int release : {99, 100}) {
        SCOPED_TRACE(release);
        Restart();
        auto& c = Row(release, 2);
        Put(c[0].a.SDELM, "00010"), Put(c[1].a.SDELM, "00020"), Put(c[0].a.SDMID, "00030");
        Put(NameRow(' ', "Hill School District").SD, "10");
        Load();
        BuildElementarySchoolDistrictPolygons();
        BuildMiddleSchoolDistrictPolygons();
        const std::string name = release < 100 ? "" : "Hill School District";
        EXPECT_EQ(Records(Polygons("elm"), {"COUNTY", "ELEMENTARY", "NAME"}),
                  (std::vector<std::string>{"COUNTY=25025 ELEMENTARY=00010 NAME=" + name + " rings=1",
                                            "COUNTY=25025 ELEMENTARY=00020 NAME= rings=1"}));
        EXPECT_HAS(Log(), "There are no Middle School records\n");
    }
}

// County codes by layer, names cleaned of control characters, the files
// of the legislative layers by release and the lower chamber's own message
// for parts.tmp.
TEST_F(DistrictLayersTest, MetropolitanCongressionalAndLegislativeDistricts) {
    for (int release : {98, 100}) {
        SCOPED_TRACE(release);
        Restart();
        auto& c = Row(release, 2);
        for (int k = 0; k < 2; ++k) {
            Put(c[k].a.STATE, "25"), Put(c[k].a.COUNTY, "017"), Put(c[k].a.CD106, k ? "02" : "01");
            Put(c[k].s.MSACMSA, k ? "" : "1120"), Put(c[k].s.CDCU, k ? "04" : "03"), Put(c[k].s.SLDL, k ? "2" : "1");
            Put(c[k].s.COUNTYCU, "027");
        }
        TypeCRecord& msa = NameRow('J', "Boston\tMSA");
        Put(msa.MA, "1120"), Put(msa.LSADC, "71");
        Load();
        BuildCmsaMsaPolygons(), BuildCongressionalDistrict106Polygons(), BuildCongressionalDistrictCurrentPolygons();
        BuildLowerChamberDistrictPolygons();
        EXPECT_EQ(Records(Polygons(release < 100 ? "msa" : "msa00"), {"COUNTY", "CMSAMSA", "NAME"}),
                  std::vector<std::string>{"COUNTY=25025 CMSAMSA=1120 NAME=Boston MSA rings=1"});
        EXPECT_EQ(Records(Polygons("cd106"), {"COUNTY", "DISTRICT"}),
                  (std::vector<std::string>{"COUNTY=25017 DISTRICT=01 rings=1", "COUNTY=25017 DISTRICT=02 rings=1"}));
        EXPECT_EQ(Records(Polygons("cdc"), {"COUNTY"}).at(0), "COUNTY=25025 rings=1");
        const std::string house = release < 100 ? "ST_HOUSE" : "SLDL";
        EXPECT_EQ(Records(Polygons(release < 100 ? "hse" : "sldl"), {house}),
                  (std::vector<std::string>{house + "=1 rings=1", house + "=2 rings=1"}));
    }
    ASSERT_EQ(::mkdir((dir / "parts.tmp").c_str(), 0755), 0);
    BuildLowerChamberDistrictPolygons();
    EXPECT_HAS(Log(), "Could not open file pats.tmp");
    EXPECT_EQ(gConversionStatus, -1);
}

// Urban areas 2000 with their LSADC where a type C row of year 2000 names
// them; the PUMAs and urban areas of 2000 exist from release 102 only.
TEST_F(DistrictLayersTest, UrbanAreas2000AndPumas) {
    auto& c = Row(102, 2);
    Put(c[0].a.UA00, "01234"), Put(c[1].a.UA00, "01235"), Put(c[0].a.PUMA, "00100");
    TypeCRecord& ua = NameRow(' ', "Springfield");
    Put(ua.UA, "01234"), Put(ua.LSADC, "UA");
    Load();
    BuildUrbanArea2000Polygons(), BuildPumaPolygons();
    EXPECT_EQ(Records(Polygons("urb00"), {"UACODE", "NAME", "UAUC"}),
              (std::vector<std::string>{"UACODE=01234 NAME=Springfield UAUC=UA rings=1",
                                        "UACODE=01235 NAME= UAUC= rings=1"}));
    EXPECT_EQ(Records(Polygons("puma"), {"PUMA"}), std::vector<std::string>{"PUMA=00100 rings=1"});

    Row(101, 2);
    Restart(), Load();
    BuildPumaPolygons(), BuildUrbanArea2000Polygons();
    EXPECT_HAS(Log(), "There are no Puma records\nThere are no UA 00 records\n");
}

}  // namespace
