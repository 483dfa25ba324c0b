// The shared county core driven through its own interfaces, without either
// library: side layers and keyed layers over a hand-drawn county of two
// squares, the table reader frame and its line reader, and the path rule of
// both entries.
#include "conv1/display.h"
#include "conv2/display.h"
#include "platform/paths.h"
#include "support/county_files.h"
#include "support/fake_job_services.h"
#include "support/kml_polygons.h"
#include "support/temp_dir.h"
#include "tigercore/keyed_layer_source.h"
#include "tigercore/scratch_rows.h"
#include "tigercore/side_layer.h"
#include "tigercore/sort_keys.h"
#include "tigercore/table_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <unistd.h>

using namespace testsupport;

namespace {

// Services that keep every dialog change in order; a layer text tells
// whether `scratchFile` was there when it was shown.
class RecordingServices : public FakeJobServices {
public:
    void ShowStatus(const std::string& text) override { events.push_back("status " + text); }
    void ShowLayer(const std::string& text) override {
        events.push_back("layer " + text + (!scratchFile.empty() && Exists(scratchFile) ? " (scratch open)" : ""));
    }
    void SetProgress(int percent) override { events.push_back("progress " + std::to_string(percent)); }
    std::vector<std::string> events;
    std::string scratchFile;
};

// Square A ([0,1] x [0,1], row 0) beside square B ([1,2] x [0,1], row 1);
// every line with the polygon on its left and right (-1: outside).
struct Edge {
    shapeio::PointXY from, to;
    int left, right;
};
const Edge kEdges[] = {
    {{0, 0}, {1, 0}, 0, -1}, {{1, 0}, {2, 0}, 1, -1}, {{2, 0}, {2, 1}, 1, -1}, {{2, 1}, {1, 1}, 1, -1},
    {{1, 1}, {0, 1}, 0, -1}, {{0, 1}, {0, 0}, 0, -1}, {{1, 0}, {1, 1}, 0, 1},
};
const char* const kCodes[] = {"11111", "22222"};

class TwoSquares : public tigercore::CountyLines {
public:
    shapeio::JobServices& Services() override { return services; }
    int LineCount() const override { return 7; }
    const char* Tlid(int line) const override { return kTlids[line]; }
    shapeio::PointXY From(int line) const override { return kEdges[line].from; }
    shapeio::PointXY To(int line) const override { return kEdges[line].to; }
    tigercore::SidePair Sides(tigercore::SideTable, int line) const override {
        return {kEdges[line].left, kEdges[line].right};
    }
    const void* SideRow(tigercore::SideTable, int row) override { return unreadable ? nullptr : kCodes[row]; }
    tigercore::SideWater Water(int line) const override {
        return {waterB && kEdges[line].left == 1, waterB && kEdges[line].right == 1};
    }
    int WaterSideCount() const override { return waterB ? 4 : 0; }
    void AppendShapePoints(const char*, bool, std::vector<shapeio::PointXY>&) override {}
    bool GatheringShowsProgress() const override { return progress; }

    RecordingServices services;
    bool waterB = false;
    bool progress = false;
    bool unreadable = false;

private:
    const char* const kTlids[7] = {"1", "2", "3", "4", "5", "6", "7"};
};

const shapeio::DbfFieldDef kFields[] = {{"GIST_ID", 'N', 8, 0}, {"CODE", 'C', 5, 0}, {nullptr, 0, 0, 0}};

void Code(const tigercore::SideOf& side, tigercore::SideCode& out) {
    std::snprintf(out.key, sizeof out.key, "%5s", side.row ? static_cast<const char*>(side.row) : "");
    std::memcpy(out.entry, out.key, sizeof out.key);
}
void Fill(const polygons::BorderLineEntry& first, shapeio::DbfRecord& record) { record.Add(first.code); }
int EightSides() { return 8; }

const tigercore::SideLayer kLayer = {polygons::PolygonLayerDescriptor()
                                         .Title("Squares")
                                         .SecondTitle("Squares 2000")
                                         .StatusText("Gathering Squares")
                                         .NoRecordsText("no squares\n")
                                         .OverflowText("too many squares")
                                         .NoEntriesClipText("clipped away\n")
                                         .NoEntriesText("no square lines\n")
                                         .Abbreviation("sq")
                                         .ThemeFolder("squares")
                                         .Fields(kFields, "CODE")
                                         .Order(polygons::CompareLeadingText),
                                     tigercore::SideTable::kTypeA, EightSides, Code, Fill};

class SharedLayerTest : public ::testing::Test {
protected:
    polygons::PolygonLayerJob Job(char mode) {
        polygons::PolygonLayerJob job;
        job.services = &lines.services;
        job.scratchFolder = dir.path() + "/";
        job.output = {dir.path() + "/", mode};
        job.countyBaseName = "tgr99001";
        job.countyCode = "99001";
        job.clipWater = lines.waterB;
        return job;
    }
    std::vector<KmlPolygon> Polygons(const std::string& path) { return ReadKmlPolygons(ReadFile(path)).at(0).polygons; }

    TempDir dir;
    TwoSquares lines;
};

TEST_F(SharedLayerTest, SideLayerMakesOnePolygonPerCodeWithBothTitles) {
    ASSERT_TRUE(tigercore::BuildSideLayer(kLayer, lines, Job('0')));
    const std::vector<KmlPolygon> squares = Polygons(dir / "tgr99001sq.kml");
    ASSERT_EQ(squares.size(), 2u);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(squares[k].name, kCodes[k]);
        ASSERT_EQ(squares[k].rings.size(), 1u);
        const std::vector<KmlPoint>& ring = squares[k].rings[0].points;
        ASSERT_EQ(ring.size(), 5u);
        EXPECT_EQ(ring.front(), ring.back());
        for (const KmlPoint& p : ring) EXPECT_TRUE(p.x >= k && p.x <= k + 1) << k;
    }
    // Both titles in turn, and no progress while the sides are gathered.
    const std::vector<std::string>& e = lines.services.events;
    ASSERT_GE(e.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(e.begin(), e.begin() + 5),
              (std::vector<std::string>{"status ", "progress 0", "layer Squares", "layer Squares 2000",
                                        "status Gathering Squares"}));
    EXPECT_EQ(lines.services.log, "");

    // The second title at its moment: with the first, once the scratch files
    // are open (before the entries' room, which the early status precedes),
    // or once the room is obtained too.
    using Moment = polygons::PolygonLayerDescriptor::TitleMoment;
    const struct {
        Moment moment;
        std::vector<std::string> shown;  // after the first title
    } moments[] = {
        {Moment::kWithTitle, {"layer Squares 2000", "status Opening"}},
        {Moment::kAfterScratchFiles, {"layer Squares 2000 (scratch open)", "status Opening"}},
        {Moment::kAfterAllocation, {"status Opening", "layer Squares 2000 (scratch open)"}},
    };
    lines.services.scratchFile = dir / "dbf.tmp";
    for (const auto& m : moments) {
        tigercore::SideLayer layer = kLayer;
        layer.layer = layer.layer.SecondTitle("Squares 2000", m.moment).EarlyStatusText("Opening");
        lines.services.events.clear();
        ASSERT_TRUE(tigercore::BuildSideLayer(layer, lines, Job('0')));
        ASSERT_GE(e.size(), 5u);
        EXPECT_EQ(e[2], "layer Squares");
        EXPECT_EQ(std::vector<std::string>(e.begin() + 3, e.begin() + 5), m.shown);
    }
}

TEST_F(SharedLayerTest, GatheringProgressClippingUnreadableRowsAndOverfullRecords) {
    lines.progress = true;
    lines.waterB = true;
    ASSERT_TRUE(tigercore::BuildSideLayer(kLayer, lines, Job('0')));
    const std::vector<std::string>& e = lines.services.events;
    ASSERT_GE(e.size(), 11u);
    EXPECT_EQ(e[4], "progress 0");
    EXPECT_EQ(e[10], "progress 85");  // line 6 of 7
    const std::vector<KmlPolygon> clipped = Polygons(dir / "tgr99001sq.kml");
    ASSERT_EQ(clipped.size(), 1u);  // square B is water
    EXPECT_EQ(clipped[0].name, "11111");

    lines.unreadable = true;
    EXPECT_FALSE(tigercore::BuildSideLayer(kLayer, lines, Job('0')));
    EXPECT_EQ(lines.services.log, "\nCannot read from temp file\n");
    EXPECT_TRUE(lines.services.failed);
    EXPECT_FALSE(Exists(dir / "dbf.tmp"));

    // A fill that gives a value more than the layer's fields.
    lines.unreadable = false;
    lines.services.log.clear();
    lines.services.failed = false;
    tigercore::SideLayer overfull = kLayer;
    overfull.fill = [](const polygons::BorderLineEntry& first, shapeio::DbfRecord& record) {
        record.Add(first.code).Add("more");
    };
    EXPECT_FALSE(tigercore::BuildSideLayer(overfull, lines, Job('2')));
    EXPECT_EQ(lines.services.log, "directory " + dir / "squares/" +
                                      " created\nWrong record length for layer sq (more values than its 2 fields)\n");
    EXPECT_TRUE(lines.services.failed);
    EXPECT_FALSE(Exists(dir / "dbf.tmp"));
    EXPECT_FALSE(Exists(dir / "squares/tgr99001sq.kml"));
}

// A keyed layer: one polygon per side row, its room counted by the caller.
class RowKeyed : public tigercore::KeyedLayerSource {
public:
    RowKeyed(tigercore::CountyLines& lines, int capacity) : KeyedLayerSource(kLayer.layer, lines, 8, capacity) {}
    std::string AttributeRow(const polygons::BorderLineEntry& first, int gistId) override {
        CountPolygon();
        shapeio::DbfRecord record(kFields);
        record.AddNumber(static_cast<long long>(gistId)).Add(kCodes[first.intKey]);
        return record.text();
    }

protected:
    bool LineSides(int line, tigercore::KeyedSide& left, tigercore::KeyedSide& right) override {
        for (auto [side, row] : {std::pair{&left, kEdges[line].left}, std::pair{&right, kEdges[line].right}}) {
            side->taken = row >= 0;
            side->entry.intKey = row;
        }
        return true;
    }
};

TEST_F(SharedLayerTest, KeyedLayerAndItsRoomAndMergedFolder) {
    RowKeyed keyed(lines, 8);
    polygons::PolygonLayerDescriptor byRow = kLayer.layer.Order(polygons::CompareIntAt8);
    polygons::PolygonLayerJob job = Job('3');
    job.mergedFolderMakes = 1;
    ASSERT_TRUE(polygons::BuildPolygonLayer(byRow, keyed, job));
    EXPECT_EQ(keyed.polygonCount(), 2);
    EXPECT_EQ(Polygons(dir / "squares/sq.kml").size(), 2u);
    EXPECT_EQ(lines.services.log, "directory " + dir.path() + "/squares/ created\n");

    RowKeyed full(lines, 7);
    EXPECT_FALSE(polygons::BuildPolygonLayer(byRow, full, Job('0')));
    EXPECT_NE(lines.services.log.find("too many squares\n"), std::string::npos) << lines.services.log;
}

// The reader frame: a count that must match, and two tables of one line each
// that must hold the same lines.
struct Row {
    char TLID[11];
};
int gRow = 0;
void Parse(int row) { (void)row; }
tigercore::SortKey TlidKey(const Row& r) { return tigercore::KeyWriter().Text(r.TLID, 10).Key(); }

TEST(SharedReaderTest, RequiredCountAndSameLines) {
    TempDir dir;
    WriteFile(dir / "rows", "a\nb\nc\n");
    FakeJobServices services;
    platform::FilePtr file = platform::OpenFile(dir / "rows", "r");
    tigercore::TableReading reading;
    reading.services = &services;
    reading.file = &file;
    reading.rowIndex = &gRow;
    reading.requiredCount = 2;
    reading.countMessage = "count differs";
    std::vector<Row> rows;
    int count = -1;
    EXPECT_FALSE(tigercore::ReadTable(reading, rows, count, Parse, tigercore::NoStep));
    EXPECT_EQ(services.log, "count differs\n");
    EXPECT_TRUE(services.failed);
    EXPECT_FALSE(file);
    EXPECT_EQ(count, 0);

    FakeJobServices same;
    const std::vector<Row> lines = {{"       200"}, {"       100"}};
    const std::vector<Row> links = {{"       100"}, {"       300"}};
    EXPECT_FALSE(tigercore::DescribeSameLines(same, '3', lines, TlidKey, links, TlidKey));
    EXPECT_EQ(same.log, "\nTIGER ERROR-Type 3 and Type 1 records do not describe the same lines, TLID 200\n");
}

// Lines around the end of the reader's first block (4 MiB): the line end of
// one line starts at the block's last byte (a CR LF split by it, a lone CR,
// a LF) or a few bytes after it. Lone CR lines lead up to it and lines of
// every end follow: the lines read are the lines written.
TEST(SharedReaderTest, LinesAroundTheEndOfABlock) {
    constexpr size_t kBlock = size_t{4} << 20;
    const std::pair<size_t, const char*> cases[] = {{0, "\r\n"}, {0, "\r"}, {0, "\n"}, {5, "\r"}, {5, "\n"}};
    for (const auto& [past, end] : cases) {
        SCOPED_TRACE(testing::PrintToString(end) + " " + std::to_string(past));
        std::vector<std::string> lines;
        std::string text;
        auto add = [&](const std::string& line, const char* lineEnd) {
            lines.push_back(line);
            text += line + lineEnd;
        };
        while (text.size() + 200 < kBlock) add(std::string(99, 'x'), "\r");
        add(std::string(kBlock - 1 + past - text.size(), 'y'), end);
        for (const char* lineEnd : {"\r", "\r\n", "\n", "\r", ""}) add("z", lineEnd);
        TempDir dir;
        WriteFile(dir / "rows", text);
        platform::FilePtr file = platform::OpenFile(dir / "rows", "rb");
        tigercore::RecordLineReader reader(file.get());
        EXPECT_EQ(reader.CountRecords(), static_cast<long long>(lines.size()));
        std::vector<std::string> read;
        std::string_view line;
        while (reader.NextLine(line)) read.emplace_back(line);
        EXPECT_TRUE(read == lines) << read.size() << " lines read of " << lines.size();
    }
}

// A path without any '/' names a file in the current directory: both entries
// name the county's log after its title.
TEST(PathRuleTest, BareFileNamesKeepTheirTitle) {
    EXPECT_EQ(platform::FileNameOfPath("tgr47001.rt1"), "tgr47001.rt1");
    EXPECT_EQ(platform::FileTitleOfPath("tgr47001.rt1"), "tgr47001");
    EXPECT_EQ(platform::DirectoryOfPath("tgr47001.rt1"), "");
    EXPECT_EQ(platform::FileTitleOfPath("/data/TGR47001.RT1"), "TGR47001");
    EXPECT_EQ(platform::DirectoryOfPath("/data/TGR47001.RT1"), "/data/");

    TempDir dir;
    char previous[4096];
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(dir.path().c_str()), 0);
    vornak2::DisplayV2("tgr47001.rt1", ".", Options('c', '2').c_str(), 1, 1);
    const std::string options1 = std::string(50, '0') + "2006" + "0";
    vornak::Display("tgr47003.rt1", ".", options1.c_str(), 1, 1);
    ASSERT_EQ(::chdir(previous), 0);
    EXPECT_TRUE(Exists(dir / "tgr47001.log"));
    EXPECT_TRUE(Exists(dir / "tgr47003.log"));
    EXPECT_FALSE(Exists(dir / ".log"));
}

}  // namespace

// The comparators' joined keys are the texts snprintf makes of the same parts,
// cut at the buffer's end as it cuts them.
TEST(JoinedKeyTest, SameTextAsFormatting) {
    const char* const fields[] = {"", "7", "12345", "1234567", " 12 ", "abcdefghijklmnop"};
    for (const char* a : fields) {
        for (const char* b : fields) {
            char expected[12];
            std::snprintf(expected, sizeof expected, "%6s%5s", a, b);
            EXPECT_STREQ(tigercore::JoinedKey<12>().Right(a, 6).Right(b, 5).text(), expected) << a << "|" << b;
            std::snprintf(expected, sizeof expected, "%5.5s%6.6s", a, b);
            EXPECT_STREQ(tigercore::JoinedKey<12>().Right(a, 5, true).Right(b, 6, true).text(), expected)
                << a << "|" << b;
            char made[8];
            std::snprintf(expected, 8, "%s%c%3s", a, 'x', b);
            tigercore::JoinedKey<64>().Text(a).Char('x').Right(b, 3).CopyTo(made, sizeof made);
            EXPECT_STREQ(made, expected) << a << "|" << b;
        }
    }
}

// Rows written to a scratch file come back by number, mapped or not, and
// nothing is read beyond them.
TEST(ScratchRowsTest, RowsMappedAndUnmapped) {
    struct Row {
        char text[6];
        int number;
    };
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    const Row rows[3] = {{"first", 1}, {"secnd", 2}, {"third", 3}};
    ASSERT_EQ(std::fwrite(rows, sizeof(Row), 3, file), 3u);
    ASSERT_EQ(std::fflush(file), 0);
    tigercore::ScratchRows scratch;
    for (int mapped = 0; mapped < 2; ++mapped) {
        if (mapped) scratch.Map(file, 3 * sizeof(Row));
        Row out{};
        ASSERT_TRUE(scratch.Read(file, 2, out)) << mapped;
        EXPECT_STREQ(out.text, "third");
        EXPECT_EQ(out.number, 3);
        ASSERT_TRUE(scratch.Read(file, 0, out)) << mapped;
        EXPECT_STREQ(out.text, "first");
        EXPECT_FALSE(scratch.Read(file, 3, out)) << mapped;
        EXPECT_FALSE(scratch.Read(file, -1, out)) << mapped;
        EXPECT_FALSE(scratch.Read(nullptr, 0, out)) << mapped;
    }
    scratch.Unmap();
    std::fclose(file);
}
