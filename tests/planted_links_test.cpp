// Symbolic links planted in a shared output folder where the program writes,
// continues, replaces or removes something: each is refused with a log line
// naming it, and the file or folder it points to stays as it was. FIFOs
// planted where it opens a file are refused likewise, never waited on.
#include "county_writer.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/county_files.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testsupport;

TEST(PlantedLinks, NoneIsFollowed) {
    const std::string kLines = Options('c', '3', {1});  // rail lines, merged: rails/lkB.*
    const struct {
        const char* kind;
        const char* link;     // below the output folder
        bool toFolder;        // the link points to a folder, else to a file
        const char* journal;  // a journal written beside it, or null
        std::string options;
        bool zipped = false;
        int result = 1;
        bool refused = true;  // the log names the link
    } cases[] = {
        {"layer file", "rails/lkB.shp", false, nullptr, kLines},
        {"layer folder", "rails", true, nullptr, kLines},
        {"journal", ".pellard-change.journal", false, nullptr, kLines},
        {"file a journal names", "rails/lkB.shp", false, "pellard journal 1\nfile 3 7\nlkB.shp", kLines},
        {"date file", "date.txt", false, nullptr, kLines},
        {"metadata copy", "TGR25901.met", false, nullptr, kLines},
        {"county folder", "TGR25901", true, nullptr, Options('c', '0', {1})},
        {"log", "TGR25901.log", false, nullptr, kLines, false, 1, false},
        {"unzipped", "unzipped", true, nullptr, kLines, true},
        {"private file", "rails/lkB.shp.partial-0123456789abcdef", false, nullptr, kLines, false, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        TempDir dir;
        const std::string out = dir / "out", outside = dir / "outside";
        for (const std::string& folder : {dir / "in", out, out + "/rails", outside, outside + "/folder"}) {
            ASSERT_TRUE(platform::MakeDirectory(folder));
        }
        WriteFile(outside + "/file", "outside");
        const countygen::GeneratedCounty county = countygen::WriteCounty(countygen::CountySpec(), dir / "in");
        std::string input = county.type1Path;
        if (c.zipped) {
            std::vector<ZipMember> members;
            for (const std::string& name : platform::ListDirectory(dir / "in"))
                members.push_back({name, ReadFile(dir / ("in/" + name))});
            input = dir / "TGR25901.zip";
            MakeZip(input, members);
        }
        const std::string link = out + "/" + c.link;
        if (c.toFolder) ::rmdir(link.c_str());
        ASSERT_EQ(::symlink((outside + (c.toFolder ? "/folder" : "/file")).c_str(), link.c_str()), 0);
        if (c.journal) WriteFile(out + "/rails/lkB.journal", c.journal);

        EXPECT_EQ(ConvertCounty(input, out, c.options), c.result);
        if (c.refused) {
            EXPECT_HAS(ReadFile(out + "/TGR25901.log"),
                       "Refused the symbolic link " + link + " where an output goes: it is not followed\n");
        }
        EXPECT_EQ(ReadFile(outside + "/file"), "outside");
        EXPECT_TRUE(platform::ListDirectory(outside + "/folder").empty());
        EXPECT_TRUE(platform::IsSymbolicLink(link));
    }
}

// The output folder the user gives may itself be a link: merged counties
// go through it as through the folder.
TEST(PlantedLinks, OutputFolderGivenAsALinkIsUsed) {
    TempDir dir;
    ASSERT_TRUE(platform::MakeDirectory(dir / "out"));
    ASSERT_EQ(::symlink((dir / "out").c_str(), (dir / "given").c_str()), 0);
    const auto [first, second] = WriteTwoCounties(dir.path());
    for (const std::string& county : {first, second}) {
        EXPECT_EQ(ConvertCounty(county, dir / "given", Options('c', '3', {1, 9})), 0);
    }
    EXPECT_LACKS(ReadFile(dir / "out/TGR25903.log"), "Refused");
    EXPECT_EQ(platform::ListDirectory(dir / "out/county"), std::vector<std::string>{"ctycu.kml"});
}

// FIFOs planted where the program opens a file: each is refused without
// being waited on, with a line naming it (on screen for the log), and the
// county fails with nothing of it written. Each county runs in a child
// process that an alarm ends, so that a wait fails the test instead of
// holding it up.
TEST(PlantedFifos, NoneIsWaitedOn) {
    const struct {
        const char* kind;
        const char* fifo;  // below the output folder
        bool older;        // the 1994-2000 library
        std::string options;
        const char* absent;  // a file of the layer that must not be made ("" for the log)
    } cases[] = {
        {"log", "TGR25901.log", false, Options('c', '3', {1}), ""},
        {"log, older library", "TGR25901.log", true, OldOptions('6', '3', {1}), ""},
        {"polygon layer index", "county/ctycu.shx", false, Options('c', '3', {9}), "county/ctycu.kml"},
        {"polygon layer index, older library", "county00/cty00.shx", true, OldOptions('6', '3', {9}),
         "county00/cty00.kml"},
        {"line layer index", "rails/lkB.shx", false, Options('c', '3', {1}), "rails/lkB.shp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        TempDir dir;
        const std::string out = dir / "out", fifo = out + "/" + c.fifo;
        ASSERT_TRUE(platform::MakeDirectory(out));
        platform::MakeDirectory(platform::DirectoryOfPath(fifo));
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
        countygen::CountySpec spec;
        if (c.older) spec.edition = '6';
        const std::string input = countygen::WriteCounty(spec, dir.path()).type1Path;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::alarm(60);
            const bool screen = std::freopen((dir / "screen").c_str(), "w", stderr) != nullptr;
            const int result = c.older ? ConvertOldCounty(input, out, c.options) : ConvertCounty(input, out, c.options);
            std::fflush(stderr);
            ::_exit(screen ? result : 2);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
        if (*c.absent) {
            EXPECT_HAS(ReadFile(out + "/TGR25901.log"), "Could not open file " + fifo + " (not a regular file)\n");
            EXPECT_FALSE(Exists(out + "/" + c.absent));
        } else {
            EXPECT_HAS(ReadFile(dir / "screen"),
                       "Cannot open the log file " + fifo + " (not a regular file): county " + input + " not converted\n");
            EXPECT_EQ(platform::ListDirectory(out), std::vector<std::string>{"TGR25901.log"});
        }
        struct stat st;
        EXPECT_TRUE(::lstat(fifo.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
    }
}
