// Merged files that cannot be continued keep what they hold, and the county
// that meets one fails with its change undone; undoing a file that a
// shorter or longer one replaced gives back its very bytes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/private_file.h"
#include "shapeio/journal.h"
#include "shapeio/shapefile_layer_writer.h"
#include "support/county_files.h"
#include "support/fake_job_services.h"
#include "support/fault_job.h"
#include "support/text_checks.h"

using namespace testsupport;

namespace {
const shapeio::DbfFieldDef kIdFields[] = {{"ID", 'N', 4, 0}, {nullptr, 0, 0, 0}};
const shapeio::PointXY kLine[] = {{1, 2}, {3, 4}};
}  // namespace

// A merged table, or the index of a merged shapefile, that is there but
// cannot be opened fails the county with a log line; nothing replaces it.
TEST(MergedFileFaults, FileThereButNotOpenedStaysAsItIs) {
    for (const std::string locked : {"lkA.dbf", "lkA.shx"}) {
        TempDir dir;
        const shapeio::LayerOutput output{dir.path() + "/", "lkA", '3'};
        auto writeCounty = [&](FakeJobServices& services, long long id) {
            const std::string row = shapeio::DbfRecord(kIdFields).AddNumber(id).text();
            if (locked == "lkA.dbf") {
                shapeio::DbfTableWriter table(services);
                return table.Open(output.Path(".dbf"), kIdFields,
                                  shapeio::DbfTableWriter::OpenMode::kContinueOrCreate) &&
                       table.WriteRecord(row) && table.Finish(false);
            }
            shapeio::ShapefileLayerWriter layer(services);
            return layer.Open(output, shapeio::kShapePolyLine, kIdFields) && layer.AddArc(kLine, 2, row) &&
                   layer.Finish();
        };
        FakeJobServices first, second;
        ASSERT_TRUE(writeCounty(first, 7));
        const std::map<std::string, std::string> before = FolderFiles(dir.path());
        ASSERT_EQ(::chmod((dir / locked).c_str(), 0444), 0);
        // Root writes to any file: the second county runs as nobody then.
        const bool asNobody = ::geteuid() == 0 && ::chmod(dir.path().c_str(), 0777) == 0;
        const pid_t child = asNobody ? ::fork() : 0;
        if (child == 0) {
            const bool refused = (!asNobody || (::setgid(65534) == 0 && ::setuid(65534) == 0)) &&
                                 !writeCounty(second, 8) && second.failed &&
                                 second.log.find("Could not open file " + (dir / locked) + " (permission denied)\n") !=
                                     std::string::npos;
            if (asNobody) ::_exit(refused ? 0 : 1);
            EXPECT_TRUE(refused) << second.log;
        } else {
            int status = 1;
            EXPECT_TRUE(::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        EXPECT_TRUE(FolderFiles(dir.path()) == before) << locked;
    }
}

// A file a change replaced whole is put back byte for byte, whether the new
// one is shorter or longer; one cut shorter than the journal can give back
// is refused and left as it is.
TEST(MergedFileFaults, UndoGivesBackTheBytesOfAReplacedFile) {
    const struct {
        std::string after;
        bool keptWhole;  // the journal holds the whole file (it was replaced)
    } cases[] = {{"abc", true}, {std::string(40, 'z'), true}, {"", true}, {"0123", false}};
    for (const auto& c : cases) {
        TempDir dir;
        const std::string file = dir / "lkA.dbf", before = "0123456789";
        WriteFile(file, before);
        shapeio::Journal journal(dir / "lkA.journal");
        ASSERT_TRUE(c.keptWhole ? journal.Replacing(file) : journal.Begin(file, 10));
        ASSERT_TRUE(platform::WriteWholeFile(file, c.after));
        journal.Close();
        FakeJobServices services;
        EXPECT_EQ(shapeio::Journal::Restore(journal.path(), services, false), c.keptWhole) << c.after;
        EXPECT_EQ(ReadFile(file), c.keptWhole ? before : c.after);
        EXPECT_EQ(Exists(journal.path()), !c.keptWhole);
    }
}

// A merged shapefile whose index file is gone or empty while its shapes or
// its table are there fails the county naming the index file; the three
// files stay as they are.
TEST(MergedFileFaults, LostIndexKeepsTheLayer) {
    const struct {
        std::vector<std::string> removed;
        bool emptied;       // the index file is left empty
        const char* there;  // the file the line names
    } cases[] = {{{"lkA.shx"}, false, "lkA.shp"}, {{}, true, "lkA.shp"}, {{"lkA.shx", "lkA.shp"}, false, "lkA.dbf"}};
    for (const auto& c : cases) {
        TempDir dir;
        const shapeio::LayerOutput output{dir.path() + "/", "lkA", '3'};
        const std::string row = shapeio::DbfRecord(kIdFields).AddNumber(7LL).text();
        FakeJobServices first, second;
        shapeio::ShapefileLayerWriter layer(first);
        ASSERT_TRUE(layer.Open(output, shapeio::kShapePolyLine, kIdFields) && layer.AddArc(kLine, 2, row) &&
                    layer.Finish());
        for (const std::string& name : c.removed) ASSERT_EQ(::unlink((dir / name).c_str()), 0);
        if (c.emptied) WriteFile(dir / "lkA.shx", "");
        const std::map<std::string, std::string> before = FolderFiles(dir.path());

        shapeio::ShapefileLayerWriter next(second);
        EXPECT_FALSE(next.Open(output, shapeio::kShapePolyLine, kIdFields));
        EXPECT_TRUE(second.failed);
        EXPECT_EQ(second.log, "Could not append to file " + (dir / "lkA.shx") + " (it is " +
                                  (c.emptied ? "empty" : "missing") + " while " + (dir / c.there) + " is there)\n");
        EXPECT_TRUE(FolderFiles(dir.path()) == before) << c.there;
    }
}

// A merged document whose closing line is gone: "file error", the log names
// the document, and the county fails with what it added before (its rails)
// taken out again.
TEST(MergedFileFaults, DocumentWithoutClosingLineFailsTheCounty) {
    TempDir dir;
    const auto [first, second] = WriteTwoCounties(dir.path());
    const std::string out = dir / "out", document = out + "/county/ctycu.kml", options = Options('c', '3', {1, 9});
    ASSERT_TRUE(platform::MakeDirectory(out));
    ASSERT_EQ(ConvertCounty(first, out, options), 0);
    std::string text = ReadFile(document);
    WriteFile(document, text.erase(text.rfind("</Document>")));
    const std::map<std::string, std::string> before = FolderFiles(out);
    EXPECT_EQ(ConvertCounty(second, out, options), 1);
    EXPECT_HAS(ReadFile(out + "/TGR25903.log"), "file error\nThe merged document " + document +
                                                     " has no closing </Document> line\nThe merged layers of " + out +
                                                     " were put back as they were before this county\n");
    std::map<std::string, std::string> after = FolderFiles(out);
    after.erase("TGR25903.log");
    EXPECT_TRUE(after == before);
}
