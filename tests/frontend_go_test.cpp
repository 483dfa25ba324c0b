// GO: the options strings and the other arguments each library receives,
// the editions' routing, archives unpacked into "unzipped" and cleaned up,
// and the ends of a run.
#include "conv1/display.h"
#include "conv2/display.h"
#include "frontend/conversion_run.h"
#include "frontend/folder_checks.h"
#include "frontend/job_globals.h"
#include "frontend/layer_options_dialog.h"
#include "frontend/layer_options_v2_dialog.h"
#include "frontend/library_entries.h"
#include "platform/files.h"
#include "support/commands.h"
#include "support/frontend_session.h"
#include "support/option_strings.h"
#include "support/real_county.h"
#include "support/text_checks.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using testsupport::CountOf;
using testsupport::OptionsString;
using testsupport::Range;
using testsupport::operator+;
using testsupport::RecordedCall;
using testsupport::RecordedCalls;

class GoTest : public testsupport::FrontEndTest {
protected:
    std::string MakeOut() {
        std::string out = dir_ / "out";
        ::mkdir(out.c_str(), 0755);
        return out;
    }
};

TEST_F(GoTest, MixedEditionsReachTheirLibrariesWithTheOutputChoices) {
    std::string a = File("a.rt1"), b = File("b.rt1"), out = MakeOut();
    // A 2002 entry with "County 2000" and "Clip Major Water Polygons", a
    // TIGER 2000 entry with "County 90"; then GO with organisation index 2
    // and push pins.
    std::string output = RunSession("press 11\n" + a + "\ncheck 27\nuncheck 40\nok\ncheck 108\ncheck 180\nok\n"
                                    "press 11\n" + b + "\ncheck 24\nok\ncheck 108\nok\n"
                                    "ok\ncheck 24\nset 31 " + out + "\ncheck 23\ncheck 40\nok\n");
    EXPECT_NE(output.find("control 24 is not available"), std::string::npos);
    ASSERT_EQ(RecordedCalls().size(), 2u);
    const RecordedCall& first = RecordedCalls()[0];
    EXPECT_EQ(first.library, "DisplayV2");
    EXPECT_EQ(first.inputPath, a);
    EXPECT_EQ(first.outputDir, out);
    EXPECT_EQ(first.options, OptionsString(86, {8, 80, 81}, {{53, '9'}, {79, '2'}}));
    EXPECT_EQ(first.countyNumber, 1);
    EXPECT_EQ(first.countyCount, 2);
    const RecordedCall& second = RecordedCalls()[1];
    EXPECT_EQ(second.library, "Display");
    EXPECT_EQ(second.inputPath, b);
    EXPECT_EQ(second.outputDir, out);
    EXPECT_EQ(second.options, OptionsString(56, {8, 51}, {{53, '6'}, {50, '2'}}));
    EXPECT_EQ(second.countyNumber, 2);
    EXPECT_EQ(second.countyCount, 2);
    // GO made the output directory current.
    EXPECT_EQ(frontend::CurrentDirectory(), out);
}

// The enabled and shown layer boxes of a dialog of edition `code`.
template <typename Dlg>
std::vector<int> OfferedLayerBoxes(int code, const options::OptionsFamily& family) {
    frontend::ResetJobGlobals();
    frontend::gCurrentEdition = code;
    Dlg dialog;
    std::istringstream none;
    std::ostringstream drawn;
    dialog.DoModal(none, drawn);
    std::vector<int> boxes;
    for (const options::OptionPosition& row : family) {
        const platform::Control* box = row.IsLayerBox() ? dialog.GetDlgItem(row.control) : nullptr;
        if (box && box->enabled && box->visible) boxes.push_back(row.control);
    }
    return boxes;
}

// Each layer box of every edition, ticked alone, reaches the library as its
// position and no other layer position.
TEST_F(GoTest, EachLayerBoxReachesItsPosition) {
    for (int code : {94, 95, 97, 98, 99, 100, 101, 102, 103, 104, 105, 106, 107, 108}) {
        const options::OptionsFamily& family = code >= 104 ? options::kLaterOptions : options::kOlderOptions;
        const std::string input = File(code == 94 ? "a.f61" : code == 95 ? "a.bw1" : "a.rt1");
        const std::string type = code >= 97 ? "check " + std::to_string(20 + code - 97) + "\nok\n" : "";
        for (int box : code >= 104 ? OfferedLayerBoxes<frontend::CLayerOptionsV2Dlg>(code, family)
                                   : OfferedLayerBoxes<frontend::CLayerOptionsDlg>(code, family)) {
            SCOPED_TRACE("edition " + std::to_string(code) + ", box " + std::to_string(box));
            RecordedCalls().clear();
            RunSession("press 11\n" + input + "\n" + type + "check " + std::to_string(box) + "\nok\nok\nok\n");
            ASSERT_EQ(RecordedCalls().size(), 1u);
            const std::string& options = RecordedCalls()[0].options;
            for (size_t p = 0; p < family.length; ++p) {
                if (p != family.edition && p != family.organisation && p != family.clipWater && p != family.pushPins) {
                    EXPECT_EQ(options.at(p) != '0', static_cast<int>(p) == family.RowOfControl(box)->index) << p;
                }
            }
        }
    }
}

TEST_F(GoTest, SameEditionsMayMergeAndEachEntryKnowsItsPlace) {
    std::string a = File("a.rt1"), b = File("b.rt1"), c = File("c.rt1");
    // Three 2003 entries with "Set for All" from the first.
    RunSession("press 11\n" + a + " " + b + " " + c + "\ncheck 28\nok\npress 301\nok\nok\ncheck 24\nok\n");
    ASSERT_EQ(RecordedCalls().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(RecordedCalls()[i].countyNumber, i + 1);
        EXPECT_EQ(RecordedCalls()[i].countyCount, 3);
        // Select All of 2003: 8-52 (48, 50 and 52 from the economic boxes),
        // 54-77 and clip water; organisation '3' from GO.
        EXPECT_EQ(RecordedCalls()[i].options, OptionsString(86, Range(8, 52) + Range(54, 77) + std::set<int>{80},
                                                            {{53, 'a'}, {79, '3'}}));
    }
    EXPECT_EQ(RecordedCalls()[1].inputPath, b);
    EXPECT_EQ(frontend::gOutputParentDir, dir_.path());  // the input folder, as offered
}

TEST_F(GoTest, EntriesWithoutLayers) {
    std::string a = File("a.f61"), b = File("b.rt1");
    // The .f61 entry is left by Escape (no layer, '0' at 53): no call. The
    // 2002 entry left by Escape keeps its edition and still goes to DisplayV2.
    RunSession("press 11\n" + a + "\nescape\npress 11\n" + b + "\ncheck 27\nok\nescape\nok\nok\n");
    ASSERT_EQ(RecordedCalls().size(), 1u);
    EXPECT_EQ(RecordedCalls()[0].library, "DisplayV2");
    EXPECT_EQ(RecordedCalls()[0].options, OptionsString(86, {}, {{53, '9'}}));
    EXPECT_EQ(RecordedCalls()[0].countyNumber, 2);
}

TEST_F(GoTest, EmptyJobListEndsAfterTheOutputOptions) {
    // The folder offered is empty (no input gave one): OK wants a real one.
    std::string output = RunSession("ok\nok\nset 31 " + dir_.path() + "\nok\nthis line is never read\n");
    EXPECT_NE(output.find("=== QUORVEX Output Options ==="), std::string::npos);
    EXPECT_NE(output.find("[pellard] The Output Directory  does not exist\n"), std::string::npos);
    EXPECT_EQ(output.find("unknown command"), std::string::npos);
    EXPECT_TRUE(RecordedCalls().empty());
}

TEST_F(GoTest, ClosingTheOutputOptionsKeepsTheJobList) {
    std::string a = File("a.bw1"), out = MakeOut();
    std::string output = RunSession("press 11\n" + a + "\ncheck 108\nok\nok\nset 31 " + out +
                                    "\ncheck 40\nclose\nshow\nok\nok\n");
    ASSERT_EQ(RecordedCalls().size(), 1u);
    // The second GO offers the stored folder again, the other choices anew.
    EXPECT_EQ(RecordedCalls()[0].outputDir, out);
    EXPECT_EQ(RecordedCalls()[0].options, OptionsString(56, {8}, {{53, '1'}, {50, '0'}, {51, '0'}}));
    EXPECT_NE(output.find("      * 0: " + a), std::string::npos);

    // A script that ends in the output options converts nothing.
    RecordedCalls().clear();
    RunSession("press 11\n" + a + "\ncheck 108\nok\nok\n");
    EXPECT_TRUE(RecordedCalls().empty());
}

TEST_F(GoTest, NumericAddressRangesTurnALineFlagIntoTwo) {
    frontend::gAddressRangesAsNumbers = 1;
    frontend::gOutputOrganisation = 1;
    frontend::gCreatePushPins = 1;
    std::string older = frontend::OptionsForCall(OptionsString(56, {0, 8}, {{53, '6'}}), false);
    EXPECT_EQ(older, OptionsString(56, {8, 51}, {{0, '2'}, {50, '1'}, {53, '6'}}));
    std::string later = frontend::OptionsForCall(OptionsString(86, {0}, {{53, 'd'}}), true);
    EXPECT_EQ(later, OptionsString(86, {81}, {{0, '2'}, {53, 'd'}, {79, '1'}}));
    frontend::gAddressRangesAsNumbers = 0;
    EXPECT_EQ(frontend::OptionsForCall(OptionsString(56, {0}, {}), false)[0], '1');
    // A short string is filled up to its full length.
    EXPECT_EQ(frontend::OptionsForCall("", true).size(), 86u);
    EXPECT_FALSE(frontend::AsksForAnyOlderLayer(OptionsString(56, {54}, {{50, '3'}, {53, '6'}})));
    EXPECT_TRUE(frontend::AsksForAnyOlderLayer(OptionsString(56, {49}, {})));
}

TEST_F(GoTest, ArchiveIsUnpackedUnderItsOwnNamesAndCleanedUp) {
    ::mkdir((dir_ / "data").c_str(), 0755);
    std::string archive = dir_ / "data/c01001.zip";
    testsupport::MakeZip(archive, {{"TGR01001.RT1", "1"},
                                   {"TGR01001.RT2", "2"},
                                   {"TGR01001.MET", "m"},
                                   {"TGR01001.BW2", "b"},
                                   {"readme.txt", "r"}});
    std::string out = MakeOut();
    ::mkdir((out + "/unzipped").c_str(), 0755);
    testsupport::WriteFile(out + "/unzipped/other.rt1", "not from this archive");

    RunSession("press 11\n" + archive + "\ncheck 30\nok\ncheck 109\nok\nok\nset 31 " + out + "\nok\n");
    ASSERT_EQ(RecordedCalls().size(), 1u);
    const RecordedCall& call = RecordedCalls()[0];
    // The county goes with its archive, after which its outputs are named.
    EXPECT_EQ(call.library, "DisplayV2Unpacked");
    EXPECT_EQ(call.archivePath, archive);
    EXPECT_EQ(call.inputPath, out + "/unzipped/TGR01001.RT1");
    EXPECT_TRUE(call.inputExisted);
    EXPECT_EQ(call.unzippedFiles,
              (std::vector<std::string>{"TGR01001.MET", "TGR01001.RT1", "TGR01001.RT2", "other.rt1"}));
    EXPECT_EQ(call.options, OptionsString(86, {9}, {{53, 'c'}}));
    // Exactly what was unpacked is gone again; the folder stays.
    EXPECT_EQ(platform::ListDirectory(out + "/unzipped"), std::vector<std::string>{"other.rt1"});
    EXPECT_TRUE(platform::FileExists(archive));
}

TEST_F(GoTest, OlderArchiveKindsAndArchivesThatChangedSinceAdd) {
    testsupport::MakeZip(dir_ / "bw.zip", {{"county/tgr02013.bw1", "1"}, {"county/tgr02013.bw2", "2"}});
    testsupport::MakeZip(dir_ / "gone.zip", {{"TGR01001.RT1", "1"}});
    testsupport::MakeZip(dir_ / "broken.zip", {{"TGR01003.RT1", "1"}});
    testsupport::MakeZip(dir_ / "f6.zip", {{"x.F61", "1"}, {"x.f62", "2"}});
    std::string out = MakeOut();
    // Between Add and GO one archive loses its county and one is damaged:
    // after Add the script runs a layer dialog "ok" per archive, and the
    // recorder of the first call changes the two archives.
    static std::string gone, broken;
    gone = dir_ / "gone.zip";
    broken = dir_ / "broken.zip";
    frontend::Libraries().displayUnpacked = [](const char* inputPath, const char* outputDir, const char* options,
                                               int n, int count, const char* archivePath) {
        if (n == 1) {
            testsupport::MakeZip(gone, {{"readme.txt", "r"}});
            testsupport::WriteFile(broken, "damaged");
        }
        return testsupport::RecordingEntries().displayUnpacked(inputPath, outputDir, options, n, count, archivePath);
    };
    std::string output = RunSession("press 11\n" + (dir_ / "bw.zip") + " " + gone + " " + broken + " " +
                                    (dir_ / "f6.zip") + "\ncheck 108\nok\ncheck 27\nok\ncheck 108\nok\ncheck "
                                    "108\nok\ncheck 108\nok\nok\nset 31 " + out + "\nok\n");
    ASSERT_EQ(RecordedCalls().size(), 2u);
    EXPECT_EQ(RecordedCalls()[0].inputPath, out + "/unzipped/tgr02013.bw1");
    EXPECT_EQ(RecordedCalls()[0].options.substr(53, 1), "1");
    EXPECT_EQ(RecordedCalls()[1].inputPath, out + "/unzipped/x.F61");
    EXPECT_EQ(RecordedCalls()[1].countyNumber, 4);
    EXPECT_NE(output.find("[pellard] Could not read zip archive " + broken + "\n"), std::string::npos);
    EXPECT_NE(output.find("[pellard] Zip archive " + gone + " does not contain TIGER files; it is not converted\n"),
              std::string::npos);
    EXPECT_EQ(CountOf(output, "[pellard]"), 2);
    EXPECT_EQ(exitStatus_, 1);
    EXPECT_TRUE(platform::ListDirectory(out + "/unzipped").empty());
}

TEST_F(GoTest, AnOutputDirectoryThatDisappearsSkipsTheCounty) {
    std::string a = File("a.bw1"), b = File("b.bw1"), out = MakeOut();
    static std::string outDir;
    outDir = out;
    frontend::Libraries().display = [](const char* inputPath, const char* outputDir, const char* options, int n,
                                       int count) {
        ::rmdir(outDir.c_str());
        return testsupport::RecordingEntries().display(inputPath, outputDir, options, n, count);
    };
    std::string output =
        RunSession("press 11\n" + a + " " + b + "\ncheck 108\nok\ncheck 108\nok\nok\nset 31 " + out + "\nok\n");
    ASSERT_EQ(RecordedCalls().size(), 1u);
    EXPECT_NE(output.find("[pellard] Could not change to the Output Directory " + out + "; " + b +
                          " is not converted\n"),
              std::string::npos);
    EXPECT_EQ(exitStatus_, 1);
}

TEST_F(GoTest, OlderEditionsEntryWritesItsLogAndFolder) {
    std::string out = MakeOut();
    std::string options = OptionsString(56, {8}, {{50, '0'}, {53, '6'}});
    // No such county: its log and folder all the same, and a failure.
    EXPECT_EQ(vornak::Display((dir_ / "TGR01001.RT1").c_str(), (out + "/").c_str(), options.c_str(), 1, 1), 1);
    std::string log = testsupport::ReadFile(out + "/TGR01001.log");
    EXPECT_EQ(log.rfind("New Process started on ", 0), 0u);
    EXPECT_NE(log.find("\nTIGER 2000\ndirectory " + out + "/TGR01001 created\n"), std::string::npos) << log;
    EXPECT_NE(log.find("\nFinished\nProcess ended on "), std::string::npos) << log;
    EXPECT_EQ(log.substr(log.size() - 3), "\n\n\n");
    EXPECT_TRUE(platform::IsDirectory(out + "/TGR01001"));

    options[50] = '1';
    vornak::Display((dir_ / "TGR01003.RT1").c_str(), out.c_str(), options.c_str(), 1, 1);
    EXPECT_TRUE(platform::IsDirectory(out + "/tigershapes"));
    options[50] = '2';
    vornak::Display((dir_ / "TGR01005.RT1").c_str(), out.c_str(), options.c_str(), 1, 1);
    EXPECT_FALSE(platform::IsDirectory(out + "/TGR01005"));
    EXPECT_TRUE(platform::FileExists(out + "/TGR01005.log"));
}

TEST_F(GoTest, RealCountyThroughTheDialogs) {
    std::string archive = testsupport::RealCountyArchive();
    if (archive.empty()) GTEST_SKIP() << testsupport::kNoRealCounty;
    frontend::Libraries().displayV2Unpacked = vornak2::DisplayV2Unpacked;
    std::string out = MakeOut();
    // TIGER 2005 (index 10), County Current and Place Current, by county.
    RunSession("press 11\n" + archive + "\ncheck 30\nok\ncheck 109\ncheck 139\nok\nok\nset 31 " + out + "\nok\n");
    EXPECT_EQ(exitStatus_, 0);
    // Named after the archive, tgr25025.zip, as a call with the archive is.
    std::string log = testsupport::ReadFile(out + "/tgr25025.log");
    EXPECT_EQ(log.rfind("New Process started on ", 0), 0u) << log;
    EXPECT_NE(log.find("Process ended on "), std::string::npos);
    EXPECT_TRUE(platform::IsDirectory(out + "/tgr25025"));
    // The metadata came out of the archive with the record files.
    std::string met = testsupport::ReadFile(out + "/tgr25025.met");
    EXPECT_GT(CountOf(met, "\r\n"), 270);
    EXPECT_TRUE(platform::ListDirectory(out + "/unzipped").empty());

    // The two layers asked for came out as KML: one county polygon, and
    // GDAL reads the county document back.
    std::string county = out + "/tgr25025/tgr25025ctycu.kml";
    EXPECT_EQ(CountOf(testsupport::ReadFile(county), "<Placemark"), 1);
    EXPECT_GE(CountOf(testsupport::ReadFile(out + "/tgr25025/tgr25025placecu.kml"), "<Placemark"), 1);
    if (!testsupport::HaveOgrinfo()) GTEST_SKIP() << testsupport::kNoOgrinfo;
    std::string listing = out + "/ogrinfo.txt";
    ASSERT_EQ(std::system(("ogrinfo -ro -al -so '" + county + "' > '" + listing + "' 2>&1").c_str()), 0);
    EXPECT_NE(testsupport::ReadFile(listing).find("Feature Count: 1"), std::string::npos);
}

}  // namespace
