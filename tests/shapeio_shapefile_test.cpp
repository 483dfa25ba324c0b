// Shapefile layers: the .shp and .shx of a tiny layer byte for byte, the
// pieces' file forms, continuing a layer (organisation '3') and what a failed
// layer leaves behind.
#include "shapeio/byte_order.h"
#include "shapeio/shapefile.h"
#include "shapeio/shapefile_layer_writer.h"
#include "support/bytes.h"
#include "support/fake_job_services.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using shapeio::DbfFieldDef;
using shapeio::LayerOutput;
using shapeio::PointXY;
using shapeio::ShapefileLayerWriter;
using testsupport::Hex;
using testsupport::ReadFile;
using testsupport::ToHex;

namespace {

const DbfFieldDef kIdFields[] = {{"ID", 'N', 4, 0}, {nullptr, 0, 0, 0}};

std::string IdRecord(int id) { return shapeio::DbfRecord(kIdFields).AddNumber(static_cast<long long>(id)).text(); }

// Doubles as the file holds them.
const char* const kOne = "00 00 00 00 00 00 f0 3f";
const char* const kTwo = "00 00 00 00 00 00 00 40";
const char* const kThree = "00 00 00 00 00 00 08 40";
const char* const kFour = "00 00 00 00 00 00 10 40";
const char* const kMinusOne = "00 00 00 00 00 00 f0 bf";
const char* const kMinusThree = "00 00 00 00 00 00 08 c0";
const char* const kHalf = "00 00 00 00 00 00 e0 3f";
const char* const kZero = "00 00 00 00 00 00 00 00";

std::string H(std::initializer_list<const char*> parts) {
    std::string text;
    for (const char* part : parts) text += std::string(part) + " ";
    return Hex(text);
}

const PointXY kLine1[] = {{1, 2}, {3, 4}};
const PointXY kLine2[] = {{-1, 0.5}, {0, 0}, {2, -3}};

LayerOutput Output(const testsupport::TempDir& dir, char mode) { return LayerOutput{dir.path() + "/", "lkA", mode}; }

// Writes the two lines as one county's layer.
void WriteTinyLayer(const LayerOutput& output, testsupport::FakeJobServices& services, int firstId = 1) {
    ShapefileLayerWriter layer(services);
    ASSERT_TRUE(layer.Open(output, shapeio::kShapePolyLine, kIdFields));
    ASSERT_TRUE(layer.AddArc(kLine1, 2, IdRecord(firstId)));
    ASSERT_TRUE(layer.AddArc(kLine2, 3, IdRecord(firstId + 1)));
    ASSERT_TRUE(layer.Finish());
}

}  // namespace

TEST(ShapefileFormat, Pieces) {
    shapeio::ShpHeader header = shapeio::SHP_New_Header(shapeio::kShapePolyLine);
    header.fileLength = 292;
    header.box = {-1, -3, 3, 4};
    EXPECT_EQ(H({"00 00 27 0a", "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00", "00 00 00 92",
                 "e8 03 00 00", "03 00 00 00", kMinusOne, kMinusThree, kThree, kFour,
                 "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"}),
              shapeio::SHP_Prepare_Header(header));
    EXPECT_EQ(Hex("00 00 00 06 00 00 00 28"), shapeio::SHP_Prepare_Record_Header({6, 80}));
    EXPECT_EQ(Hex("00 00 00 32 00 00 00 28"), shapeio::SHP_Prepare_Index({100, 80}));
    EXPECT_EQ(H({"01 00 00 00", kHalf, kMinusThree}), shapeio::SHP_Prepare_Point({1, 0.5, -3}));

    shapeio::ShpArc arc;
    arc.box = {1, 2, 3, 4};
    arc.parts = {0};
    arc.points = kLine1;
    arc.pointCount = 2;
    std::string content = shapeio::SHP_Prepare_Arc(arc);
    EXPECT_EQ(80u, content.size());  // a line of 2 points: 48 + 16 × 2
    EXPECT_EQ(H({"03 00 00 00", kOne, kTwo, kThree, kFour, "01 00 00 00", "02 00 00 00", "00 00 00 00", kOne, kTwo,
                 kThree, kFour}),
              content);
}

TEST(ShapefileFormat, RecordSizes) {
    testsupport::FakeJobServices services;
    shapeio::ShpArc arc;
    arc.parts = {0};
    arc.pointCount = 5;
    EXPECT_EQ(20, shapeio::SHP_Record_Size(shapeio::kShapePoint, nullptr, services));
    EXPECT_EQ(128, shapeio::SHP_Record_Size(shapeio::kShapePolyLine, &arc, services));
    EXPECT_EQ(128, shapeio::SHP_Record_Size(shapeio::kShapePolygon, &arc, services));
    EXPECT_EQ(1, shapeio::SHP_Record_Size(shapeio::kShapeMultiPoint, &arc, services));
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(1, shapeio::SHP_Record_Size(31, &arc, services));
    ASSERT_EQ(1u, services.messages.size());
    EXPECT_EQ("Unknown shapeType = 31", services.messages[0]);
}

TEST(ShapefileLayer, TinyLayerByteForByte) {
    testsupport::TempDir dir;
    testsupport::FakeJobServices services;
    WriteTinyLayer(Output(dir, '0'), services);
    EXPECT_FALSE(services.failed);
    EXPECT_EQ("", services.log);

    const std::string zeros20 = "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00";
    const std::string zeros32 = zeros20 + " 00 00 00 00 00 00 00 00 00 00 00 00";
    // Index: 100 + 2 × 8 = 116 bytes = 58 words; the records at 50 and 94 words.
    EXPECT_EQ(ToHex(H({"00 00 27 0a", zeros20.c_str(), "00 00 00 3a", "e8 03 00 00", "03 00 00 00", kMinusOne,
                       kMinusThree, kThree, kFour, zeros32.c_str(), "00 00 00 32 00 00 00 28",
                       "00 00 00 5e 00 00 00 30"})),
              ToHex(ReadFile(dir / "lkA.shx")));
    // Main file: 100 + (8 + 80) + (8 + 96) = 292 bytes = 146 words.
    EXPECT_EQ(ToHex(H({"00 00 27 0a", zeros20.c_str(), "00 00 00 92", "e8 03 00 00", "03 00 00 00", kMinusOne,
                       kMinusThree, kThree, kFour, zeros32.c_str(),
                       "00 00 00 01 00 00 00 28", "03 00 00 00", kOne, kTwo, kThree, kFour, "01 00 00 00",
                       "02 00 00 00", "00 00 00 00", kOne, kTwo, kThree, kFour,
                       "00 00 00 02 00 00 00 30", "03 00 00 00", kMinusOne, kMinusThree, kTwo, kHalf,
                       "01 00 00 00", "03 00 00 00", "00 00 00 00", kMinusOne, kHalf, kZero, kZero, kTwo,
                       kMinusThree})),
              ToHex(ReadFile(dir / "lkA.shp")));
    std::string dbf = ReadFile(dir / "lkA.dbf");
    ASSERT_EQ(65u + 2 * 5 + 1, dbf.size());
    EXPECT_EQ(Hex("02 00 00 00 41 00 05 00"), dbf.substr(4, 8));
    EXPECT_EQ("    1    2\x1a", dbf.substr(65));
}

TEST(ShapefileLayer, PointLayer) {
    testsupport::TempDir dir;
    testsupport::FakeJobServices services;
    ShapefileLayerWriter layer(services);
    ASSERT_TRUE(layer.Open(LayerOutput{dir.path() + "/", "ndA", '0'}, shapeio::kShapePoint, kIdFields));
    ASSERT_TRUE(layer.AddPoint({0.5, -3}, IdRecord(1)));
    EXPECT_EQ(20, layer.state().shpContentLength);
    ASSERT_TRUE(layer.Finish());
    std::string shp = ReadFile(dir / "ndA.shp");
    ASSERT_EQ(128u, shp.size());  // one record of 28 bytes: header 8, content 20 (10 words)
    EXPECT_EQ(Hex("00 00 00 40"), shp.substr(24, 4));
    EXPECT_EQ(Hex("01 00 00 00"), shp.substr(32, 4));
    EXPECT_EQ(H({kHalf, kMinusThree, kHalf, kMinusThree}), shp.substr(36, 32));
    EXPECT_EQ(H({"00 00 00 01 00 00 00 0a 01 00 00 00", kHalf, kMinusThree}), shp.substr(100));
    EXPECT_EQ(Hex("00 00 00 32 00 00 00 0a"), ReadFile(dir / "ndA.shx").substr(100));
}

TEST(ShapefileLayer, ExistingIndexReadBack) {
    testsupport::TempDir dir;
    testsupport::FakeJobServices services;
    WriteTinyLayer(Output(dir, '0'), services);
    platform::FilePtr shx = platform::OpenFile(dir / "lkA.shx", "r+b");
    shapeio::ExistingShx existing;
    ASSERT_TRUE(shapeio::SHP_Read_Existing_Shx(shx.get(), dir / "lkA.shx", existing, services));
    EXPECT_EQ(58, existing.lengthWords);
    EXPECT_EQ(2, existing.recordCount);
    EXPECT_EQ(-1, existing.box.xmin);
    EXPECT_EQ(-3, existing.box.ymin);
    EXPECT_EQ(3, existing.box.xmax);
    EXPECT_EQ(4, existing.box.ymax);
    EXPECT_EQ(0, std::ftell(shx.get()));  // back at the start
}

TEST(ShapefileLayer, ExistingIndexThatCannotBeRead) {
    testsupport::TempDir dir;
    const std::string said = "Could not read an existing shx file " + dir / "bad.shx";
    const std::pair<std::string, std::string> cases[] = {
        {Hex("00 00 27 0a 00 00"), ": it is shorter than an index file's header"},
        {std::string(100, 'x'), ": it is no shapefile index"}};
    for (const auto& [contents, why] : cases) {
        testsupport::WriteFile(dir / "bad.shx", contents);
        platform::FilePtr shx = platform::OpenFile(dir / "bad.shx", "r+b");
        testsupport::FakeJobServices services;
        shapeio::ExistingShx existing;
        EXPECT_FALSE(shapeio::SHP_Read_Existing_Shx(shx.get(), dir / "bad.shx", existing, services));
        EXPECT_TRUE(services.failed);
        EXPECT_EQ(said + why + "\n", services.log);
    }
}

TEST(ShapefileLayer, MergedCountiesContinueTheLayer) {
    testsupport::TempDir dir;
    const LayerOutput output = Output(dir, '3');
    testsupport::FakeJobServices services;
    // First county: five lines.
    {
        ShapefileLayerWriter layer(services);
        ASSERT_TRUE(layer.Open(output, shapeio::kShapePolyLine, kIdFields));
        EXPECT_EQ(0, layer.existingRecordCount());
        for (int i = 0; i < 5; ++i) {
            const PointXY line[] = {{-71.0 - i, 42.0}, {-71.5 - i, 42.5}};
            ASSERT_TRUE(layer.AddArc(line, 2, IdRecord(i + 1)));
        }
        ASSERT_TRUE(layer.Finish());
    }
    const std::string shp1 = ReadFile(dir / "lkA.shp");
    const std::string shx1 = ReadFile(dir / "lkA.shx");
    const std::string dbf1 = ReadFile(dir / "lkA.dbf");
    EXPECT_EQ(Hex("00 00 00 46"), shx1.substr(24, 4));  // 70 words
    // Second county: three lines, one of them widening the box.
    {
        ShapefileLayerWriter layer(services);
        ASSERT_TRUE(layer.Open(output, shapeio::kShapePolyLine, kIdFields));
        EXPECT_EQ(5, layer.existingRecordCount());
        for (int i = 0; i < 3; ++i) {
            const PointXY line[] = {{-70.0, 41.0 + i}, {-70.5, 41.5}};
            ASSERT_TRUE(layer.AddArc(line, 2, IdRecord(6 + i)));
        }
        ASSERT_TRUE(layer.Finish());
    }
    EXPECT_FALSE(services.failed);
    const std::string shp = ReadFile(dir / "lkA.shp");
    const std::string shx = ReadFile(dir / "lkA.shx");
    const std::string dbf = ReadFile(dir / "lkA.dbf");
    ASSERT_EQ(164u, shx.size());
    EXPECT_EQ(Hex("00 00 00 52"), shx.substr(24, 4));  // (100 + 8 × 8) / 2 = 82 words
    ASSERT_EQ(100u + 8 * 88, shp.size());
    EXPECT_EQ(Hex("00 00 01 92"), shp.substr(24, 4));  // 804 bytes = 402 words
    // The first county's records and index entries are untouched.
    EXPECT_EQ(shp1.substr(100), shp.substr(100, shp1.size() - 100));
    EXPECT_EQ(shx1.substr(100), shx.substr(100, shx1.size() - 100));
    // Record numbers 6, 7, 8 and their offsets.
    for (int k = 0; k < 3; ++k) {
        size_t offset = 100 + (5 + k) * 88;
        EXPECT_EQ(Hex("00 00 00 0" + std::to_string(6 + k) + " 00 00 00 28"), shp.substr(offset, 8));
        std::string entry;
        shapeio::PutInt32BE(entry, static_cast<int32_t>(offset / 2));
        shapeio::PutInt32BE(entry, 40);
        EXPECT_EQ(entry, shx.substr(100 + (5 + k) * 8, 8));
    }
    // The box is the union of both counties' lines.
    std::string box;
    for (double v : {-75.5, 41.0, -70.0, 43.0}) shapeio::PutDoubleLE(box, v);
    EXPECT_EQ(ToHex(box), ToHex(shp.substr(36, 32)));
    EXPECT_EQ(ToHex(box), ToHex(shx.substr(36, 32)));
    // The table counts eight rows, the first county's as they were.
    ASSERT_EQ(65u + 8 * 5 + 1, dbf.size());
    EXPECT_EQ(Hex("08 00 00 00"), dbf.substr(4, 4));
    EXPECT_EQ(dbf1.substr(32, 33 + 5 * 5), dbf.substr(32, 33 + 5 * 5));
    EXPECT_EQ("    6    7    8\x1a", dbf.substr(65 + 25));
}

TEST(ShapefileLayer, EmptyIndexFileStartsANewLayer) {
    testsupport::TempDir dir;
    testsupport::WriteFile(dir / "lkA.shx", "");
    testsupport::FakeJobServices services;
    WriteTinyLayer(Output(dir, '3'), services);
    EXPECT_EQ(116u, ReadFile(dir / "lkA.shx").size());
    EXPECT_EQ(Hex("00 00 00 01"), ReadFile(dir / "lkA.shp").substr(100, 4));
}

TEST(ShapefileLayerFailure, UnwritableFolder) {
    testsupport::TempDir dir;
    testsupport::FakeJobServices services;
    ShapefileLayerWriter layer(services);
    LayerOutput output{dir.path() + "/missing/", "lkA", '0'};
    EXPECT_FALSE(layer.Open(output, shapeio::kShapePolyLine, kIdFields));
    EXPECT_TRUE(services.failed);
    EXPECT_EQ("Could not open file " + output.Path(".shx") + " (no such file or directory)\n", services.log);
    EXPECT_FALSE(layer.AddArc(kLine1, 2, IdRecord(1)));
    EXPECT_FALSE(layer.Finish());
}

TEST(ShapefileLayerFailure, MissingTableOfAContinuedLayer) {
    testsupport::TempDir dir;
    testsupport::FakeJobServices services;
    WriteTinyLayer(Output(dir, '3'), services);
    const std::string shp = ReadFile(dir / "lkA.shp");
    ASSERT_EQ(0, std::remove((dir / "lkA.dbf").c_str()));
    ShapefileLayerWriter layer(services);
    EXPECT_FALSE(layer.Open(Output(dir, '3'), shapeio::kShapePolyLine, kIdFields));
    EXPECT_EQ("The merged shapefile " + dir / "lkA" + " is not whole: lkA.shp and lkA.shx are there without lkA.dbf; "
              "its files go together: remove all of them to make the layer anew\n",
              services.log);
    EXPECT_EQ(shp, ReadFile(dir / "lkA.shp"));
    EXPECT_FALSE(testsupport::Exists(dir / "lkA.dbf"));
}

TEST(ShapefileLayerFailure, FilesThatDisagreeAreNotContinued) {
    testsupport::TempDir dir;
    testsupport::FakeJobServices first;
    WriteTinyLayer(Output(dir, '3'), first);
    // A table with one row fewer than the index.
    {
        testsupport::FakeJobServices services;
        shapeio::DbfTableWriter table(services);
        ASSERT_TRUE(table.Open(dir / "lkA.dbf", kIdFields, shapeio::DbfTableWriter::OpenMode::kCreate));
        ASSERT_TRUE(table.WriteRecord(IdRecord(1)));
        ASSERT_TRUE(table.Finish(true));
    }
    const std::string shp = ReadFile(dir / "lkA.shp"), shx = ReadFile(dir / "lkA.shx"), dbf = ReadFile(dir / "lkA.dbf");
    testsupport::FakeJobServices services;
    ShapefileLayerWriter layer(services);
    EXPECT_FALSE(layer.Open(Output(dir, '3'), shapeio::kShapePolyLine, kIdFields));
    EXPECT_TRUE(services.failed);
    EXPECT_EQ("Could not append to file " + dir / "lkA.dbf" + " (its row count is not the index file's)\n", services.log);
    EXPECT_EQ(shp, ReadFile(dir / "lkA.shp"));
    EXPECT_EQ(shx, ReadFile(dir / "lkA.shx"));
    EXPECT_EQ(dbf, ReadFile(dir / "lkA.dbf"));
}

TEST(ShapefileLayerFailure, FailedNewLayerLeavesNoFiles) {
    testsupport::TempDir dir;
    testsupport::FakeJobServices services;
    {
        ShapefileLayerWriter layer(services);
        ASSERT_TRUE(layer.Open(Output(dir, '0'), shapeio::kShapePolyLine, kIdFields));
        ASSERT_TRUE(layer.AddArc(kLine1, 2, IdRecord(1)));
        EXPECT_FALSE(layer.AddArc(kLine2, 3, "bad record"));
        EXPECT_FALSE(layer.Finish());
    }
    EXPECT_TRUE(services.failed);
    for (const char* name : {"lkA.shp", "lkA.shx", "lkA.dbf"}) EXPECT_FALSE(testsupport::Exists(dir / name)) << name;
}

TEST(ShapefileLayerFailure, WriterDroppedBeforeFinishLeavesNoFiles) {
    testsupport::TempDir dir;
    testsupport::FakeJobServices services;
    {
        ShapefileLayerWriter layer(services);
        ASSERT_TRUE(layer.Open(Output(dir, '0'), shapeio::kShapePolyLine, kIdFields));
        ASSERT_TRUE(layer.AddArc(kLine1, 2, IdRecord(1)));
    }
    for (const char* name : {"lkA.shp", "lkA.shx", "lkA.dbf"}) EXPECT_FALSE(testsupport::Exists(dir / name)) << name;
}

TEST(ShapefileLayerFailure, FullDiskKeepsTheEarlierCounties) {
    testsupport::TempDir dir;
    testsupport::FakeJobServices first;
    WriteTinyLayer(Output(dir, '3'), first);
    const std::string shp = ReadFile(dir / "lkA.shp"), shx = ReadFile(dir / "lkA.shx"), dbf = ReadFile(dir / "lkA.dbf");
    testsupport::FakeJobServices services;
    {
        ShapefileLayerWriter layer(services);
        ASSERT_TRUE(layer.Open(Output(dir, '3'), shapeio::kShapePolyLine, kIdFields));
        testsupport::FileSizeLimit limit(1000);
        bool ok = true;
        for (int i = 0; i < 100 && ok; ++i) ok = layer.AddArc(kLine2, 3, IdRecord(i));
        EXPECT_FALSE(ok);
    }
    EXPECT_TRUE(services.failed);
    EXPECT_NE(std::string::npos, services.log.find("Error: numWritten in record header is = ")) << services.log;
    EXPECT_EQ(shp, ReadFile(dir / "lkA.shp"));
    EXPECT_EQ(shx, ReadFile(dir / "lkA.shx"));
    EXPECT_EQ(dbf, ReadFile(dir / "lkA.dbf"));
}
