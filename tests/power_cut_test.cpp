// A job cut by a power loss at any point of its run, the disk keeping the
// least it may (platform changes told by the file layer; see
// support/power_cut.h), and run again gives the files of a job never
// stopped, in both libraries: each county once in every merged file. A
// county organised by county whose log says it ended has every file whole.
#include "options/options_strings.h"
#include "platform/file_system_flush.h"
#include "platform/files.h"
#include "support/county_files.h"
#include "support/fault_job.h"
#include "support/power_cut.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

using namespace testsupport;

namespace {

// The subsets of sectors tried at each cut.
constexpr unsigned kSectorSubsets = 4;

using Convert = int (*)(const std::string&, const std::string&, const std::string&, int, int);

struct Library {
    char edition;
    Convert convert;
    std::string (*options)(char, char, std::initializer_list<int>);
};
const Library kLibraries[] = {{'c', ConvertCounty, Options}, {'6', ConvertOldCounty, OldOptions}};

// The text of the last run a log tells of.
std::string LastRun(const std::string& log) {
    const size_t at = log.rfind("New Process started");
    return at == std::string::npos ? std::string() : log.substr(at);
}

// Organised merged or by county; flushed by syncfs or, where that is not
// trusted, file by file.
class PowerCut : public ::testing::TestWithParam<std::tuple<char, bool>> {
protected:
    // Runs the job of two counties into `folder`; the counties that failed.
    int Job(const Library& lib, const std::string& folder) const {
        return (lib.convert(first_, folder, options_, 1, 2) != 0) + (lib.convert(second_, folder, options_, 2, 2) != 0);
    }
    void Check(const Library& lib);

    std::string first_, second_, options_;
};

void PowerCut::Check(const Library& lib) {
    const char organisation = std::get<0>(GetParam());
    platform::TrustFileSystemFlush(std::get<1>(GetParam()) ? 1 : 0);
    struct Untrust {
        ~Untrust() { platform::TrustFileSystemFlush(-1); }
    } untrust;
    TempDir dir;
    std::tie(first_, second_) = WriteTwoCounties(dir.path(), lib.edition);
    // A line layer with its tables, a polygon layer, and the metadata.
    options_ = lib.options(lib.edition, organisation, {0, 9});
    const std::string ref = dir / "ref", out = dir / "out";
    for (const std::string& folder : {ref, out}) ASSERT_TRUE(platform::MakeDirectory(folder));
    ASSERT_EQ(Job(lib, ref), 0);
    const std::map<std::string, std::string> never = Tree(ref);

    ChangeRecording recording(out);
    ASSERT_EQ(Job(lib, out), 0);
    recording.Stop();
    std::set<std::map<std::string, std::string>> tried;
    int cut = 0;
    for (const size_t point : CutPoints(recording.changes())) {
        for (const ChangeRecording::Loss loss : ChangeRecording::kLosses) {
          // Sectors lost: several subsets a cut.
          const unsigned seeds = loss == ChangeRecording::Loss::kSectors ? kSectorSubsets : 1;
          for (unsigned seed = 1; seed <= seeds; ++seed) {
            const std::map<std::string, std::string> state = recording.StateAfter(point, loss, seed + point * 7919);
            if (!tried.insert(state).second) continue;
            SCOPED_TRACE("cut after change " + std::to_string(point) + ", loss " +
                         std::to_string(static_cast<int>(loss)) + ", seed " + std::to_string(seed + point * 7919));
            if (organisation != '3') {
                for (const char* county : {"TGR25901", "TGR25903"}) {
                    const auto log = state.find(std::string(county) + ".log");
                    if (log == state.end() || LastRun(log->second).find("Process ended") == std::string::npos) continue;
                    for (const auto& [path, contents] : never) {
                        if (path.compare(0, 8, county) != 0) continue;
                        const auto found = state.find(path);
                        EXPECT_TRUE(found != state.end() && found->second == contents) << path << " is not whole";
                    }
                }
            }
            TempDir again;
            MakeFolderFiles(again.path(), state);
            EXPECT_EQ(Job(lib, again.path()), 0) << LastRun(ReadFile(again / "TGR25901.log"))
                                                 << LastRun(ReadFile(again / "TGR25903.log"));
            EXPECT_TRUE(Tree(again.path()) == never);
            ++cut;
            if (::testing::Test::HasFailure()) return;
          }
        }
    }
    EXPECT_GT(cut, 2);
}

TEST_P(PowerCut, NewerLibrary) { Check(kLibraries[0]); }
TEST_P(PowerCut, OlderLibrary) { Check(kLibraries[1]); }

INSTANTIATE_TEST_SUITE_P(Organisations, PowerCut,
                         ::testing::Combine(::testing::Values('3', '0'), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<char, bool>>& info) {
                             return std::string(std::get<0>(info.param) == '3' ? "Merged" : "ByCounty") +
                                    (std::get<1>(info.param) ? "Syncfs" : "FileByFile");
                         });

}  // namespace

// Every layer of a county costs a handful of flushes whatever their number,
// in every organisation and both libraries; a county the merged files hold
// already, one at most.
TEST(Flushes, AHandfulACounty) {
    for (const Library& lib : kLibraries) {
        const options::OptionsFamily& family = lib.edition > '8' ? options::kLaterOptions : options::kOlderOptions;
        for (const char organisation : {'0', '1', '2', '3'}) {
            SCOPED_TRACE(std::string(1, lib.edition) + organisation);
            TempDir dir;
            const auto [first, second] = WriteTwoCounties(dir.path(), lib.edition);
            std::string options(family.length, '1');
            options[family.edition] = lib.edition;
            options[family.organisation] = organisation;
            const std::string out = dir / "out";
            ASSERT_TRUE(platform::MakeDirectory(out));
            const struct {
                const std::string& county;
                int most;
            } runs[] = {{first, 8}, {second, 8}, {first, organisation == '3' ? 1 : 8}};
            for (const auto& run : runs) {
                ChangeRecording recording(out);
                EXPECT_EQ(lib.convert(run.county, out, options, 1, 1), 0);
                EXPECT_LE(recording.Flushes(), run.most);
            }
        }
    }
}
