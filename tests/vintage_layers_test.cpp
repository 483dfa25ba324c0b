// Polygon layers of the other vintages on small generated counties whose
// type S (and type C, P) records are rewritten: school district and
// metropolitan names, congressional districts by edition, traffic analysis
// zone and voting district keys, urban areas (2000 and current), legislative
// districts, urban growth areas, water clipping and a county without type S;
// the moment each layer shows its caption and status text.
#include "conv2/conversion_dialog.h"
#include "conv2/layer_catalogue.h"
#include "platform/dialog.h"
#include "platform/files.h"
#include "support/county_files.h"
#include "support/generated_county_run.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

using testsupport::generated::CountyRun;
using testsupport::generated::EntityRow;
using testsupport::generated::Polygon;
using testsupport::generated::Values;

namespace {

constexpr double kCellArea = 1e-6;

std::vector<std::string> Rows(const std::vector<Polygon>& polygons, const std::vector<std::string>& fields) {
    std::vector<std::string> rows;
    for (const Polygon& p : polygons) rows.push_back(p.name + ":" + Values(p, fields));
    return rows;
}

using Texts = std::vector<std::string>;

TEST(VintageLayersTest, SchoolDistrictsMetropolitanAreasAndCongressionalDistricts) {
    CountyRun run(countygen::CountySpec{});
    run.PatchRecords("rts", [](std::string& line) {
        int c = CountyRun::CellOf(line), i = c % 4;
        CountyRun::Put(line, 95, i < 2 ? "01230" : "00077");   // SDUNI
        CountyRun::Put(line, 100, i < 2 ? "112 " : "9999");    // MSACMSA
        CountyRun::Put(line, 108, "5350");                     // NECMA
        CountyRun::Put(line, 112, i < 2 ? "07" : "12");        // CD106
    });
    run.WriteRecords("rtc", {EntityRow('4', "Old District").Put(30, "00077").Put(11, "1990"),
                             EntityRow('5', "District 1230").Put(30, "1230 ").Put(23, "00"),
                             EntityRow('J', "Metro 112").Put(26, " 112").Put(23, "M1"),
                             EntityRow('J', "Necma").Put(26, "5350").Put(23, "N1")});
    run.Run('c', {45, 47, 51, 54});

    // District codes match SD by value; a row of another year names nothing.
    EXPECT_EQ(Rows(run.Polygons("sduni00"), {"GIST_ID", "COUNTY", "UNIFIED", "NAME", "LSADC", "ENTITY"}),
              (Texts{"00077:1|25901|00077|||", "01230:2|25901|01230|District 1230|00|5"}));
    // MA codes are compared trimmed.
    EXPECT_EQ(Rows(run.Polygons("msa00"), {"CMSAMSA", "NAME", "LSADC", "ENTITY"}),
              (Texts{"112:112|Metro 112|M1|J", "9999:9999|||"}));
    std::vector<Polygon> necma = run.Polygons("necma00");
    ASSERT_EQ(necma.size(), 1u);
    EXPECT_EQ(necma[0].order, (Texts{"GIST_ID", "COUNTY", "NECMA", "NAME", "LSADC"}));
    EXPECT_EQ(Values(necma[0], {"NECMA", "NAME", "LSADC"}), "5350|Necma|N1");
    EXPECT_NEAR(std::fabs(necma[0].SignedArea()), 12 * kCellArea, 1e-9);
    // District 07 keeps its leading zero.
    EXPECT_EQ(Rows(run.Polygons("cd106"), {"COUNTY", "DISTRICT"}), (Texts{"07:25901|07", "12:25901|12"}));
    EXPECT_TRUE(run.HasDocument("cd108"));
}

// TAZ keys of zone and urban area; voting district keys of county and VTD.
TEST(VintageLayersTest, TrafficAnalysisZonesAndVotingDistrictsKeyOnTwoCodes) {
    CountyRun run(countygen::CountySpec{});
    run.PatchRecords("rts", [](std::string& line) {
        int c = CountyRun::CellOf(line), i = c % 4, j = c / 4;
        CountyRun::Put(line, 28, i < 2 ? "901" : "902");
        const char* taz = i < 2 ? "000011" : i == 2 ? "      " : "000012";
        const char* ua = i < 2 ? (j == 0 ? "11111" : "22222") : i == 2 ? "11111" : "     ";
        CountyRun::Put(line, 134, taz);
        CountyRun::Put(line, 146, ua);
        CountyRun::Put(line, 152, j == 2 ? "      " : "    12");
    });
    run.WriteRecords("rtc", {EntityRow('V', "Other Ward").Put(6, "25903").Put(39, "12    "),
                             EntityRow('V', "Ward Twelve").Put(6, "25901").Put(39, "12    ").Put(23, "V1").Put(22, "A"),
                             EntityRow('V', "Ward 2002").Put(6, "25902").Put(39, "12").Put(11, "2002")});
    run.Run('c', {62, 63});

    // A zone cut by an urban area is two polygons; a zone without a code is none.
    std::vector<Polygon> zones = run.Polygons("taz");
    EXPECT_EQ(Rows(zones, {"COUNTY", "TAZ", "UA"}),
              (Texts{"000011:25901|000011|11111", "000011:25901|000011|22222", "000012:25902|000012|"}));
    ASSERT_EQ(zones.size(), 3u);
    const double cells[] = {2, 4, 3};
    for (size_t k = 0; k < zones.size(); ++k) EXPECT_NEAR(std::fabs(zones[k].SignedArea()), cells[k] * kCellArea, 1e-9);
    EXPECT_DOUBLE_EQ(zones[2].MinX(), -71.497);
    EXPECT_DOUBLE_EQ(zones[2].MaxY(), 42.003);

    // One VTD code in two counties: two polygons, county first; the type C
    // row of the county names it whichever side its blanks are on.
    std::vector<Polygon> districts = run.Polygons("vtd00");
    EXPECT_EQ(Rows(districts, {"GIST_ID", "COUNTY", "VOTE00", "NAME", "LSADC", "ENTITY", "PLACEDC"}),
              (Texts{"12:1|25901|12|Ward Twelve|V1|V|A", "12:2|25902|12||||"}));
    for (const Polygon& p : districts) EXPECT_NEAR(std::fabs(p.SignedArea()), 4 * kCellArea, 1e-9);
}

// The 108th congressional districts come only with the 2004 second edition,
// Urban Current only with the 2006 second edition, from the type A rows.
TEST(VintageLayersTest, EditionsDecideTheSecondLayerOfAnOption) {
    struct Case {
        char edition;
        bool cd108, urbanCurrent;
    };
    for (Case c : {Case{'9', false, false}, Case{'b', false, false}, Case{'c', true, false}, Case{'d', false, true}}) {
        SCOPED_TRACE(c.edition);
        countygen::CountySpec spec;
        spec.edition = c.edition;
        CountyRun run(spec);
        run.Run(c.edition, {54, 60, 66});
        std::string log = run.LogMessages();
        EXPECT_EQ(Rows(run.Polygons("cd106"), {"DISTRICT"}), (Texts{"03:03", "04:04"}));
        EXPECT_EQ(run.HasDocument("cd108"), c.cd108);
        EXPECT_EQ(log.find("108th"), std::string::npos);
        if (c.cd108) {
            EXPECT_EQ(Rows(run.Polygons("cd108"), {"COUNTY", "DISTRICT"}), (Texts{"05:25901|05", "06:25901|06"}));
        }
        EXPECT_EQ(Rows(run.Polygons("urb00"), {"COUNTY", "UACODE", "NAME", "ENTITY"}),
                  (Texts{"09271:25901|09271|Urban Area 09271|U"}));
        EXPECT_EQ(run.HasDocument("urbcu"), c.urbanCurrent);
        if (c.urbanCurrent) {
            std::vector<Polygon> current = run.Polygons("urbcu");
            EXPECT_EQ(Rows(current, {"GIST_ID", "COUNTY", "UACODE", "NAME", "LSADC", "ENTITY"}),
                      (Texts{"09271:1|25901|09271|Urban Area 09271||U"}));
            ASSERT_EQ(current.size(), 1u);
            EXPECT_NEAR(std::fabs(current[0].SignedArea()), 12 * kCellArea, 1e-9);
        } else {
            EXPECT_EQ(log.find("Urban Current"), std::string::npos);
        }
        EXPECT_NE(log.find("There are no UGA 00 records\n"), std::string::npos);
        EXPECT_EQ(log.find("exceeds"), std::string::npos);
    }
}

TEST(VintageLayersTest, LegislativeDistrictsAndUrbanGrowthAreas) {
    CountyRun run(countygen::CountySpec{});
    run.PatchRecords("rts", [](std::string& line) {
        int i = CountyRun::CellOf(line) % 4;
        CountyRun::Put(line, 158, std::string(i < 2 ? "1  " : "002") + "   " + (i < 2 ? "77777" : "     "));
    });
    run.WriteRecords("rtc", {EntityRow('Y', "Growth Area").Put(45, "77777").Put(20, "G1").Put(23, "UG")});
    run.Run('c', {64, 65, 66});

    // "1  " sorts after "002"; the code keeps its place in the field.
    EXPECT_EQ(Rows(run.Polygons("sldu"), {"GIST_ID", "COUNTY", "SLDU"}), (Texts{"002:1|25901|002", "1:2|25901|1"}));
    EXPECT_FALSE(run.HasDocument("sldl"));
    EXPECT_EQ(Rows(run.Polygons("uga00"), {"UACODE", "NAME", "LSADC", "ENTITY", "FIPSCC", "PLACEDC"}),
              (Texts{"77777:77777|Growth Area|UG|Y|G1|0"}));
    std::string log = run.LogMessages();
    EXPECT_NE(log.find("There are no State Legislative Lower Chamber records\n"), std::string::npos);
}

// With water clipping the block around a water cell loses that cell; a water
// cell without its type P row is land.
TEST(VintageLayersTest, WaterClippingReadsAMissingTypePRowAsLand) {
    countygen::CountySpec spec;
    spec.width = spec.height = 8;  // cell (6, 6) is water
    const int water = 6 * 8 + 6;
    for (bool dropRow : {false, true}) {
        SCOPED_TRACE(dropRow);
        CountyRun run(spec);
        const countygen::CellCodes cell = run.model().Cell(water);
        ASSERT_TRUE(cell.water);
        if (dropRow) run.RemoveRecords("rtp", [&](const std::string& line) { return CountyRun::CellOf(line) == water; });
        run.Run('c', {17}, true);
        std::string block = cell.state + cell.county + cell.tract + cell.block;
        int found = 0;
        for (const Polygon& p : run.Polygons("blk00")) {
            if (p.Field("STFID") != block) continue;
            ++found;
            EXPECT_NEAR(std::fabs(p.SignedArea()), (dropRow ? 4 : 3) * kCellArea, 1e-9);
        }
        EXPECT_EQ(found, 1);
        EXPECT_EQ(run.LogMessages().find("exceeds"), std::string::npos);
    }
}

// Without type S records every Census 2000 layer has nothing to build, and
// Urban Current takes every side as land.
TEST(VintageLayersTest, CountyWithoutTypeSRecords) {
    countygen::CountySpec spec;
    spec.edition = 'd';
    CountyRun run(spec);
    std::remove(run.RecordPath("rts").c_str());
    run.Run('d', {8, 17, 60, 63}, true);
    std::string log = run.LogMessages();
    for (const char* notice : {"Could not open Type S file. No Census 2000 poygons will be produced\n",
                               "There are no County 2000 records\n", "There are no Block 2000 records\n",
                               "There are no UA 00 records\n", "There are no Voting District 2000 records\n"})
        EXPECT_NE(log.find(notice), std::string::npos) << notice << log;
    std::vector<Polygon> current = run.Polygons("urbcu");
    ASSERT_EQ(current.size(), 1u);
    EXPECT_NEAR(std::fabs(current[0].SignedArea()), 12 * kCellArea, 1e-9);
}

// Notes, for each caption the progress dialog shows, whether the polygon
// scratch files of the county were open then.
class CaptionMoments : public platform::SilentRenderer {
public:
    explicit CaptionMoments(std::string out) : out_(std::move(out)) {}
    void ControlChanged(const platform::Dialog&, const platform::Control& control) override {
        if (control.id == vornak2::ConversionDialog::kStatusId) status_ = control.text, statuses.insert(status_);
        if (control.id == vornak2::ConversionDialog::kProgressBarId && !status_.empty())
            firstProgressAfter.emplace(status_, control.position);
        if (control.id != vornak2::ConversionDialog::kLayerId || control.text.empty()) return;
        bool open = false;
        for (const std::string& name : platform::ListDirectory(out_))
            open = open || testsupport::Exists(out_ + "/" + name + "/dbf.tmp");
        scratchOpen[control.text] = open;
    }
    std::map<std::string, bool> scratchOpen;
    std::map<std::string, int> firstProgressAfter;  // the bar's first move after each status text
    std::set<std::string> statuses;

private:
    std::string out_, status_;
};

// These layers show their caption once their scratch files are open (AIANHH
// and Aits before the room for their entries, the others after it); County
// Current and Urban Current as they start.
TEST(VintageLayersTest, CaptionsAtTheirMoment) {
    countygen::CountySpec spec;
    spec.width = spec.height = 8;  // an AIANHH area, a park and a pond
    spec.edition = 'd';
    CountyRun run(spec);
    run.PatchRecords("rta", [](std::string& line) { CountyRun::Put(line, 58, "00100100"); });  // AITSCECU, AITSCU
    run.PatchRecords("rts", [](std::string& line) {
        CountyRun::Put(line, 164, "00900");   // UGA
        CountyRun::Put(line, 31, "      ");  // no tract 2000: the tract layer gathers nothing
    });
    const struct {
        int flag;
        const char* caption;
        bool scratchOpen;
    } rows[] = {
        {9, "County Current", false},
        {11, "Tract 2000", false},
        {20, "AIANHH 2000", true},
        {21, "AIANHH Current", true},
        {27, "Aits Current", true},
        {41, "Elementary School Districts 2000", true},
        {43, "Secondary School Districts 2000", true},
        {45, "Unified School Districts 2000", true},
        {42, "Elementary School Districts", true},
        {44, "Secondary School Districts", true},
        {46, "Unified School Districts", true},
        {47, "MSA_CMSA 2000", true},
        {49, "PMSA 2000", true},
        {51, "NECMA 2000", true},
        {60, "Urban Areas 2000", true},
        {60, "Urban Current", false},
        {63, "Voting Districts 2000", true},
        {64, "State Legislative Upper Chamber Districts", true},
        {65, "State Legislative Lower Chamber Districts", true},
        {66, "Urban Growth Areas 2000", true},
        {67, "Landmark Polygons", true},
        {68, "Water Polygons", true},
    };
    std::vector<int> flags;
    for (const auto& row : rows) flags.push_back(row.flag);
    CaptionMoments moments(run.outputDir());
    platform::DialogRenderer& before = platform::ModelessRenderer();
    platform::SetModelessRenderer(&moments);
    run.Run('d', flags);
    platform::SetModelessRenderer(&before);
    for (const auto& row : rows) {
        const auto shown = moments.scratchOpen.find(row.caption);
        ASSERT_NE(shown, moments.scratchOpen.end()) << row.caption;
        EXPECT_EQ(shown->second, row.scratchOpen) << row.caption;
    }
    // AIANHH Current takes its bar back to 0 once its text shows, before sorting.
    EXPECT_EQ(moments.firstProgressAfter.at("Gathering AIANHH Current Boundary Lines"), 0);
    // Tract 2000 shows its text as soon as its lines are gathered, also when it
    // gathered none; block groups, blocks, water and landmarks once there are
    // entries, before sorting them.
    EXPECT_EQ(moments.statuses.count("Gathering Tract Boundary Lines"), 1u);
    EXPECT_NE(run.LogMessages().find("There are no Census Tracts 2000 in this file\n"), std::string::npos);
    using Moment = polygons::PolygonLayerDescriptor::StatusMoment;
    const std::map<std::string, Moment> statusMoments = {{"cty00", Moment::kAfterSorting},
                                                         {"trt00", Moment::kAfterGathering},
                                                         {"grp00", Moment::kBeforeSorting},
                                                         {"blk00", Moment::kBeforeSorting},
                                                         {"wat", Moment::kBeforeSorting},
                                                         {"lpy", Moment::kBeforeSorting}};
    size_t found = 0;
    for (const polygons::PolygonLayerDescriptor& layer : vornak2::PolygonLayerDescriptors()) {
        const auto moment = statusMoments.find(layer.abbreviation);
        if (moment == statusMoments.end()) continue;
        ++found;
        EXPECT_EQ(layer.statusMoment, moment->second) << layer.abbreviation;
    }
    EXPECT_EQ(found, statusMoments.size());
}

}  // namespace
