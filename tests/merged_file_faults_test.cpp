// Merged files that cannot be continued keep what they hold, and undoing a
// file that a shorter or longer one replaced gives back its very bytes.
#include "shapeio/dbase_table_writer.h"
#include "shapeio/journal.h"
#include "shapeio/shapefile_layer_writer.h"
#include "platform/private_file.h"
#include "support/fake_job_services.h"
#include "support/temp_dir.h"
#include "support/fault_job.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testsupport;

namespace {

const shapeio::DbfFieldDef kIdFields[] = {{"ID", 'N', 4, 0}, {nullptr, 0, 0, 0}};
const shapeio::PointXY kLine[] = {{1, 2}, {3, 4}};

// Runs `work` where a file of mode 0444 cannot be opened for writing: as
// this user, or for root in a child process that runs as nobody.
bool WithoutWriteAccess(const std::string& folder, const std::function<bool()>& work) {
    if (::geteuid() != 0) return work();
    ::chmod(folder.c_str(), 0777);
    const pid_t child = ::fork();
    if (child == 0) ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && work() ? 0 : 1);
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

// A merged file that is there but cannot be opened fails the county with a
// log line naming it; nothing is put in its place.
TEST(MergedFileFaults, FileThereButNotOpenedStaysAsItIs) {
    const struct {
        const char* locked;  // the file made unopenable
        bool shapefile;      // else a merged table alone
    } cases[] = {{"lkA.dbf", false}, {"lkA.shx", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locked);
        TempDir dir;
        const shapeio::LayerOutput output{dir.path() + "/", "lkA", '3'};
        auto writeCounty = [&](FakeJobServices& services, long long id) {
            if (!c.shapefile) {
                shapeio::DbfTableWriter table(services);
                return table.Open(output.Path(".dbf"), kIdFields,
                                  shapeio::DbfTableWriter::OpenMode::kContinueOrCreate) &&
                       table.WriteRecord(shapeio::DbfRecord(kIdFields).AddNumber(id).text()) && table.Finish(false);
            }
            shapeio::ShapefileLayerWriter layer(services);
            return layer.Open(output, shapeio::kShapePolyLine, kIdFields) &&
                   layer.AddArc(kLine, 2, shapeio::DbfRecord(kIdFields).AddNumber(id).text()) && layer.Finish();
        };
        FakeJobServices first;
        ASSERT_TRUE(writeCounty(first, 7));
        const std::map<std::string, std::string> before = FolderFiles(dir.path());
        const std::string locked = dir / c.locked;
        ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
        EXPECT_TRUE(WithoutWriteAccess(dir.path(), [&] {
            FakeJobServices second;
            return !writeCounty(second, 8) && second.failed &&
                   second.log.find("Could not open file " + locked + " (permission denied)\n") != std::string::npos;
        }));
        EXPECT_TRUE(FolderFiles(dir.path()) == before);
    }
}

// A file that a change replaced whole is put back byte for byte, whether
// the new one is shorter or longer; a file cut shorter than the journal
// can give back is refused and left as it is.
TEST(MergedFileFaults, UndoGivesBackTheBytesOfAReplacedFile) {
    const struct {
        const char* name;
        std::string after;
        bool keptWhole;  // the journal holds the whole file (it was replaced)
        bool restored;
    } cases[] = {
        {"replaced shorter", "abc", true, true},
        {"replaced longer", std::string(40, 'z'), true, true},
        {"replaced by an empty file", "", true, true},
        {"cut shorter than the journal holds", "0123", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string file = dir / "lkA.dbf", before = "0123456789";
        WriteFile(file, before);
        shapeio::Journal journal(dir / "lkA.journal");
        ASSERT_TRUE(c.keptWhole ? journal.Replacing(file) : journal.Begin(file, 10));
        ASSERT_TRUE(platform::WriteWholeFile(file, c.after));
        journal.Close();
        FakeJobServices services;
        EXPECT_EQ(shapeio::Journal::Restore(journal.path(), services, false), c.restored) << services.log;
        EXPECT_EQ(ReadFile(file), c.restored ? before : c.after);
        EXPECT_EQ(Exists(journal.path()), !c.restored);
    }
}
