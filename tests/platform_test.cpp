// The platform layer: name masks, files found whatever their case, the zip
// control over libzip, and console dialogs driven by commands.
#include "platform/dialog.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/zip_control.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;

namespace {

TEST(MaskTest, WildcardsMatchWithoutRegardToCase) {
    EXPECT_TRUE(platform::MatchesMask("TGR25025.RT1", "*.rt?"));
    EXPECT_TRUE(platform::MatchesMask("tgr25025.rta", "*.RT?"));
    EXPECT_FALSE(platform::MatchesMask("tgr25025.rt", "*.rt?"));
    EXPECT_FALSE(platform::MatchesMask("tgr25025.rt12", "*.rt?"));
    EXPECT_TRUE(platform::MatchesMask("a.b.f61", "*.f6?"));
    EXPECT_TRUE(platform::MatchesMask("x.met", "*.met"));
    EXPECT_FALSE(platform::MatchesMask("x.met.txt", "*.met"));
    EXPECT_TRUE(platform::MatchesMask("abc", "a*b*c*"));
}

TEST(FilesTest, FindsRecordFilesWhateverTheCaseAndPrefersTheExactName) {
    TempDir dir;
    WriteFile(dir / "TGR25025.RT2", "upper");
    EXPECT_EQ(platform::FindFileAnyCase(dir / "tgr25025.rt2"), dir / "TGR25025.RT2");
    EXPECT_EQ(platform::FindFileAnyCase(dir / "tgr25025.rt3"), "");
    WriteFile(dir / "tgr25025.rt2", "lower");
    EXPECT_EQ(platform::FindFileAnyCase(dir / "tgr25025.rt2"), dir / "tgr25025.rt2");
    // A directory of the wanted name is no record file.
    ASSERT_EQ(::mkdir((dir / "TGR25025.RTA").c_str(), 0755), 0);
    EXPECT_EQ(platform::FindFileAnyCase(dir / "tgr25025.rta"), "");
    EXPECT_FALSE(platform::OpenAnyCase(dir / "tgr25025.rta", "r"));
}

// Every opening refuses a FIFO at once, whatever its mode, and a regular
// file it opens reads and writes waiting as usual.
TEST(FilesTest, OpeningsRefuseAFifoWithoutWaiting) {
    TempDir dir;
    const std::string fifo = dir / "fifo", file = dir / "file";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    WriteFile(file, "x");
    using Opening = platform::FilePtr (*)(const std::string&);
    const Opening openings[] = {
        [](const std::string& p) { return platform::OpenFile(p, "r"); },
        [](const std::string& p) { return platform::OpenFile(p, "r+b"); },
        [](const std::string& p) { return platform::OpenFile(p, "wb"); },
        [](const std::string& p) { return platform::OpenFile(p, "a"); },
        platform::OpenToUpdate,
        platform::OpenToAppend,
        platform::OpenExistingToAppend,
    };
    for (const Opening open : openings) {
        errno = 0;
        EXPECT_FALSE(open(fifo));
        EXPECT_EQ(errno, platform::kNotRegularFile);
        EXPECT_EQ(platform::NotRegularReason(), " (not a regular file)");
        const platform::FilePtr opened = open(file);
        ASSERT_TRUE(opened);
        EXPECT_EQ(::fcntl(::fileno(opened.get()), F_GETFL) & O_NONBLOCK, 0);
    }
}

TEST(FilesTest, MakeDirectoryMakesOneLevelAndFailsOnAnExistingOne) {
    TempDir dir;
    EXPECT_TRUE(platform::MakeDirectory(dir / "a"));
    EXPECT_FALSE(platform::MakeDirectory(dir / "a"));
    EXPECT_FALSE(platform::MakeDirectory(dir / "b/c"));
}

class ZipControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
        zip.SetExtractFolder(folder);
        zip.SetZipFileName(archive);
        zip.OnListingFile = [this](const std::string& name) { listed.push_back(name); };
    }
    TempDir dir;
    std::string folder = dir / "unzipped";
    std::string archive = dir / "county.zip";
    platform::ZipControl zip;
    std::vector<std::string> listed;
};

TEST_F(ZipControlTest, ListsMatchingEntriesByTheirNamesInTheFolder) {
    MakeZip(archive, {{"sub/TGR01001.RT1", "1"}, {"TGR01001.RT2", "2"}, {"TGR01001.MET", "m"}, {"sub/", ""}});
    zip.SetFileSpecs("*.rt?");
    EXPECT_EQ(zip.ListMatchingFiles(), platform::ZipControl::kSuccess);
    EXPECT_EQ(listed, (std::vector<std::string>{"TGR01001.RT1", "TGR01001.RT2"}));
    listed.clear();
    zip.SetFileSpecs("*.bw?");
    EXPECT_EQ(zip.ListMatchingFiles(), platform::ZipControl::kNothingMatches);
    EXPECT_TRUE(listed.empty());
    zip.SetFileSpecs("*.bw?\r*.MET\r");
    EXPECT_EQ(zip.ListMatchingFiles(), platform::ZipControl::kSuccess);
    EXPECT_EQ(listed, (std::vector<std::string>{"TGR01001.MET"}));
}

TEST_F(ZipControlTest, ExtractsMatchingEntriesFlatIntoTheFolder) {
    MakeZip(archive, {{"sub/TGR01001.RT1", "first"}, {"TGR01001.RT2", "second"}, {"notes.txt", "n"}});
    zip.SetFileSpecs("*.rt?\r*.bw?\r*.f6?");
    EXPECT_EQ(zip.ExtractFiles(0), platform::ZipControl::kSuccess);
    EXPECT_EQ(ReadFile(folder + "/TGR01001.RT1"), "first");
    EXPECT_EQ(ReadFile(folder + "/TGR01001.RT2"), "second");
    EXPECT_FALSE(Exists(folder + "/notes.txt"));
    EXPECT_FALSE(Exists(folder + "/sub"));
    EXPECT_EQ(platform::ListDirectory(folder), (std::vector<std::string>{"TGR01001.RT1", "TGR01001.RT2"}));
}

TEST_F(ZipControlTest, UnreadableArchiveIsAnErrorNeverAMatch) {
    WriteFile(archive, "PK this is not an archive at all");
    zip.SetFileSpecs("*.rt?");
    EXPECT_EQ(zip.ListMatchingFiles(), platform::ZipControl::kArchiveUnreadable);
    EXPECT_EQ(zip.ExtractFiles(0), platform::ZipControl::kArchiveUnreadable);
    zip.SetZipFileName(dir / "missing.zip");
    EXPECT_EQ(zip.ListMatchingFiles(), platform::ZipControl::kArchiveUnreadable);
    EXPECT_FALSE(zip.Messages().empty());
}

TEST_F(ZipControlTest, DamagedEntryDataIsReportedAndLeavesNoFile) {
    std::string body(4000, 'x');
    MakeZip(archive, {{"TGR01001.RT1", body}});
    // Flip a byte of the stored data (after the 30-byte local header and the name).
    std::string bytes = ReadFile(archive);
    size_t dataStart = 30 + std::string("TGR01001.RT1").size();
    bytes[dataStart + 1] = static_cast<char>(bytes[dataStart + 1] ^ 0x55);
    WriteFile(archive, bytes);
    zip.SetFileSpecs("*.rt?");
    EXPECT_EQ(zip.ExtractFiles(0), platform::ZipControl::kEntryDamaged);
    EXPECT_FALSE(Exists(folder + "/TGR01001.RT1"));
    EXPECT_EQ(platform::ListDirectory(folder), std::vector<std::string>{});
}

TEST_F(ZipControlTest, UnsafeEntriesAreRefusedAndLinksInTheFolderNotFollowed) {
    MakeZip(archive, {{"../up.rt1", "x"},
                      {"/etc/abs.rt2", "x"},
                      {"a/../../deep.rt3", "x"},
                      {"link.rt4", "/tmp", true},
                      {"good.rt5", "good"},
                      {"victim.rt6", "replaced"}});
    // A link already in the folder, pointing outside it.
    std::string outside = dir / "outside.txt";
    WriteFile(outside, "untouched");
    ASSERT_EQ(::symlink(outside.c_str(), (folder + "/victim.rt6").c_str()), 0);

    zip.SetFileSpecs("*.rt?");
    EXPECT_EQ(zip.ListMatchingFiles(), platform::ZipControl::kSuccess);
    EXPECT_EQ(listed, (std::vector<std::string>{"good.rt5", "victim.rt6"}));
    EXPECT_EQ(zip.Messages().size(), 4u);

    EXPECT_EQ(zip.ExtractFiles(0), platform::ZipControl::kEntryRefused);
    EXPECT_EQ(zip.Messages().size(), 4u);
    EXPECT_EQ(ReadFile(outside), "untouched");
    EXPECT_EQ(ReadFile(folder + "/victim.rt6"), "replaced");
    struct stat st;
    ASSERT_EQ(::lstat((folder + "/victim.rt6").c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(ReadFile(folder + "/good.rt5"), "good");
    EXPECT_FALSE(Exists(dir / "up.rt1"));
    EXPECT_FALSE(Exists(dir / "deep.rt3"));
    EXPECT_EQ(platform::ListDirectory(folder), (std::vector<std::string>{"good.rt5", "victim.rt6"}));
}

// An entry that holds more than it declares is damaged, and is inflated
// little beyond what it declares: under a file size limit far below what it
// holds it is refused as damaged, never cut short by the limit.
TEST_F(ZipControlTest, EntryHoldingMoreThanItDeclaresIsDamaged) {
    MakeZip(archive, {{"TGR01001.RT2", std::string(8 << 20, '2')}});
    DeclareZipSizes(archive, 1000);
    zip.SetFileSpecs("*.rt?");
    {
        FileSizeLimit limit(1 << 20);
        EXPECT_EQ(zip.ExtractFiles(0), platform::ZipControl::kEntryDamaged);
    }
    EXPECT_EQ(zip.Messages(), std::vector<std::string>{"archive entry TGR01001.RT2 is damaged: it holds more than the "
                                                       "1000 bytes it declares"});
    EXPECT_EQ(platform::ListDirectory(folder), std::vector<std::string>{});
}

// Two entries that would unpack to one name, whatever its case, refuse the
// archive whole.
TEST_F(ZipControlTest, EntriesOfOneNameRefuseTheArchive) {
    for (const std::string second : {"b/TGR01001.RT1", "b/tgr01001.rt1"}) {
        MakeZip(archive, {{"a/TGR01001.RT1", "first"}, {second, "second"}, {"TGR01001.RT2", "2"}});
        zip.SetFileSpecs("*.rt?");
        const std::vector<std::string> refused = {"archive " + archive + " refused: its entries a/TGR01001.RT1 and " +
                                                  second + " unpack to the same name"};
        EXPECT_EQ(zip.ListMatchingFiles(), platform::ZipControl::kNamesCollide);
        EXPECT_EQ(zip.Messages(), refused);
        EXPECT_TRUE(listed.empty());
        EXPECT_EQ(zip.ExtractFiles(0), platform::ZipControl::kNamesCollide);
        EXPECT_EQ(zip.Messages(), refused);
        EXPECT_EQ(platform::ListDirectory(folder), std::vector<std::string>{});
    }
}

// A dialog with one control of each kind, its members exchanged with them.
class SampleDialog : public platform::Dialog {
public:
    SampleDialog() : Dialog(500, "Sample") {
        AddControl(10, platform::ControlKind::Edit, "Name:");
        AddControl(11, platform::ControlKind::CheckBox, "Push pins");
        AddRadioButton(12, 12, "By county");
        AddRadioButton(13, 12, "By theme");
        AddControl(14, platform::ControlKind::ListBox, "Jobs");
        AddControl(15, platform::ControlKind::Button, "Apply").enabled = false;
        AddControl(16, platform::ControlKind::Button, "Count");
        AddControl(platform::IDOK, platform::ControlKind::Button, "OK").isDefault = true;
        AddControl(platform::IDCANCEL, platform::ControlKind::Button, "Cancel");
    }
    bool OnInitDialog() override {
        AddListItem(14, "one");
        AddListItem(14, "two");
        UpdateData(false);
        return true;
    }
    void OnCommand(int id) override {
        if (id == 16) ++counted;
    }
    std::string name = "start";
    int pins = 0;
    int organisation = 1;
    int job = -1;
    int counted = 0;

protected:
    void DoDataExchange(platform::DataExchange& dx) override {
        dx.Text(10, name);
        dx.Check(11, pins);
        dx.Radio(12, organisation);
        dx.ListIndex(14, job);
    }
};

TEST(DialogTest, CommandsChangeControlsAndOkExchangesThemIntoMembers) {
    SampleDialog dialog;
    std::istringstream in("set 10 Suffolk County\ncheck 11\ncheck 12\nselect 14 1\npress 16\npress 16\nok\n");
    std::ostringstream out;
    EXPECT_EQ(dialog.DoModal(in, out), platform::IDOK);
    EXPECT_EQ(dialog.name, "Suffolk County");
    EXPECT_EQ(dialog.pins, 1);
    EXPECT_EQ(dialog.organisation, 0);
    EXPECT_EQ(dialog.job, 1);
    EXPECT_EQ(dialog.counted, 2);
    EXPECT_NE(out.str().find("=== Sample ==="), std::string::npos);
    EXPECT_NE(out.str().find("[13] radio ( ) By theme"), std::string::npos);
}

TEST(DialogTest, CancelAndEndOfInputLeaveMembersAsTheyWere) {
    SampleDialog dialog;
    std::istringstream in("set 10 changed\nescape\n");
    std::ostringstream out;
    EXPECT_EQ(dialog.DoModal(in, out), platform::IDCANCEL);
    EXPECT_EQ(dialog.name, "start");

    SampleDialog again;
    std::istringstream nothing("check 11\n");
    EXPECT_EQ(again.DoModal(nothing, out), platform::IDCANCEL);
    EXPECT_EQ(again.pins, 0);
}

TEST(DialogTest, DisabledHiddenAndUnknownControlsAreRefused) {
    SampleDialog dialog;
    std::ostringstream out;
    dialog.OnInitDialog();
    EXPECT_FALSE(dialog.ExecuteCommand("press 15", out));
    EXPECT_FALSE(dialog.ExecuteCommand("press 99", out));
    EXPECT_FALSE(dialog.ExecuteCommand("select 14 7", out));
    EXPECT_FALSE(dialog.ExecuteCommand("check 10", out));
    EXPECT_FALSE(dialog.ExecuteCommand("uncheck 13", out));
    EXPECT_FALSE(dialog.ExecuteCommand("dance", out));
    dialog.ShowControl(16, false);
    EXPECT_FALSE(dialog.ExecuteCommand("press 16", out));
    EXPECT_EQ(dialog.counted, 0);
    EXPECT_FALSE(dialog.Ended());
}

// Records what a modeless dialog asks its renderer to draw.
class RecordingRenderer : public platform::DialogRenderer {
public:
    void Render(const platform::Dialog&) override { ++renders; }
    void ControlChanged(const platform::Dialog&, const platform::Control& c) override { changes.push_back(c.id); }
    void Hidden(const platform::Dialog&) override { ++hidden; }
    int renders = 0, hidden = 0;
    std::vector<int> changes;
};

TEST(DialogTest, ModelessDialogRedrawsOnlyWhatChanged) {
    platform::Dialog dialog(1000, "Progress");
    dialog.AddControl(1006, platform::ControlKind::Static, "Current Process:");
    dialog.AddControl(1002, platform::ControlKind::ProgressBar, "");
    RecordingRenderer renderer;
    dialog.Create(&renderer);
    EXPECT_EQ(renderer.renders, 1);
    for (int row = 0; row < 10000; ++row) dialog.SetProgressPos(1002, row * 100 / 10000);
    dialog.SetDlgItemText(1006, "Reading");
    dialog.SetDlgItemText(1006, "Reading");
    dialog.SetDlgItemText(1006, "Sorting");
    dialog.SetProgressPos(1002, 250);
    EXPECT_EQ(dialog.GetDlgItem(1002)->position, 100);
    // 99 percent steps, two texts and the clamp to 100.
    EXPECT_EQ(renderer.changes.size(), 99u + 2u + 1u);
    dialog.EndDialog(platform::IDOK);
    EXPECT_EQ(renderer.hidden, 1);
    EXPECT_FALSE(dialog.IsVisible());
}

// On a terminal the progress line is redrawn in place, without its line end:
// a message box shown meanwhile starts a line of its own, and the line is
// drawn again below it.
TEST(DialogTest, MessageBoxUnderTheProgressLineStartsALineOfItsOwn) {
    platform::Dialog dialog(1000, "Progress");
    dialog.AddControl(1002, platform::ControlKind::ProgressBar, "");
    platform::ProgressRenderer terminal(true);
    testing::internal::CaptureStderr();
    dialog.Create(&terminal);
    dialog.SetProgressPos(1002, 79);
    platform::ShowMessage("/data/TGR25901.rt2", "QUORVEX");
    dialog.SetProgressPos(1002, 80);
    dialog.EndDialog(platform::IDOK);
    const auto bar = [](const char* percent) { return "\r " + std::string(percent) + std::string(111, ' '); };
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Progress\n" + bar("  0%") + bar(" 79%") + "\n" +
                                                          "[QUORVEX] /data/TGR25901.rt2\n" + bar(" 80%") + "\n");
}

}  // namespace
