// The job list of pellard driven by scripted sessions: Add with edition
// detection and Choose Type, "Set for All", Delete, Edit, About.
#include "frontend/job_globals.h"
#include "frontend/main_dialog.h"
#include "frontend/open_file_prompt.h"
#include "support/frontend_session.h"
#include "support/option_strings.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

using frontend::CInputListDlg;
using testsupport::CountOf;
using testsupport::OptionsString;
using testsupport::TempDir;

// A main dialog run on a script; the job list stays readable afterwards.
struct Session {
    explicit Session(const std::string& script) : in(script), dialog(in, out) {
        frontend::ResetJobGlobals();
        dialog.DoModal(in, out);
    }
    std::istringstream in;
    std::ostringstream out;
    CInputListDlg dialog;
};

class JobListTest : public testsupport::FrontEndTest {};

TEST_F(JobListTest, FirstRt1AsksTheTypeOnceAndRemembersTheDefault) {
    std::string a = File("a.rt1"), b = File("b.RT1");
    // Choose Type opens on "TIGER 2006 Second Edition" with the box ticked.
    Session s("press 11\n" + a + "\nok\nok\npress 11\n" + b + "\nok\n");
    EXPECT_EQ(CountOf(s.out.str(), "=== Tiger Type ==="), 1);
    EXPECT_NE(s.out.str().find("[31] radio (o) TIGER 2006 Second Edition"), std::string::npos);
    EXPECT_NE(s.out.str().find("[40] check [x] Use this option for all cases"), std::string::npos);
    EXPECT_NE(s.out.str().find("Please choose the version of TIGER you wish to process."), std::string::npos);
    EXPECT_EQ(CountOf(s.out.str(), "=== Options for TIGER 2006 2nd Edition ==="), 2);
    ASSERT_EQ(s.dialog.InputPaths(), (std::vector<std::string>{a, b}));
    EXPECT_EQ(s.dialog.OptionStrings()[0], OptionsString(86, {}, {{53, 'd'}}));
    EXPECT_EQ(s.dialog.OptionStrings()[1], OptionsString(86, {}, {{53, 'd'}}));
    EXPECT_EQ(frontend::gRememberedTypeIndex, 11);
    EXPECT_EQ(frontend::gOutputParentDir, dir_.path());
}

TEST_F(JobListTest, UntickedChoiceAsksAgainAndChooseTypeLeftWithoutOkIsTiger97) {
    std::string a = File("a.rt1"), b = File("b.rt1");
    Session s("press 11\n" + a + " " + b + "\ncheck 28\nuncheck 40\nok\nok\nescape\nok\n");
    EXPECT_NE(s.out.str().find("=== Layer Extraction Options for TIGER 2003 ==="), std::string::npos);
    EXPECT_NE(s.out.str().find("=== Layer Extraction Options for TIGER 97 ==="), std::string::npos);
    ASSERT_EQ(s.dialog.OptionStrings().size(), 2u);
    EXPECT_EQ(s.dialog.OptionStrings()[0], OptionsString(86, {}, {{53, 'a'}}));
    EXPECT_EQ(s.dialog.OptionStrings()[1], OptionsString(56, {}, {{53, '2'}}));
    EXPECT_EQ(frontend::gRememberedTypeIndex, -1);
}

TEST_F(JobListTest, OtherExtensionsAreTakenWithoutAQuestion) {
    std::string bw = File("c.BW1"), f6 = File("d.f61"), dat = File("e.dat");
    Session s("press 11\n" + bw + " " + f6 + " " + dat + "\nok\nok\nok\n");
    EXPECT_EQ(CountOf(s.out.str(), "=== Tiger Type ==="), 0);
    EXPECT_NE(s.out.str().find("=== Layer Extraction Options for TIGER 95 ==="), std::string::npos);
    EXPECT_EQ(CountOf(s.out.str(), "=== Layer Extraction Options for TIGER 94 ==="), 2);
    ASSERT_EQ(s.dialog.OptionStrings().size(), 3u);
    EXPECT_EQ(s.dialog.OptionStrings()[0], OptionsString(56, {}, {{53, '1'}}));
    EXPECT_EQ(s.dialog.OptionStrings()[1], OptionsString(56, {}, {{53, '0'}}));
    EXPECT_EQ(s.dialog.OptionStrings()[2], OptionsString(56, {}, {{53, '0'}}));
}

TEST_F(JobListTest, ArchivesAreClassifiedByWhatTheyHold) {
    testsupport::MakeZip(dir_ / "rt.zip", {{"TGR01001.RT1", "1"}, {"TGR01001.RT2", "2"}});
    testsupport::MakeZip(dir_ / "bw.zip", {{"x/TGR01001.BW1", "1"}});
    testsupport::MakeZip(dir_ / "f6.zip", {{"TGR01001.F61", "1"}, {"TGR01001.F62", "2"}});
    testsupport::MakeZip(dir_ / "none.zip", {{"readme.txt", "no county"}});
    testsupport::WriteFile(dir_ / "broken.zip", "this is not a zip archive");
    std::string script = "press 11\n" + (dir_ / "rt.zip") + " " + (dir_ / "bw.zip") + " " + (dir_ / "f6.zip") +
                         " " + (dir_ / "none.zip") + " " + (dir_ / "broken.zip") + "\nok\nok\nok\n";
    Session s(script);
    EXPECT_EQ(CountOf(s.out.str(), "=== Tiger Type ==="), 1);
    EXPECT_NE(s.out.str().find("[pellard] This zip archive does not contain TIGER files\n"), std::string::npos);
    EXPECT_NE(s.out.str().find("[pellard] Could not read zip archive " + (dir_ / "broken.zip") + "\n"),
              std::string::npos);
    ASSERT_EQ(s.dialog.InputPaths(),
              (std::vector<std::string>{dir_ / "rt.zip", dir_ / "bw.zip", dir_ / "f6.zip"}));
    EXPECT_EQ(s.dialog.OptionStrings()[0][53], 'd');
    EXPECT_EQ(s.dialog.OptionStrings()[1][53], '1');
    EXPECT_EQ(s.dialog.OptionStrings()[2][53], '0');
    // The folder of the last path given, even one that was not added.
    EXPECT_EQ(frontend::gOutputParentDir, dir_.path());
}

TEST_F(JobListTest, SetForAllWithTheSameAndWithAnotherEdition) {
    std::string a = File("a.rt1"), b = File("b.rt1"), c = File("c.bw1");
    // 2002 with Select All (which ticks "Use these options for all
    // subsequent cases"), a second 2002 input, then a .bw1 input.
    Session s("press 11\n" + a + "\ncheck 27\nok\npress 301\nok\npress 11\n" + b + "\npress 11\n" + c +
              "\ncheck 108\nok\n");
    const std::string& out = s.out.str();
    // A dialog is drawn once per command it reads: one 2002 dialog, two commands.
    EXPECT_EQ(CountOf(out, "=== Layer Extraction Options for TIGER 2002 ==="), 2);
    EXPECT_NE(out.find("[pellard] You cannot use the \"Set for All\" option with different versions of TIGER\n"
                       "[pellard] global 104 current 95\n"),
              std::string::npos);
    EXPECT_NE(out.find("=== Layer Extraction Options for TIGER 95 ==="), std::string::npos);
    ASSERT_EQ(s.dialog.OptionStrings().size(), 3u);
    EXPECT_EQ(s.dialog.OptionStrings()[1], s.dialog.OptionStrings()[0]);
    EXPECT_EQ(s.dialog.OptionStrings()[0].substr(8, 5), "11111");
    EXPECT_EQ(s.dialog.OptionStrings()[2], OptionsString(56, {}, {{53, '1'}}).replace(8, 1, "1"));
    EXPECT_EQ(frontend::gSetForAllActive, 0);
}

TEST_F(JobListTest, DeleteRemovesBothItemsAndSelectsTheLast) {
    std::string a = File("a.bw1"), b = File("b.bw1"), c = File("c.bw1"), d = File("d.bw1");
    // Entry c ticks "County 90" so that its options string can be told apart.
    Session s("press 11\n" + a + " " + b + " " + c + " " + d + "\nok\nok\ncheck 108\nok\nok\nselect 22 2\npress 12\n");
    ASSERT_EQ(s.dialog.InputPaths(), (std::vector<std::string>{a, b, d}));
    ASSERT_EQ(s.dialog.OptionStrings().size(), 3u);
    for (const std::string& options : s.dialog.OptionStrings()) EXPECT_EQ(options, OptionsString(56, {}, {{53, '1'}}));
    EXPECT_EQ(s.dialog.ListSelection(CInputListDlg::kInputListId), std::vector<int>{2});

    Session none("press 11\n" + a + "\nok\ndeselect 22 0\npress 12\n");
    EXPECT_EQ(none.dialog.InputPaths().size(), 1u);
}

TEST_F(JobListTest, EditOpensTheDialogOfTheEntrysEdition) {
    std::string a = File("a.rt1"), b = File("b.bw1");
    // A 2004 first edition entry with County 2000, then a .bw1 entry; Edit
    // of the first opens the 2002-2006 dialog with its ticks.
    Session s("press 11\n" + a + "\ncheck 29\nok\ncheck 108\nok\npress 11\n" + b + "\nok\nselect 22 0\npress 13\n"
              "check 109\nok\n");
    const std::string& out = s.out.str();
    std::string::size_type edit = out.rfind("=== Layer Extraction Options for TIGER 2004, First Edition ===");
    ASSERT_NE(edit, std::string::npos);
    EXPECT_NE(out.find("[108] check [x] County 2000", edit), std::string::npos);
    ASSERT_EQ(s.dialog.OptionStrings().size(), 2u);
    EXPECT_EQ(s.dialog.OptionStrings()[0], OptionsString(86, {}, {{53, 'b'}}).replace(8, 2, "11"));
    EXPECT_EQ(s.dialog.OptionStrings()[1], OptionsString(56, {}, {{53, '1'}}));
    EXPECT_EQ(frontend::gCurrentEdition, 106);

    Session noSelection("press 11\n" + b + "\nok\ndeselect 22 0\npress 13\n");
    EXPECT_EQ(CountOf(noSelection.out.str(), "=== Layer Extraction Options for TIGER 95 ==="), 1);
}

TEST_F(JobListTest, LayerDialogLeftWithoutOkKeepsTheEditionCharacter) {
    std::string a = File("a.rt1");
    // Escape in the 2002 layer dialog: the entry is added with no layers but
    // still as a 2002 entry, so Edit opens the 2002-2006 dialog again.
    Session s("press 11\n" + a + "\ncheck 27\nok\nescape\npress 13\nclose\n");
    ASSERT_EQ(s.dialog.OptionStrings().size(), 1u);
    EXPECT_EQ(s.dialog.OptionStrings()[0], OptionsString(86, {}, {{53, '9'}}));
    EXPECT_EQ(CountOf(s.out.str(), "=== Layer Extraction Options for TIGER 2002 ==="), 2);
}

TEST_F(JobListTest, AboutShowsTheVersionLineOnlyFromTheButton) {
    Session s("press 10\nok\nsyscommand 16\nok\n");
    EXPECT_EQ(CountOf(s.out.str(), "=== About QUORVEX ==="), 2);
    EXPECT_EQ(CountOf(s.out.str(), "\"Version 2.00\""), 1);
    EXPECT_NE(s.out.str().find("=== QUORVEX ==="), std::string::npos);
}

TEST_F(JobListTest, TheOptionsListIsOutOfReach) {
    std::string a = File("a.bw1");
    Session s("press 11\n" + a + "\nok\nselect 23 0\n");
    EXPECT_NE(s.out.str().find("control 23 is not available"), std::string::npos);
    EXPECT_EQ(s.out.str().find(OptionsString(56, {}, {{53, '1'}})), std::string::npos);
}

TEST_F(JobListTest, FilePromptExpandsWildcardsAndReturnsOnAMissingFile) {
    File("b.rt1");
    File("a.BW1");
    File("a.rt2");
    File("notes.txt");
    std::vector<std::string> missing;
    std::vector<std::string> paths = frontend::ExpandInputPaths(dir_.path() + "/* \"" + dir_.path() + "/notes.txt\"",
                                                                missing);
    EXPECT_EQ(paths, (std::vector<std::string>{dir_ / "a.BW1", dir_ / "b.rt1", dir_ / "notes.txt"}));
    EXPECT_TRUE(missing.empty());

    frontend::ExpandInputPaths(dir_.path() + "/*.f61 " + dir_.path() + "/gone.rt1", missing);
    EXPECT_EQ(missing, (std::vector<std::string>{dir_ / "*.f61", dir_ / "gone.rt1"}));

    // A relative path is made absolute against the current directory.
    ASSERT_EQ(::chdir(dir_.path().c_str()), 0);
    missing.clear();
    EXPECT_EQ(frontend::ExpandInputPaths("./sub/../a.BW1", missing), std::vector<std::string>{dir_ / "a.BW1"});

    // A missing file is reported and nothing of its line is added; the next
    // lines are commands of the main dialog again (here a second Add and its
    // layer dialog). An empty line cancels.
    Session s("press 11\n" + (dir_ / "gone.rt1") + " " + (dir_ / "a.BW1") + "\npress 11\n" + (dir_ / "a.BW1") +
              "\ncheck 108\nok\npress 11\n\nshow\n");
    EXPECT_NE(s.out.str().find("[pellard] " + (dir_ / "gone.rt1") + "\nFile not found."), std::string::npos);
    EXPECT_EQ(CountOf(s.out.str(), "File not found."), 1);
    EXPECT_EQ(CountOf(s.out.str(), "=== Open TIGER File ==="), 3);
    EXPECT_EQ(s.out.str().find("unknown command"), std::string::npos);
    EXPECT_EQ(s.dialog.InputPaths(), std::vector<std::string>{dir_ / "a.BW1"});
    EXPECT_EQ(s.dialog.OptionStrings(), std::vector<std::string>{OptionsString(56, {8}, {{53, '1'}})});
}

}  // namespace
