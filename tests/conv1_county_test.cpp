// Whole generated counties of every 1994-2000 edition through Display with
// every line class and every polygon layer: the county runs to its end, each
// layer holds one polygon per distinct code of the county's model, numbered
// in order and named from the type C rows, and GDAL reads every output.
#include "conv1/display.h"
#include "conv1/job_state.h"
#include "county_model.h"
#include "county_writer.h"
#include "old_edition_codes.h"
#include "platform/files.h"
#include "support/commands.h"
#include "support/kml_polygons.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"
#include "tigercore/county_job.h"

#include <gtest/gtest.h>

#include <set>

using namespace testsupport;

namespace {

// Every line class and polygon flag, organisation '0', the edition digit.
std::string EveryLayer(char edition, char clip) {
    std::string options(56, '1');
    options[50] = '0';
    options[51] = '0';
    options[53] = edition;
    options[54] = clip;
    return options;
}

// The distinct codes a layer of a level must dissolve the cells into.
template <typename Level>
size_t DistinctCodes(const countygen::CountyModel& model, Level level) {
    std::set<std::string> codes;
    for (int cell = 0; cell < model.CellCount(); ++cell) {
        const std::string code = model.LevelCode(cell, level);
        if (code.find_first_not_of(' ') != std::string::npos) codes.insert(code);
    }
    return codes.size();
}

struct LayerOfLevel {
    const char* abbreviation;
    countygen::LevelA levelA;  // used when `typeS` is false
    countygen::LevelS levelS;
    bool typeS;
};

}  // namespace

TEST(OldCounty, EveryEditionConvertsEveryLayer) {
    using countygen::LevelA;
    using countygen::LevelS;
    for (char edition : std::string("012345678")) {
        SCOPED_TRACE(edition);
        TempDir dir;
        countygen::CountySpec spec;
        spec.width = 10;
        spec.height = 8;
        spec.edition = edition;
        const countygen::GeneratedCounty county = countygen::WriteCounty(spec, dir.path());
        const countygen::CountyModel model(spec);
        const char clip = edition == '6' ? '1' : '0';
        ASSERT_EQ(vornak::Display(county.type1Path.c_str(), dir.path().c_str(), EveryLayer(edition, clip).c_str(), 1, 1),
                  0);
        EXPECT_NE(vornak::gConversionStatus, -1);
        const std::string log = ReadFile(dir / (county.baseName + ".log"));
        EXPECT_HAS(log, "\nFinished\nProcess ended on ");
        EXPECT_LACKS(log, "ERROR");
        EXPECT_LACKS(log, "exceeds the count");

        const std::string folder = dir / (county.baseName + "/");
        const int release = countygen::EditionCode(edition);
        const std::string current = release >= 99 ? "00" : "cu";
        const LayerOfLevel layers[] = {
            {"cty", LevelA::County, {}, false},
            {"trt", LevelA::Tract, {}, false},
            {"grp", LevelA::BlockGroup, {}, false},
            {"blk", LevelA::Block, {}, false},
            {"plc", LevelA::Place, {}, false},
            {"elm", LevelA::ElementarySchool, {}, false},
            {"uni", LevelA::UnifiedSchool, {}, false},
        };
        std::vector<std::pair<std::string, size_t>> expected;
        for (const LayerOfLevel& l : layers) expected.emplace_back(l.abbreviation, DistinctCodes(model, l.levelA));
        expected.emplace_back("cty" + current, DistinctCodes(model, LevelS::County));
        if (release >= 98) {
            expected.emplace_back("trt00", DistinctCodes(model, LevelS::Tract2000));
            expected.emplace_back("blk00", DistinctCodes(model, LevelS::Block2000));
        }
        for (const auto& [abbreviation, codes] : expected) {
            SCOPED_TRACE(abbreviation);
            const std::string path = folder + county.baseName + abbreviation + ".kml";
            if (codes == 0) {
                EXPECT_FALSE(platform::FileExists(path));
                continue;
            }
            ASSERT_TRUE(platform::FileExists(path));
            const std::vector<KmlPolygon> polygons = ReadKmlPolygons(ReadFile(path)).at(0).polygons;
            ASSERT_EQ(polygons.size(), codes);
            for (size_t k = 0; k < polygons.size(); ++k)
                EXPECT_EQ(Trim(polygons[k].Field("GIST_ID")), std::to_string(k + 1));
        }
        // Names from the type C rows.
        const std::vector<KmlPolygon> counties =
            ReadKmlPolygons(ReadFile(folder + county.baseName + "cty.kml")).at(0).polygons;
        EXPECT_EQ(counties[0].Field("STATE"), "State " + spec.state);

        // GDAL reads every output of one edition: the shapefiles and tables
        // of the folder at once, each document by itself.
        if (edition == '6' && HaveOgrinfo()) {
            std::string info = Ogrinfo("-so -al", folder);
            for (const std::string& name : platform::ListDirectory(folder)) {
                if (name.size() > 4 && name.substr(name.size() - 4) == ".kml") info += Ogrinfo("-so -al", folder + name);
            }
            EXPECT_LACKS(info, "Warning");
            EXPECT_LACKS(info, "ERROR");
            EXPECT_HAS(info, "Layer name: TGR25901lkA");
        }
    }
}

// The driver's gates: a missing file drops what needs it, with the driver's
// own line, and the county still ends; a missing type 1 or type 2 file makes
// the county a failure, and so does a missing type 3 file when polygon
// layers are asked for.
TEST(OldCounty, MissingFilesAndLineOnlyJobs) {
    struct Case {
        const char* removed;    // record type removed ("" none)
        std::vector<int> flags;  // layer flags set
        const char* line;       // expected in the log
        const char* present;    // an output expected ("" none)
        const char* absent;     // an output that must not be there
        int result = tigercore::kCountyConverted;
    };
    const Case cases[] = {
        {"c", {8}, "Could not open Type c file. No polygon names will be generated\n", "cty.kml", ""},
        {"a", {8, 9}, "Could not open Type a file. No Type A polygons will be generated\n", "", "ctycu.kml"},
        // Without a type 3 file the county is of a later edition.
        {"3", {9}, "Could not open Type 3 file.\nEdition chosen: TIGER 2000. The county's record files are not of "
                   "that edition: every county of the 1994-2000 editions has a Type 3 file, and there is no TGR",
         "", "ctycu.kml", tigercore::kCountyFailed},
        {"s", {8}, "Could not open Type s file. No Type S polygons will be generated\n", "", "cty.kml"},
        {"8", {23, 8}, "Could not open Type 8 file. No Landmark polys will be generated\n", "cty.kml", "lpy.kml"},
        // Roads with the type 4 file missing: the key locations' addresses still read type 5.
        {"4", {0, 22}, "Could not open Type 4 file. No alternative feature names will be generated.\n", "add.dbf",
         "alt.dbf"},
        // Lines only: no polygon stage.
        {"", {0, 1}, "Wrote ", "lkA.shp", "cty.kml"},
        {"2", {0, 8}, "Could not open Type 2 file. Processing for this county will terminate\n", "", "lkA.shp",
         tigercore::kCountyFailed},
        {"1", {8}, ".RT1. Program will terminate\n", "", "cty.kml", tigercore::kCountyFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.removed);
        TempDir dir;
        countygen::CountySpec spec;
        spec.width = 6;
        spec.height = 5;
        spec.edition = '6';
        const countygen::GeneratedCounty county = countygen::WriteCounty(spec, dir.path());
        if (*c.removed) {
            ASSERT_TRUE(platform::RemoveFile(dir / (county.baseName + ".RT" + platform::ToUpper(c.removed))));
        }
        std::string options(56, '0');
        for (int f : c.flags) options[static_cast<size_t>(f)] = '1';
        options[53] = '6';
        EXPECT_EQ(vornak::Display(county.type1Path.c_str(), dir.path().c_str(), options.c_str(), 1, 1), c.result);
        const std::string log = ReadFile(dir / (county.baseName + ".log"));
        EXPECT_HAS(log, c.line);
        EXPECT_HAS(log, "\nFinished\nProcess ended on ");
        const std::string folder = dir / (county.baseName + "/" + county.baseName);
        if (*c.present) {
            EXPECT_TRUE(platform::FileExists(folder + c.present)) << c.present;
        }
        if (*c.absent) {
            EXPECT_FALSE(platform::FileExists(folder + c.absent)) << c.absent;
        }
        EXPECT_FALSE(platform::FileExists(dir / "a.tmp"));
    }
}

// A zipped county of release 95: unpacked as .bw1 files, converted, and the
// unpacked files removed again.
TEST(OldCounty, ZippedCountyIsUnpackedConvertedAndRemoved) {
    TempDir dir;
    ASSERT_TRUE(platform::MakeDirectory(dir / "county"));
    countygen::CountySpec spec;
    spec.width = 4;
    spec.height = 3;
    spec.edition = '1';
    const countygen::GeneratedCounty county = countygen::WriteCounty(spec, dir / "county");
    std::vector<ZipMember> members;
    for (const std::string& name : platform::ListDirectory(dir / "county"))
        members.push_back({name, ReadFile(dir / ("county/" + name))});
    MakeZip(dir / "tgr25901.zip", members);
    std::string options(56, '0');
    options[8] = '1';
    options[53] = '1';
    vornak::Display((dir / "tgr25901.zip").c_str(), dir.path().c_str(), options.c_str(), 1, 1);
    EXPECT_TRUE(platform::FileExists(dir / "tgr25901/tgr25901cty.kml"));
    EXPECT_TRUE(platform::ListDirectory(dir / "unzipped").empty());
    EXPECT_HAS(ReadFile(dir / "tgr25901.log"), "\nFinished\n");
}
