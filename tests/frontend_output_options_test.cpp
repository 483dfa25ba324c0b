// The output options dialog: its three ends, the fourth organisation, the
// folder picker, read-only folders (the CD-ROM case) and the checks of the
// output parent directory.
#include "frontend/directory_picker.h"
#include "frontend/folder_checks.h"
#include "frontend/job_globals.h"
#include "frontend/output_options_dialog.h"
#include "support/frontend_session.h"

#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace {

using frontend::COutputOptionsDlg;

std::string gReadOnlyFolder;
bool IsTheReadOnlyFolder(const std::string& folder) { return folder == gReadOnlyFolder; }

class OutputOptionsTest : public testsupport::FrontEndTest {
protected:
    // Runs the dialog on `script`; returns its output.
    std::string Run(const std::string& script, int* result = nullptr) {
        std::istringstream in(script);
        std::ostringstream out;
        COutputOptionsDlg dialog(in, out);
        int end = dialog.DoModal(in, out);
        if (result) *result = end;
        return out.str();
    }
};

TEST_F(OutputOptionsTest, OpensWithTheInputFolderAndTheDefaults) {
    frontend::gOutputParentDir = dir_.path();
    frontend::gSameEditionInputs = 1;
    std::istringstream in("");
    std::ostringstream out;
    COutputOptionsDlg dialog(in, out);
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.Caption(), "QUORVEX Output Options");
    EXPECT_EQ(dialog.GetDlgItemText(COutputOptionsDlg::kExplanationId),
              "There are four ways to organize your output files:\n"
              "\tGroup shapes by county (a directory for each county's shapes)\n"
              "\tPut all shapes in a single directory\n"
              "\tGroup shapes by theme (a directory for each type of shape, eg,roads, tracts, etc)\n"
              "\tGroup shapes by theme and merge (a single shape for each map layer)\n"
              "Please choose an option\n\n"
              "You can also choose to create pushpins for the KML polygons");
    EXPECT_EQ(dialog.GetDlgItemText(COutputOptionsDlg::kDirectoryId), dir_.path());
    EXPECT_EQ(dialog.IsDlgButtonChecked(COutputOptionsDlg::kFirstOrganisationId), 1);
    EXPECT_TRUE(dialog.GetDlgItem(COutputOptionsDlg::kFirstOrganisationId + 3)->enabled);
    EXPECT_EQ(dialog.IsDlgButtonChecked(COutputOptionsDlg::kFirstAddressId), 1);
    EXPECT_FALSE(dialog.GetDlgItem(COutputOptionsDlg::kFirstAddressId)->enabled);
    EXPECT_FALSE(dialog.GetDlgItem(COutputOptionsDlg::kFirstAddressId + 1)->enabled);
    EXPECT_FALSE(dialog.GetDlgItem(platform::IDCANCEL)->visible);
}

TEST_F(OutputOptionsTest, MixedEditionsCannotMerge) {
    frontend::gOutputParentDir = dir_.path();
    frontend::gSameEditionInputs = 0;
    std::string out = Run("check 24\ncheck 23\ncheck 40\nok\n");
    EXPECT_NE(out.find("control 24 is not available"), std::string::npos);
    EXPECT_EQ(frontend::gOutputOrganisation, 2);
    EXPECT_EQ(frontend::gCreatePushPins, 1);
    EXPECT_EQ(frontend::gAddressRangesAsNumbers, 1);
    EXPECT_EQ(frontend::gJobCancelled, 0);
}

TEST_F(OutputOptionsTest, CloseAndEscapeStoreTheChoicesAndCancel) {
    for (const char* end : {"close\n", "escape\n", ""}) {
        frontend::ResetJobGlobals();
        frontend::gOutputParentDir = dir_.path();
        frontend::gSameEditionInputs = 1;
        int result = 0;
        Run(std::string("check 24\ncheck 40\nset 31 /no/such/folder\n") + end, &result);
        EXPECT_EQ(result, platform::IDCANCEL);
        EXPECT_EQ(frontend::gJobCancelled, 1) << end;
        EXPECT_EQ(frontend::gOutputOrganisation, 3);
        EXPECT_EQ(frontend::gCreatePushPins, 1);
        EXPECT_EQ(frontend::gOutputParentDir, "/no/such/folder");
    }
}

TEST_F(OutputOptionsTest, OkRefusesAFolderThatCannotTakeTheOutput) {
    frontend::gOutputParentDir = dir_.path();
    testsupport::WriteFile(dir_ / "plain", "x");
    gReadOnlyFolder = dir_ / "cd";
    ASSERT_EQ(::mkdir(gReadOnlyFolder.c_str(), 0755), 0);
    frontend::SetCdRomTest(IsTheReadOnlyFolder);
    int result = 0;
    std::string out = Run("set 31 " + (dir_ / "missing") + "\nok\nset 31 " + (dir_ / "plain") + "\nok\nset 31 " +
                              gReadOnlyFolder + "\nok\nset 31 " + (dir_ / "cd/..") + "\nok\n",
                          &result);
    EXPECT_NE(out.find("[pellard] The Output Directory " + (dir_ / "missing") + " does not exist\n"),
              std::string::npos);
    EXPECT_NE(out.find("[pellard] The Output Directory " + (dir_ / "plain") + " does not exist\n"),
              std::string::npos);
    EXPECT_NE(out.find("[pellard] The Output Directory cannot be a CD-ROM\n"), std::string::npos);
    EXPECT_EQ(result, platform::IDOK);
    EXPECT_EQ(frontend::gOutputParentDir, dir_.path());

    // A relative folder is stored as an absolute one.
    ASSERT_EQ(::chdir(dir_.path().c_str()), 0);
    ASSERT_EQ(::mkdir((dir_ / "rel").c_str(), 0755), 0);
    std::string out2 = Run("set 31 cd/\nok\nset 31 rel\nok\n");
    EXPECT_NE(out2.find("[pellard] The Output Directory cannot be a CD-ROM\n"), std::string::npos);
    EXPECT_EQ(frontend::gOutputParentDir, dir_ / "rel");
}

TEST_F(OutputOptionsTest, AReadOnlyInputFolderIsNotOffered) {
    gReadOnlyFolder = dir_.path();
    frontend::SetCdRomTest(IsTheReadOnlyFolder);
    frontend::gOutputParentDir = dir_.path();
    ASSERT_EQ(::chdir("/tmp"), 0);
    std::istringstream in("");
    std::ostringstream out;
    COutputOptionsDlg dialog(in, out);
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.GetDlgItemText(COutputOptionsDlg::kDirectoryId), "/tmp");
}

TEST_F(OutputOptionsTest, BrowseStoresTheTypedFolderAndRefusesReadOnlyOnes) {
    frontend::gOutputParentDir = dir_.path();
    ASSERT_EQ(::mkdir((dir_ / "out").c_str(), 0755), 0);
    gReadOnlyFolder = "/";
    frontend::SetCdRomTest(IsTheReadOnlyFolder);
    // The picker opens on the folder shown; "/" counts as read-only here,
    // so it is refused and the picker opens again.
    std::string out = Run("press 32\nset 1121 /\nok\nset 1121 " + (dir_ / "out/") + "\nok\nok\n");
    EXPECT_NE(out.find("[1121] edit \"" + dir_.path() + "\""), std::string::npos);
    EXPECT_NE(out.find("[pellard] The Output Directory cannot be a CD-ROM\n"), std::string::npos);
    EXPECT_EQ(out.find("Junk"), std::string::npos);
    EXPECT_EQ(frontend::gOutputParentDir, dir_ / "out");

    // Leaving the picker without OK keeps the folder.
    frontend::gOutputParentDir = dir_.path();
    Run("press 32\nset 1121 /elsewhere\nescape\nok\n");
    EXPECT_EQ(frontend::gOutputParentDir, dir_.path());
}

TEST_F(OutputOptionsTest, PickedPathLosesItsFileName) {
    EXPECT_EQ(frontend::FolderOfPickedPath("/data/tiger/out/Junk", 16), "/data/tiger/out");
    EXPECT_EQ(frontend::FolderOfPickedPath("/Junk", 1), "/");
    EXPECT_EQ(frontend::FolderOfPickedPath("Junk", 0), "");

    std::istringstream in("set 1121 /data/./tiger/x/../out/\nok\n");
    std::ostringstream out;
    frontend::CMyFileOpenDlg picker("/start");
    ASSERT_EQ(picker.DoModal(in, out), platform::IDOK);
    EXPECT_EQ(picker.GetPathName(), "/data/tiger/out/Junk");
    EXPECT_EQ(frontend::FolderOfPickedPath(picker.GetPathName(), picker.FileOffset()), "/data/tiger/out");
    // The hidden controls of the picker stay out of reach.
    EXPECT_EQ(out.str().find("File &Name:"), std::string::npos);
}

}  // namespace
