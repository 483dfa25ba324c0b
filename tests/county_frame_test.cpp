// The dialog and driver frame both libraries' counties run in, over a test
// dialog: the texts and bar the stages move, the record files found beside
// the type 1 file, and a type A scratch file that cannot be made.
#include "platform/files.h"
#include "support/fake_job_services.h"
#include "support/temp_dir.h"
#include "tigercore/county_dialog.h"
#include "tigercore/county_run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

platform::FilePtr gTestLog;

class TestDialog : public tigercore::CountyDialog {
public:
    explicit TestDialog(std::vector<int> exchangeOrder = {})
        : CountyDialog({7, 3, 1, 2, 4, 5, 6, 8, 9, 10, std::move(exchangeOrder)}, {"*.rt?"}, 4, gTestLog) {
        AddControl(1, platform::ControlKind::Static, "");
        AddControl(2, platform::ControlKind::Static, "");
        AddControl(3, platform::ControlKind::ProgressBar, "");
        AddControl(4, platform::ControlKind::Static, "");
        AddControl(10, platform::ControlKind::Static, "");
    }

    // Unpacks the zipped county `inputPath` names into `folder`, as a
    // library's dialog starts.
    void Unpack(const std::string& folder, testsupport::FakeJobServices& services) {
        unzipFolder = folder;
        StartDialog("test", true, folder, ".rt1", "TGR01001", services);
    }
    std::string unzipFolder;

protected:
    bool Convert() override { return true; }
    void OnZipListEvent(const std::string& fileName) override {
        if (ListingUnpackedFiles()) platform::RemoveFile(unzipFolder + "/" + fileName);
    }
};

class TestRun : public tigercore::CountyRun {
public:
    TestRun(TestDialog& job, tigercore::CountyRunState state) : CountyRun(job, state) {}
    using CountyRun::CallBuilders;
    using CountyRun::Flag;
    using CountyRun::OpenTypeAScratch;
    using CountyRun::RecordFilePath;
};

std::string gBuilt;
int* gBuildStatus = nullptr;
void BuildA() { gBuilt += "A"; }
void BuildB() { gBuilt += "B"; }
void BuildAndFail() { *gBuildStatus = -1; }
bool Never() { return false; }

TEST(CountyFrame, RunCallsTheBuildersOfSetFlagsUntilOneFails) {
    TestDialog dialog;
    dialog.layerFlags = {1, 0, 1, 1};
    platform::FilePtr record, scratch;
    tigercore::ScratchFolder folder;
    int status = 0;
    testsupport::FakeJobServices services;
    TestRun run(dialog, {record, scratch, folder, status, services});
    gBuildStatus = &status;
    gBuilt.clear();
    const TestRun::GatedBuilder builders[] = {
        {2, BuildB, nullptr}, {1, BuildA, nullptr}, {0, BuildA, Never}, {0, BuildA, nullptr},
        {3, BuildAndFail, nullptr}, {2, BuildB, nullptr},
    };
    EXPECT_FALSE(run.CallBuilders(builders));
    EXPECT_EQ(gBuilt, "BA");
}

TEST(CountyFrame, DialogKeepsTheTextsAndTheBarItShows) {
    TestDialog dialog;
    EXPECT_EQ(dialog.layerFlags, std::vector<int>(4, 0));
    dialog.SetStatusText("Sorting");
    dialog.SetLayerText("Roads");
    dialog.SetProgress(40);
    EXPECT_EQ(dialog.statusText, "Sorting");
    EXPECT_EQ(dialog.GetDlgItem(1)->text, "Sorting");
    EXPECT_EQ(dialog.GetDlgItem(2)->text, "Roads");
    EXPECT_EQ(dialog.GetDlgItem(3)->position, 40);
}

TEST(CountyFrame, DialogExchangesOnlyTheTextsOfItsOrder) {
    TestDialog dialog({10, 1, 4});
    dialog.statusText = "Reading";
    dialog.layerText = "Roads";
    dialog.countyText = "01001";
    dialog.countyProgressText = "1 of 2";
    dialog.UpdateData(false);
    EXPECT_EQ(dialog.GetDlgItem(1)->text, "Reading");
    EXPECT_EQ(dialog.GetDlgItem(2)->text, "");  // the layer's text is not in the order
    EXPECT_EQ(dialog.GetDlgItem(4)->text, "01001");
    EXPECT_EQ(dialog.GetDlgItem(10)->text, "1 of 2");
}

TEST(CountyFrame, RunFindsRecordFilesAndFailsWithoutItsScratchFile) {
    TestDialog dialog;
    dialog.layerFlags[2] = 1;
    platform::FilePtr record, scratch;
    tigercore::ScratchFolder folder;
    int status = -1;
    testsupport::FakeJobServices services;
    TestRun run(dialog, {record, scratch, folder, status, services});
    EXPECT_EQ(status, 0);  // a new county goes on
    EXPECT_TRUE(run.Flag(2));
    EXPECT_FALSE(run.Flag(3));
    dialog.inputPath = "in/TGR01001.RT1";
    EXPECT_EQ(run.RecordFilePath("rt2"), "in/TGR01001.rt2");
    dialog.inputPath = "in/county";
    EXPECT_EQ(run.RecordFilePath("bw2"), "in/county.bw2");
    EXPECT_FALSE(run.OpenTypeAScratch("/nonexistent-folder/a.tmp"));
    EXPECT_TRUE(services.failed);  // the county is failed through its services
    EXPECT_EQ(services.log,
              "Could not open scratch file a.tmp as /nonexistent-folder/a.tmp (no such file or directory)\n");
}

// The unpacked files are removed when the county ends, but not through a
// link that has taken the unzipped folder's place meanwhile.
TEST(CountyFrame, UnpackedFilesAreRemovedButNotThroughALink) {
    for (const bool swapped : {false, true}) {
        SCOPED_TRACE(swapped ? "folder swapped for a link" : "folder as unpacked");
        testsupport::TempDir dir;
        testsupport::MakeZip(dir / "TGR01001.zip", {{"TGR01001.RT1", "1"}, {"TGR01001.RT2", "2"}});
        TestDialog dialog;
        dialog.inputPath = dir / "TGR01001.zip";
        testsupport::FakeJobServices services;
        dialog.Unpack(dir / "unzipped", services);
        ASSERT_EQ(dialog.inputPath, dir / "unzipped/TGR01001.RT1");
        std::string left = dir / "unzipped";
        if (swapped) {
            left = dir / "elsewhere";
            ASSERT_EQ(std::rename((dir / "unzipped").c_str(), left.c_str()), 0);
            ASSERT_EQ(::symlink(left.c_str(), (dir / "unzipped").c_str()), 0);
        }
        EXPECT_TRUE(dialog.RunConversion());
        EXPECT_EQ(platform::ListDirectory(left).size(), swapped ? 2u : 0u);
    }
}

}  // namespace
