// Whole jobs from pellard's dialogs to finished layers with the real
// libraries: counties of TIGER 2000 alone and beside one of 2005, failed
// counties named with their logs and the exit status, a zipped county named
// after its archive on both routes, and the command line.
#include "conv1/display.h"
#include "conv2/display.h"
#include "county_writer.h"
#include "exports/county_exports.h"
#include "frontend/command_line.h"
#include "platform/files.h"
#include "support/frontend_session.h"
#include "support/kml_polygons.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// 24 x 4 cells: two tracts of 20 x 20 cells side by side.
countygen::CountySpec Spec(char edition, const char* county) {
    countygen::CountySpec spec;
    spec.width = 24;
    spec.height = 4;
    spec.edition = edition;
    spec.county = county;
    return spec;
}

class JobTest : public testsupport::FrontEndTest {
protected:
    void SetUp() override {
        FrontEndTest::SetUp();
        frontend::Libraries() = {vornak2::DisplayV2, vornak::Display, vornak2::DisplayV2Unpacked,
                                 vornak::DisplayUnpacked};
        ASSERT_TRUE(platform::MakeDirectory(in_));
    }
    std::string County(const char* county, char edition = 'c') {
        return countygen::WriteCounty(Spec(edition, county), in_).type1Path;
    }
    // GO into `out` (made here), organised by county.
    static std::string Go(const std::string& out) {
        EXPECT_TRUE(platform::MakeDirectory(out));
        return "ok\nset 31 " + out + "\nok\n";
    }
    size_t Polygons(const std::string& path) const {
        return testsupport::ReadKmlPolygons(testsupport::ReadFile(dir_ / path)).at(0).polygons.size();
    }
    void ExpectFinished(const std::string& log) const {
        EXPECT_HAS(testsupport::ReadFile(dir_ / log), "Process ended on ");
        EXPECT_LACKS(testsupport::ReadFile(dir_ / log), "ERROR");
    }

    std::string in_ = dir_ / "in";
};

TEST_F(JobTest, TwoTiger2000CountiesThenOneBesideA2005County) {
    // "TIGER 2000" remembered; County 90, All TIGER Polygons and Tracts 2000
    // for both ("Use these options for all").
    const std::string a = County("901", '6'), b = County("903", '6'), c = County("905");
    RunSession("press 11\n" + a + " " + b + "\ncheck 24\nok\ncheck 108\ncheck 138\ncheck 139\ncheck 300\nok\n" +
               Go(dir_ / "two"));
    EXPECT_EQ(exitStatus_, 0);
    for (const std::string base : {"TGR25901", "TGR25903"}) {
        SCOPED_TRACE(base);
        ExpectFinished("two/" + base + ".log");
        EXPECT_EQ(Polygons("two/" + base + "/" + base + "cty.kml"), 1u);
        EXPECT_EQ(Polygons("two/" + base + "/" + base + "trt00.kml"), 2u);
        EXPECT_EQ(Polygons("two/" + base + "/" + base + "all.kml"), 24u * 4u);  // one per cell
    }

    // TIGER 2000 (Tracts 2000), then the 2005 editions (County Current): one
    // job, each county through its own library.
    const std::string output = RunSession("press 11\n" + a + " " + c + "\ncheck 24\nuncheck 40\nok\ncheck 139\nok\n" +
                                          "check 30\nok\ncheck 109\nok\n" + Go(dir_ / "mixed"));
    EXPECT_EQ(exitStatus_, 0);
    EXPECT_HAS(output, "Organize by Theme and Merge  - For each layer create a single shape (disabled)");
    ExpectFinished("mixed/TGR25901.log");
    ExpectFinished("mixed/TGR25905.log");
    EXPECT_EQ(Polygons("mixed/TGR25901/TGR25901trt00.kml"), 2u);
    EXPECT_EQ(Polygons("mixed/TGR25905/TGR25905ctycu.kml"), 1u);
    EXPECT_TRUE(platform::FileExists(dir_ / "mixed/TGR25905.met"));
}

TEST_F(JobTest, FailedCountiesAreNamedWithTheirLogsAndFailTheRun) {
    // A TIGER 2000 county with a damaged type 1 file, a 2005 county without
    // its type I file, and a sound 2005 county.
    const std::string a = County("901", '6'), b = County("903"), c = County("905");
    testsupport::WriteFile(a, "not a record\r\n");
    ASSERT_TRUE(platform::RemoveFile(countygen::CountyFilePath(Spec('c', "903"), in_, "rti")));
    const std::string out = dir_ / "out";
    const std::string output = RunSession("press 11\n" + a + " " + b + " " + c +
                                          "\ncheck 24\nuncheck 40\nok\ncheck 108\nok\n"
                                          "check 30\nok\ncheck 109\ncheck 300\nok\n" + Go(out));
    EXPECT_EQ(exitStatus_, 1);
    EXPECT_HAS(output, "[pellard] County " + a + " failed; see its log " + out + "/TGR25901.log\n");
    EXPECT_HAS(output, "[pellard] County " + b + " failed; see its log " + out + "/TGR25903.log\n");
    EXPECT_EQ(testsupport::CountOf(output, "[pellard]"), 2);
    // The logs say why in their own words; the sound county is converted.
    EXPECT_HAS(testsupport::ReadFile(out + "/TGR25901.log"), "ERROR in type 1 record 1: ");
    EXPECT_HAS(testsupport::ReadFile(out + "/TGR25903.log"),
               "Could not open Type i file. Processing for this county will terminate\n");
    EXPECT_EQ(Polygons("out/TGR25905/TGR25905ctycu.kml"), 1u);
}

// A 2005 county and a TIGER 2000 county on one Add line take the edition
// chosen for the first ("Use this option for all cases" is ticked): the 2005
// county, its type I records of the 2002-2006 length, fails before anything
// is written (its folder goes again) and says why.
TEST_F(JobTest, A2005CountyTakenAsTiger2000Fails) {
    const std::string later = County("901"), older = County("903", '6'), out = dir_ / "out";
    const std::string output =
        RunSession("press 11\n" + later + " " + older + "\ncheck 24\nok\ncheck 109\ncheck 300\nok\n" + Go(out));
    EXPECT_EQ(exitStatus_, 1);
    const std::string edition = "Edition chosen: TIGER 2000. The county's type I records are 127 characters long, "
                                "as in TIGER 2002 to TIGER 2006 Second Edition: its record files are of 2002-2006 "
                                "(Choose Type buttons 27 to 31; the title of its .met file tells which)\n";
    EXPECT_HAS(output, "[pellard] County " + later + " failed; see its log " + out + "/TGR25901.log\n" + edition);
    EXPECT_EQ(testsupport::CountOf(output, "[pellard]"), 1);
    EXPECT_HAS(testsupport::ReadFile(out + "/TGR25901.log"),
               "\nTIGER 2000\ndirectory " + out + "/TGR25901 created\n" + edition + "Finished\n");
    EXPECT_FALSE(testsupport::Exists(out + "/TGR25901"));
    ExpectFinished("out/TGR25903.log");
    EXPECT_EQ(Polygons("out/TGR25903/TGR25903cty00.kml"), 1u);
}

// A TIGER 2000 county taken as of the 2005 editions fails on its type I
// records before it starts, and the box names the edition chosen and the
// one its VERSION gives under the failure; taken
// again as TIGER 2000 with a damaged record, the box has only the lines of
// that run.
TEST_F(JobTest, ATiger2000CountyTakenAs2005IsToldInTheBox) {
    const std::string county = County("901", '6'), out = dir_ / "out";
    std::string output = RunSession("press 11\n" + county + "\ncheck 30\nok\ncheck 109\nok\n" + Go(out));
    EXPECT_EQ(exitStatus_, 1);
    EXPECT_HAS(output, "[pellard] County " + county + " failed; see its log " + out +
                           "/TGR25901.log\nEdition chosen: TIGER 2004 2nd edition/2005 1st or 2nd edition. The "
                           "county's type I records are 52 characters long, as in TIGER 94 to TIGER 2000 CD108: its "
                           "record files are of 1994-2000, and VERSION 0401 of the county's type 1 file lies in the "
                           "range the README gives TIGER 2000, 0301 to 0801 (Choose Type button 24, edition "
                           "character '6')\n");

    testsupport::WriteFile(county, "not a record\r\n");
    output = RunSession("press 11\n" + county + "\ncheck 24\nok\ncheck 108\nok\nok\nset 31 " + out + "\nok\n");
    EXPECT_EQ(exitStatus_, 1);
    EXPECT_HAS(output, "[pellard] County " + county + " failed; see its log " + out + "/TGR25901.log\n");
    EXPECT_LACKS(output, "Edition chosen");
}

// tgr25901.zip holds TGR25901.RT1 ...: the outputs and the log are named
// after the archive whether pellard unpacks it or a library is given it,
// and the folder it was unpacked into goes once empty.
TEST_F(JobTest, ZippedCountyIsNamedAfterItsArchiveOnBothRoutes) {
    struct Route {
        char edition;
        const char* chooseType;
        std::string options;  // County 90 / County 2000 and County Current, as GO passes them
        CountyEntry direct;
    };
    const Route routes[] = {{'6', "24", std::string(8, '0') + "11" + std::string(43, '0') + "600", vornak::Display},
                            {'c', "30", std::string(8, '0') + "11" + std::string(43, '0') + "c" + std::string(32, '0'),
                             vornak2::DisplayV2}};
    for (const Route& route : routes) {
        SCOPED_TRACE(route.edition);
        const std::string folder = dir_ / std::string(1, route.edition), county = folder + "/county";
        for (const std::string& f : {folder, county, folder + "/direct"}) ASSERT_TRUE(platform::MakeDirectory(f));
        countygen::WriteCounty(Spec(route.edition, "901"), county);
        std::vector<testsupport::ZipMember> members;
        for (const std::string& name : platform::ListDirectory(county))
            members.push_back({name, testsupport::ReadFile(county + "/" + name)});
        testsupport::MakeZip(folder + "/tgr25901.zip", members);

        RunSession("press 11\n" + folder + "/tgr25901.zip\ncheck " + route.chooseType +
                   "\nuncheck 40\nok\ncheck 108\ncheck 109\nok\n" + Go(folder + "/front"));
        EXPECT_EQ(exitStatus_, 0);
        EXPECT_EQ(route.direct((folder + "/tgr25901.zip").c_str(), (folder + "/direct").c_str(),
                               route.options.c_str(), 1, 1),
                  0);
        // The same names on both routes, and the same documents.
        for (const char* side : {"/front/", "/direct/"}) {
            EXPECT_TRUE(platform::FileExists(folder + side + "tgr25901.log"));
            EXPECT_FALSE(testsupport::Exists(folder + side + "unzipped"));
        }
        const std::vector<std::string> names = platform::ListDirectory(folder + "/front/tgr25901");
        EXPECT_EQ(names, platform::ListDirectory(folder + "/direct/tgr25901"));
        EXPECT_GE(names.size(), 3u);  // the two documents and date.txt
        for (const std::string& name : names) {
            if (name.find(".kml") == std::string::npos) continue;
            EXPECT_EQ(testsupport::ReadFile(folder + "/front/tgr25901/" + name),
                      testsupport::ReadFile(folder + "/direct/tgr25901/" + name));
        }
    }
}

// One county twice in a merged job, by its type 1 file and zipped under
// another name: the layer holds it once, and the second says so; a later
// job of another edition into that folder fails.
TEST_F(JobTest, TheSameCountyTwiceIsMergedOnce) {
    const std::string county = County("905");
    std::vector<testsupport::ZipMember> members;
    for (const std::string& name : platform::ListDirectory(in_))
        members.push_back({platform::ToLower(name), testsupport::ReadFile(in_ + "/" + name)});
    testsupport::MakeZip(dir_ / "copy.zip", members);
    const std::string out = dir_ / "out";
    ASSERT_TRUE(platform::MakeDirectory(out));
    RunSession("press 11\n" + county + " " + dir_ / "copy.zip" + "\ncheck 30\nok\ncheck 109\ncheck 300\nok\n"
               "ok\nset 31 " + out + "\ncheck 24\nok\n");
    EXPECT_EQ(exitStatus_, 0);
    EXPECT_EQ(testsupport::ReadKmlPolygons(testsupport::ReadFile(out + "/county/ctycu.kml")).size(), 1u);
    EXPECT_HAS(testsupport::ReadFile(out + "/copy.log"),
               "copy (county 25905, VERSION 1105, edition c) is already in every merged file asked for (2) of the "
               "merged layers of " + out + ": it is not added again\n");
    // A later job of another edition into the folder is refused.
    const std::string older = County("903", '6');
    RunSession("press 11\n" + older + "\ncheck 24\nok\ncheck 108\nok\nok\nset 31 " + out + "\ncheck 24\nok\n");
    EXPECT_EQ(exitStatus_, 1);
    EXPECT_HAS(testsupport::ReadFile(out + "/TGR25903.log"),
               "The merged layers of " + out + " hold counties of TIGER 2004 2nd edition/2005 1st or 2nd edition "
               "(edition c); TGR25903 is converted as TIGER 2000 (edition 6): ");
    EXPECT_FALSE(platform::IsDirectory(out + "/county90"));
}

TEST(CommandLineTest, HelpAndUnknownArguments) {
    for (const char* argument : {"--help", "-h", "--verbose"}) {
        std::istringstream in("press 11\n");
        std::ostringstream out, err;
        const bool help = argument[2] != 'v';
        EXPECT_EQ(frontend::RunCommandLine({argument}, in, out, err), help ? 0 : 2);
        EXPECT_EQ(out.str(), help ? frontend::UsageText() : "");
        EXPECT_EQ(err.str(), help ? "" : "pellard: unknown argument --verbose (pellard --help tells how to drive it)\n");
    }
    for (const char* part : {"\n  ok ", "\n  escape | close ", "\n  press ID ", "\n  check ID | uncheck ID ",
                             "\n  set ID TEXT ", "\n  select ID N ", "\n  press 11 ", "set 31 OUTPUT_DIR",
                             "goes in double quotes (\"/data/my county/TGR25025.RT1\")", "log is OUTPUT_DIR/<name>.log"})
        EXPECT_HAS(frontend::UsageText(), part);
}

}  // namespace
