// Merged files that cannot be continued keep what they hold, and the county
// that meets one fails with its change undone; undoing a file that a
// shorter or longer one replaced gives back its very bytes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "county_writer.h"
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
        ASSERT_EQ(::chmod((dir / locked).c_str(), 0444) | ::chmod(dir.path().c_str(), 0777), 0);
        EXPECT_TRUE(HoldsAsNobody([&] {
            return !writeCounty(second, 8) && second.failed &&
                   second.log.find("Could not open file " + (dir / locked) + " (permission denied)\n") !=
                       std::string::npos;
        }));
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

// A merged shapefile that lacks some of its files (or whose index file is
// empty) fails the county naming them; the files there stay as they are.
TEST(MergedFileFaults, AShapefileIsContinuedOnlyWhole) {
    const struct {
        std::vector<std::string> removed;
        bool emptied;       // the index file is left empty
        const char* said;   // what the line says after "is not whole: "
    } cases[] = {
        {{"lkA.shx"}, false, "lkA.shp and lkA.dbf are there without lkA.shx"},
        {{}, true, "lkA.shp and lkA.dbf are there without lkA.shx (the index file is empty)"},
        {{"lkA.shx", "lkA.shp"}, false, "lkA.dbf is there without lkA.shp and lkA.shx"},
        {{"lkA.dbf"}, false, "lkA.shp and lkA.shx are there without lkA.dbf"},
        {{"lkA.shp"}, false, "lkA.shx and lkA.dbf are there without lkA.shp"},
    };
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
        EXPECT_EQ(second.log, "The merged shapefile " + (dir / "lkA") + " is not whole: " + c.said +
                                  "; its files go together: remove all of them to make the layer anew\n");
        EXPECT_TRUE(FolderFiles(dir.path()) == before) << c.said;
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
    // A folder merged before its record was kept: the document cannot be
    // checked against it.
    ASSERT_TRUE(platform::RemoveFile(out + "/.pellard-counties"));
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

// The record is checked against the files a county asks for before it
// relies on them: cut short, without a line, copied from another folder, or
// beside a file put back from a copy (in either library), or a shapefile
// without its table, and the county fails naming the file, the folder as it
// was. A record of version 1 is continued unchecked and written again with
// sizes.
TEST(MergedFileFaults, TheRecordAndItsFilesMustAgree) {
    TempDir dir;
    const auto [first, second] = WriteTwoCounties(dir.path());
    ASSERT_TRUE(platform::MakeDirectory(dir / "older"));
    const auto older = WriteTwoCounties(dir / "older", '6');
    const std::string record = "/.pellard-counties", document = "/county/ctycu.kml";
    const std::string cases[][2] = {{"cut short", "/metadata/met.dbf"}, {"a line removed", document},
                                    {"from another folder", "/rails/lkB.shp"}, {"a file put back", document},
                                    {"older library", "/rails/ndB.shp"}, {"no table", "/rails/lkB"},
                                    {"a table put back", "/rails/lkB.dbf"}, {"version 1", ""}};
    for (const auto& [name, file] : cases) {
        SCOPED_TRACE(name);
        TempDir outDir, alone;
        const bool old = name == "older library", table = name == "a table put back";
        const std::string out = outDir.path(), copied = old || table ? file : document;
        auto convert = [&](bool isFirst, const std::string& to) {
            return old ? ConvertOldCounty(isFirst ? older.first : older.second, to, OldOptions('6', '3', {1}))
                       : ConvertCounty(isFirst ? first : second, to, Options('c', '3', {1, 9}));
        };
        ASSERT_EQ(convert(true, alone.path()) + convert(true, out), 0);
        const std::string copy = ReadFile(out + copied);
        std::vector<std::string> kept = TextLines(ReadFile(out + record));
        if (name == "version 1") {
            kept[0] = "pellard counties 1";
            for (size_t i = 1; i < kept.size(); ++i) kept[i].erase(15, kept[i].find(' ', 15) - 14);
        } else {
            ASSERT_EQ(convert(false, out), 0);
            kept = TextLines(ReadFile((name == "from another folder" ? alone.path() : out) + record));
        }
        if (name == "cut short") kept.pop_back();
        if (name == "a line removed") kept.erase(kept.end() - 2);
        if (name == "a file put back" || old || table) WriteFile(out + copied, copy);
        if (name == "no table") {
            ASSERT_TRUE(platform::RemoveFile(out + "/rails/lkB.dbf"));
        }
        std::string text;
        for (const std::string& line : kept) text += line + "\n";
        WriteFile(out + record, text);
        const std::map<std::string, std::string> before = Tree(out);
        EXPECT_EQ(convert(false, out), file.empty() ? 0 : 1);
        const std::string log = ReadFile(out + "/TGR25903.log");
        if (file.empty()) {  // written again with sizes, which the county run again finds
            EXPECT_EQ(ReadFile(out + record).substr(0, 19), "pellard counties 2\n");
            EXPECT_EQ(convert(false, out), 0);
            EXPECT_HAS(ReadFile(out + "/TGR25903.log"), "is already in every merged file asked for (3)");
            continue;
        }
        EXPECT_HAS(log, name == "no table" ? "The merged shapefile " + out + file + " is not whole: "
                                           : "The merged file " + out + file + " and the record of counties " + out +
                                                 record + " disagree: the file is ");
        EXPECT_TRUE(Tree(out) == before);
    }
}

// A merged county is known by the code all its type I rows give: rows of
// two codes, or a blank one, fail the county naming them before anything
// is written; so does a type I file that cannot be read (which the older
// library reads later).
TEST(MergedFileFaults, ACountyIsKnownByAllItsTypeIRows) {
    TempDir dir;
    const auto [first, second] = WriteTwoCounties(dir.path());
    const std::string rti = second.substr(0, second.size() - 1) + "I", records = ReadFile(rti);
    for (const std::string code : {"25901", "     "}) {
        TempDir outDir;
        const std::string out = outDir.path(), options = Options('c', '3', {1, 9});
        ASSERT_EQ(ConvertCounty(first, out, options), 0);
        std::string rows = records;
        for (size_t at = 0; at < rows.size() && (at == 0 || code[0] == ' '); at = rows.find('\n', at) + 1) {
            rows.replace(at + 5, 5, code);
        }
        WriteFile(rti, rows);
        const std::map<std::string, std::string> before = Tree(out);
        EXPECT_EQ(ConvertCounty(second, out, options), 1);
        EXPECT_HAS(ReadFile(out + "/TGR25903.log"),
                   "The type I records of " + rti + " give the county code" +
                       (code[0] == ' ' ? " (blank)" : "s 25901, 25903") +
                       ", where a county's records give one: TGR25903 cannot be told from the other counties of the "
                       "merged layers of " + out);
        EXPECT_TRUE(Tree(out) == before);
    }
    const std::string out = dir / "out", older = dir / "older";
    ASSERT_TRUE(platform::MakeDirectory(out) && platform::MakeDirectory(older));
    const std::string county = WriteTwoCounties(older, '6').second, olderRti = county.substr(0, county.size() - 1) + "I";
    ASSERT_EQ(::chmod(out.c_str(), 0777) | ::chmod(dir.path().c_str(), 0755) | ::chmod(olderRti.c_str(), 0), 0);
    EXPECT_TRUE(HoldsAsNobody([&] {
        return ConvertOldCounty(county, out, OldOptions('6', '3', {1})) == 1 && !Exists(out + "/rails") &&
               ReadFile(out + "/TGR25903.log").find("Could not read " + olderRti + " (permission denied)") !=
                   std::string::npos;
    }));
}

// Two releases of one county with one edition character (2005 First and
// Second Edition, VERSION 0505 and 1105) are two counties of the record:
// both are added.
TEST(MergedFileFaults, TwoReleasesOfACountyAreBothAdded) {
    TempDir dir;
    for (const int version : {505, 1105}) {
        countygen::CountySpec spec;
        spec.version = version;
        ASSERT_TRUE(platform::MakeDirectory(dir / std::to_string(version)));
        EXPECT_EQ(ConvertCounty(countygen::WriteCounty(spec, dir / std::to_string(version)).type1Path, dir.path(),
                                Options('c', '3', {9})),
                  0);
    }
    EXPECT_EQ(CountOf(ReadFile(dir / "county/ctycu.kml"), "<Folder><name>25901</name>"), 2);
    EXPECT_LACKS(ReadFile(dir / "TGR25901.log"), "is already in");
}
