// convert_county: the options strings --options makes and the settings it
// refuses (the edition's position, an organisation given bare or out of
// '0' to '3'); the inputs it refuses before anything is made; the line that
// names a county that failed with the first failure line its run logged; a
// county run twice into a merged folder.
#include "command_line.h"
#include "county_log.h"
#include "county_writer.h"
#include "options_help.h"
#include "platform/files.h"
#include "support/fault_job.h"
#include "support/county_files.h"
#include "support/kml_polygons.h"
#include "support/option_strings.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(ConvertCountyOptions, MakesStringsAndRefusesTheEditionAndABareOrganisation) {
    using testsupport::OptionsString;
    const std::string refused[][3] = {{"c", "53", "position 53 holds the edition, which EDITION gives: 53"},
                                      {"6", "53=c", "position 53 holds the edition, which EDITION gives: 53=c"},
                                      {"c", "79", "position 79 takes the organisation character (79=0 to 79=3): 79"},
                                      {"6", "50", "position 50 takes the organisation character (50=0 to 50=3): 50"},
                                      {"c", "79=7", "position 79 takes the organisation character (79=0 to 79=3): 79=7"},
                                      {"6", "50=x", "position 50 takes the organisation character (50=0 to 50=3): 50=x"}};
    for (const auto& r : refused) {
        std::string options, error;
        EXPECT_FALSE(convertcounty::MakeOptions(r[0][0], {"8", r[1]}, options, error));
        EXPECT_EQ(error, r[2]);
    }
    std::string later, older, error;
    ASSERT_TRUE(convertcounty::MakeOptions('c', {"0", "79=2", "81"}, later, error));
    ASSERT_TRUE(convertcounty::MakeOptions('6', {"0=2", "50=1", "8"}, older, error));
    EXPECT_EQ(later, OptionsString(86, {0, 81}, {{53, 'c'}, {79, '2'}}));
    EXPECT_EQ(older, OptionsString(56, {8}, {{0, '2'}, {50, '1'}, {53, '6'}}));
    EXPECT_HAS(convertcounty::UsageText(), "Every position listed below is a flag (any character but '0' sets\nit)");
}

TEST(ConvertCountyOptions, TheFirstFailureLineOfARun) {
    const std::string start = "New Process started on 12/9 at 23:27\nTIGER 2000\n",
                      end = "Process ended on 12/9 at 23:27\n\n\n";
    const std::string logs[][2] = {
        {start + "directory o/TGR25901 created\nSecond Edition TIGER 2004\nf1/TGR25901.rt2\n"
                 "Could not open Type 2 file. Processing for this county will terminate\n" + end,
         "Could not open Type 2 file. Processing for this county will terminate"},
        {start + "Wrote 11 Type A nodes to shape o/a \r\n"
                 "Could not open Type 7 file. No Landmark Points will be created\n"
                 "There are no County current records\n\nthe number of county border lines exceeds the count\n"
                 "ERROR in type 5 record 1: the field in columns 7-14 is not a number\nFinished\n" + end,
         "the number of county border lines exceeds the count"},
        {start + "directory o/a not created\nAll TAZs for this county coincide with water polygons\n" + end, ""},
    };
    for (const auto& log : logs) {
        std::vector<std::string> lines;
        std::istringstream text(log[0]);
        for (std::string line; std::getline(text, line);) lines.push_back(line);
        EXPECT_EQ(convertcounty::FirstFailureLine(lines), log[1]) << log[0];
    }
}

TEST(ConvertCountyOptions, RefusesBeforeMakingAnythingAndNamesAFailedCounty) {
    testsupport::TempDir dir;
    const std::string out = dir / "out", options = testsupport::OptionsString(86, {0}, {{53, 'c'}}),
                      missing = " does not exist or is no file\n";
    ASSERT_TRUE(platform::MakeDirectory(out));
    testsupport::WriteFile(dir / "TGR25901.RT1", "x\n");  // found by any case, refused by the library
    testsupport::WriteFile(dir / "TGR25901.RTA", "x\n");
    for (const char* lone : {"TGR25901.MET", "lone.RT2", "lone.bw5", "lone.Met"}) testsupport::WriteFile(dir / lone, "x\n");
    const std::string notTypeOne = " is not a type 1 record file; ", noneBeside = "no type 1 file of its county lies beside it\n";
    testsupport::WriteFile(out + "/tgr25901.log", "New Process started on 1/2 at 3:04\nTIGER 2003\nERROR earlier\n");
    struct Run {
        std::vector<std::string> args;
        int status;
        std::string said;
    };
    const Run runs[] = {
        {{"--options", "c", "0", "79=7"}, 2,
         "convert_county: position 79 takes the organisation character (79=0 to 79=3): 79=7\n"},
        {{dir / "TGR25901.RT1", out, options.substr(0, 79) + "7" + options.substr(80)}, 2,
         "convert_county: '7' at position 79 is no organisation ('0' to '3')\n"},
        {{dir / "TGR25901.RT1", out + "/tgr25901.log", options}, 2,
         "convert_county: the output folder " + out + "/tgr25901.log does not exist or is no folder\n"},
        {{dir / "none.RT1", out, options}, 2, "convert_county: the input " + dir / "none.RT1" + missing},
        {{dir / "none.zip", out, options}, 2, "convert_county: the input " + dir / "none.zip" + missing},
        {{dir / "tgr25901.rta", out, options}, 2,
         "convert_county: the input " + dir / "tgr25901.rta" +
             " is not a type 1 record file; give the county's type 1 file " + dir / "TGR25901.RT1" + "\n"},
        // The county's .met, and other record files whatever lies beside them.
        {{dir / "tgr25901.met", out, options}, 2,
         "convert_county: the input " + dir / "tgr25901.met" + notTypeOne + "give the county's type 1 file " +
             dir / "TGR25901.RT1" + "\n"},
        {{dir / "lone.RT2", out, options}, 2, "convert_county: the input " + dir / "lone.RT2" + notTypeOne + noneBeside},
        {{dir / "lone.bw5", out, options}, 2, "convert_county: the input " + dir / "lone.bw5" + notTypeOne + noneBeside},
        {{dir / "lone.Met", out, options}, 2, "convert_county: the input " + dir / "lone.Met" + notTypeOne + noneBeside},
        {{dir / "tgr25901.rt1", out + "/", options}, 1,
         "convert_county: tgr25901 failed: see " + out + "/tgr25901.log: ERROR in type 1 record 1: 1 characters "
         "instead of 228\n"},
    };
    for (const Run& run : runs) {
        std::ostringstream said, err;
        EXPECT_EQ(convertcounty::RunCommandLine(run.args, said, err), run.status) << run.args[0];
        EXPECT_EQ(err.str(), run.said);
        if (run.status == 2) {
            EXPECT_EQ(platform::ListDirectory(out), std::vector<std::string>{"tgr25901.log"});
        }
    }
    // A folder this user cannot write (root writes everywhere: the child
    // runs as nobody).
    const std::string shut = dir / "shut";
    ASSERT_TRUE(platform::MakeDirectory(shut));
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755) | ::chmod(shut.c_str(), 0555), 0);
    EXPECT_TRUE(testsupport::HoldsAsNobody([&] {
        std::ostringstream said, err;
        const int status = convertcounty::RunCommandLine({dir / "TGR25901.RT1", shut, options}, said, err);
        return status == 2 && platform::ListDirectory(shut).empty() &&
               err.str() == "convert_county: the output folder " + shut + " cannot be written (Permission denied)\n";
    }));
}

// A county run twice into a merged folder is added once: the second run
// ends converted, its notice no failure; run with one more layer, only that
// layer gains it.
TEST(ConvertCountyOptions, TheSameCountyRunTwiceIsAddedOnce) {
    testsupport::TempDir dir;
    const std::string out = dir / "out";
    ASSERT_TRUE(platform::MakeDirectory(out));
    const std::string input = countygen::WriteCounty(countygen::CountySpec(), dir.path()).type1Path;
    std::string options, oneMore, error;
    ASSERT_TRUE(convertcounty::MakeOptions('c', {"1", "9", "79=3"}, options, error));
    ASSERT_TRUE(convertcounty::MakeOptions('c', {"1", "9", "12", "79=3"}, oneMore, error));
    std::map<std::string, std::string> first;
    for (const std::string& run : {options, options, oneMore}) {
        std::ostringstream said, err;
        EXPECT_EQ(convertcounty::RunCommandLine({input, out, run}, said, err), 0);
        EXPECT_EQ(err.str(), "");
        std::map<std::string, std::string> files = testsupport::FolderFiles(out);
        for (const char* changing : {"TGR25901.log", ".pellard-counties"}) files.erase(changing);
        if (first.empty()) first = files;
        for (const auto& [file, bytes] : first) {
            EXPECT_EQ(files[file], bytes) << file;
            files.erase(file);
        }
        // The layer asked for anew: its folder and a document of the county.
        ASSERT_EQ(files.size(), run == oneMore ? 2u : 0u);
        if (run == oneMore) {
            EXPECT_EQ(testsupport::ReadKmlPolygons(files.rbegin()->second).size(), 1u);
        }
    }
    EXPECT_HAS(testsupport::ReadFile(out + "/TGR25901.log"), ": it is not added again\n");
}

// A county that failed is named with the line of the step that gave up, not
// with a problem logged before that did not stop it (a date.txt that cannot
// be written) nor with what follows (its merged layers put back).
TEST(ConvertCountyOptions, TheLineOfTheStepThatGaveUpIsNamed) {
    testsupport::TempDir dir;
    const std::string out = dir / "out";
    ASSERT_TRUE(platform::MakeDirectory(out));
    const auto [first, second] = testsupport::WriteTwoCounties(dir.path());
    std::string options, error;
    ASSERT_TRUE(convertcounty::MakeOptions('c', {"1", "9", "79=3"}, options, error));
    std::ostringstream said, err;
    ASSERT_EQ(convertcounty::RunCommandLine({first, out, options}, said, err), 0);
    ASSERT_TRUE(platform::RemoveFile(out + "/date.txt") && platform::MakeDirectory(out + "/date.txt"));
    const std::string typeTwo = second.substr(0, second.size() - 1) + "2";
    std::string records = testsupport::ReadFile(typeTwo);
    size_t fourth = 0;
    for (int k = 0; k < 3; ++k) fourth = records.find('\n', fourth) + 1;
    testsupport::WriteFile(typeTwo, records.replace(fourth, records.find('\n', fourth) - fourth, "2110501"));
    EXPECT_EQ(convertcounty::RunCommandLine({second, out, options}, said, err), 1);
    EXPECT_EQ(err.str(), "convert_county: TGR25903 failed: see " + out +
                             "/TGR25903.log: ERROR in type 2 record 4: 7 characters instead of 208\n");
}

// A merged folder holds one edition: a TIGER 2000 county given to the
// folder of a 2005 county is refused before anything is written, and the
// line names both editions; what stands at a journal's path (a text file, a
// folder, a FIFO, a link) is named by the line, not the layer it keeps from
// being continued.
TEST(ConvertCountyOptions, TheLineOfAMergedFolderThatRefusesTheCounty) {
    testsupport::TempDir dir;
    ASSERT_TRUE(platform::MakeDirectory(dir / "older"));
    const auto [first, second] = testsupport::WriteTwoCounties(dir.path());
    const std::string older = testsupport::WriteTwoCounties(dir / "older", '6').second;
    const std::string options = testsupport::Options('c', '3', {9});
    for (const std::string kind : {"edition", "text", "folder", "fifo", "link"}) {
        SCOPED_TRACE(kind);
        const std::string out = dir / kind, journal = out + "/.pellard-change.journal";
        std::ostringstream said, err;
        ASSERT_TRUE(platform::MakeDirectory(out) && convertcounty::RunCommandLine({first, out, options}, said, err) == 0);
        const bool made = kind == "edition" || kind == "text" ? (testsupport::WriteFile(journal, "notes\n"), true)
                          : kind == "folder"                  ? platform::MakeDirectory(journal)
                          : kind == "fifo"                    ? ::mkfifo(journal.c_str(), 0644) == 0
                                                              : ::symlink(out.c_str(), journal.c_str()) == 0;
        ASSERT_TRUE(made && (kind != "edition" || platform::RemoveFile(journal)));
        const bool old = kind == "edition";
        std::map<std::string, std::string> before;
        if (old) before = testsupport::Tree(out);
        EXPECT_EQ(convertcounty::RunCommandLine({old ? older : second, out, old ? testsupport::OldOptions('6', '3', {0}) : options},
                                                said, err),
                  1);
        EXPECT_HAS(err.str(), "/TGR25903.log: " + (old ? "The merged layers of " + out +
                                                             " hold counties of TIGER 2004 2nd edition/2005 1st or 2nd "
                                                             "edition (edition c); TGR25903 is converted as TIGER 2000 "
                                                             "(edition 6): a merged folder holds the counties of one "
                                                             "edition, and TGR25903 is not added to it\n"
                                                       : kind == "link" ? "Refused the symbolic link " + journal
                                                                        : "The file " + journal + " stands where the "
                                                                                                  "journal of the merged layers goes"));
        EXPECT_TRUE(!old || testsupport::Tree(out) == before);
    }
}
