// Record files that a job stopped after unpacking left in "unzipped": the
// next job of the same county removes them before it unpacks, says so, and
// reads only what its own archive holds; nothing else there is touched.
#include "conv2/display.h"
#include "county_writer.h"
#include "frontend/library_entries.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/county_files.h"
#include "support/frontend_session.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace testsupport;

namespace {

class StaleUnpackedFilesTest : public FrontEndTest {};

TEST_F(StaleUnpackedFilesTest, AreRemovedBeforeTheCountyIsUnpacked) {
    frontend::Libraries().displayV2Unpacked = vornak2::DisplayV2Unpacked;
    for (const bool pellard : {false, true}) {
        SCOPED_TRACE(pellard ? "pellard" : "library");
        const std::string root = dir_ / (pellard ? "pellard" : "library");
        const std::string in = root + "/in", out = root + "/out", unzipped = out + "/unzipped";
        for (const std::string& folder : {root, in, out, unzipped, unzipped + "/TGR25901.RT9"}) {
            ASSERT_TRUE(platform::MakeDirectory(folder));
        }
        WriteFile(root + "/outside", "outside");
        countygen::WriteCounty(countygen::CountySpec(), in);
        // The archive lacks the landmark types and the metadata, which the
        // stopped job left, in any case, beside a link of such a name.
        std::vector<ZipMember> members;
        for (const std::string& name : platform::ListDirectory(in)) {
            const std::string extension = platform::ToLower(platform::ExtensionOfPath(name));
            const std::string left = extension == "rt7" ? "TGR25901.RT7"
                                     : extension == "rt8" ? "tgr25901.rt8"
                                     : extension == "met" ? "TGR25901.Met" : "";
            if (left.empty()) members.push_back({name, ReadFile(in + "/" + name)});
            else WriteFile(unzipped + "/" + left, ReadFile(in + "/" + name));
        }
        ASSERT_EQ(members.size() + 3, platform::ListDirectory(in).size());
        const std::string archive = root + "/TGR25901.zip";
        MakeZip(archive, members);
        ASSERT_EQ(::symlink((root + "/outside").c_str(), (unzipped + "/TGR25901.bw1").c_str()), 0);
        const std::vector<std::string> kept = {"TGR25901.RT7.old", "TGR25901.RT9", "TGR25901.rt", "TGR259011.RT7",
                                               "TGR25903.RT7"};
        for (const std::string& name : kept) {
            if (name != "TGR25901.RT9") WriteFile(unzipped + "/" + name, "kept");
        }

        std::string said;
        if (pellard) {
            said = RunSession("press 11\n" + archive + "\ncheck 30\nok\ncheck 109\nok\nok\nset 31 " + out + "\nok\n");
            EXPECT_EQ(exitStatus_, 0);
        } else {
            EXPECT_EQ(ConvertCounty(archive, out, Options('c', '0', {9})), 0);
        }
        std::string removed;
        for (const char* name : {"TGR25901.Met", "TGR25901.RT7", "TGR25901.bw1", "tgr25901.rt8"})
            removed += std::string(removed.empty() ? "" : "\n") + "Removed " + name + ", left in " + unzipped +
                       " by an earlier run";
        const std::string log = LogOf(out, "TGR25901");
        EXPECT_HAS(pellard ? said : log, (pellard ? "[pellard] " : "") + removed + "\n");
        // The county was read without the landmark types.
        EXPECT_HAS(log, "Could not open Type 7 file. No Landmark Points will be created\n");
        EXPECT_HAS(log, "Could not open Type 8 file. No Landmark Polygons will be created\n");
        EXPECT_FALSE(platform::FileExists(out + "/TGR25901.met"));
        EXPECT_EQ(platform::ListDirectory(unzipped), kept);
        EXPECT_EQ(ReadFile(root + "/outside"), "outside");
    }
}

}  // namespace
