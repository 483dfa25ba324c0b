// Node and line layers and road tables of the 1994-2000 editions, through
// Display on hand-made counties: the exact records, shared nodes, a loop
// line, nodes ordered by longitude then latitude, numeric address fields,
// merged counties continuing the node numbers, and GDAL reading the layers.
#include "conv1/display.h"
#include "support/commands.h"
#include "support/layer_files.h"
#include "support/line_records.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// The options of a release-101 county ('6'): line classes, organisation.
std::string OldOptions(std::initializer_list<int> flags, char organisation, char first = '1') {
    std::string options(56, '0');
    for (int f : flags) options[static_cast<size_t>(f)] = f == 0 ? first : '1';
    options[50] = organisation;
    options[53] = '6';
    return options;
}

// Five roads and a railroad: roads 1 and 2 share their end (-84, 36); road 3
// is a loop; roads 4 and 5 start at one longitude (-83) at two latitudes, so
// node order there is by latitude.
void WriteRoadCounty(const std::string& dir, const std::string& base) {
    WriteFile(dir + "/" + base + ".RT1",
              RecordFile({Type1Line("        11", "A41", {-84000000, 35000000}, {-84000000, 36000000})
                              .Put(17, "J").Put(18, "N").Put(20, "Main").Put(50, "St").PutRight(69, "1")
                              .PutRight(80, "99").PutRight(91, "2").PutRight(102, "98").Put(107, "02101")
                              .Put(112, "02102").Put(129, "A").Put(130, "B"),
                          Type1Line("        12", "A41", {-84000000, 36000000}, {-84500000, 36000000}),
                          Type1Line("        13", "A41", {-85000000, 35000000}, {-85000000, 35000000}),
                          Type1Line("        14", "A21", {-83000000, 35500000}, {-82000000, 35500000}),
                          Type1Line("        15", "A21", {-83000000, 35000000}, {-82000000, 35000000}),
                          Type1Line("        16", "B11", {-83500000, 35000000}, {-83500000, 35100000})}));
    // The loop's shape points make it a ring.
    WriteFile(dir + "/" + base + ".RT2",
              RecordFile({Type2Line("        13", 1, {{-85100000, 35000000}, {-85100000, 35100000}, {-85000000, 35100000}})}));
    WriteFile(dir + "/" + base + ".RT4", "");
    WriteFile(dir + "/" + base + ".RT6", "");
}

std::string NodeRecord(long number) {
    std::string text = std::to_string(number);
    return " " + std::string(10 - text.size(), ' ') + text;
}

}  // namespace

TEST(OldLineLayers, NodesAndLinesOfAHandMadeCounty) {
    TempDir dir;
    WriteRoadCounty(dir.path(), "TGR01001");
    ASSERT_EQ(vornak::Display((dir / "TGR01001.RT1").c_str(), dir.path().c_str(), OldOptions({0, 1}, '0').c_str(),
                              1, 1),
              0);
    const std::string folder = dir / "TGR01001/";
    const std::string log = ReadFile(dir / "TGR01001.log");
    EXPECT_HAS(log, "Wrote 8 Type A nodes to shape " + folder + "TGR01001ndA \n");
    EXPECT_HAS(log, "Wrote 5 Type A lines to shape " + folder + "TGR01001lkA\n");
    EXPECT_HAS(log, "Wrote 2 Type B nodes to shape " + folder + "TGR01001ndB \n");

    // Nodes by longitude, then latitude; the loop's two ends are one node and
    // roads 1 and 2 share one.
    const ShpContents nodes = ReadShp(folder + "TGR01001ndA.shp");
    ASSERT_TRUE(nodes.valid);
    ASSERT_EQ(nodes.shapes.size(), 8u);
    const double expected[8][2] = {{-85, 35}, {-84.5, 36}, {-84, 35}, {-84, 36},
                                   {-83, 35}, {-83, 35.5}, {-82, 35}, {-82, 35.5}};
    for (size_t k = 0; k < 8; ++k) {
        ASSERT_EQ(nodes.shapes[k].points.size(), 1u);
        EXPECT_DOUBLE_EQ(nodes.shapes[k].points[0].x, expected[k][0]) << k;
        EXPECT_DOUBLE_EQ(nodes.shapes[k].points[0].y, expected[k][1]) << k;
    }
    const DbfContents nodeTable = ReadDbf(folder + "TGR01001ndA.dbf");
    ASSERT_EQ(nodeTable.count, 8u);
    EXPECT_EQ(nodeTable.records[7], NodeRecord(8));

    // Lines in TLID order: FNODE/TNODE, the loop's equal ends.
    const DbfContents lines = ReadDbf(folder + "TGR01001lkA.dbf");
    ASSERT_TRUE(lines.valid && lines.endMarker);
    ASSERT_EQ(lines.recordLength, 142);
    ASSERT_EQ(lines.count, 5u);
    const char* ends[5][2] = {{"3", "4"}, {"4", "2"}, {"1", "1"}, {"6", "8"}, {"5", "7"}};
    for (size_t r = 0; r < 5; ++r) {
        EXPECT_EQ(Trim(lines.Field(r, "FNODE")), ends[r][0]) << r;
        EXPECT_EQ(Trim(lines.Field(r, "TNODE")), ends[r][1]) << r;
    }
    EXPECT_EQ(lines.records[0], std::string(" ") + "        11" + "         3" + "         4" + "  69.05699" + "N " +
                                    Pad("Main", 30) + "St  " + "  " + "A41" + "          1" + "         99" +
                                    "          2" + "         98" + "02101" + "02102" + "A" + "B" + "A" + "A4" + "J");
    if (HaveOgrinfo()) {
        for (const char* layer : {"TGR01001ndA.shp", "TGR01001lkA.shp", "TGR01001lkB.shp"}) {
            const std::string info = Ogrinfo("-al -so", folder + layer);
            EXPECT_LACKS(info, "Warning");
            EXPECT_LACKS(info, "ERROR");
        }
    }
}

TEST(OldLineLayers, NumericAddressFieldsAndMergedCounties) {
    TempDir dir;
    WriteRoadCounty(dir.path(), "TGR01001");
    WriteRoadCounty(dir.path(), "TGR01003");
    const std::string options = OldOptions({0}, '3', '2');
    vornak::Display((dir / "TGR01001.RT1").c_str(), dir.path().c_str(), options.c_str(), 1, 2);
    const std::string firstShp = ReadFile(dir / "roads/ndA.shp");
    vornak::Display((dir / "TGR01003.RT1").c_str(), dir.path().c_str(), options.c_str(), 2, 2);

    // The second county's nodes are numbered after the first's eight.
    const DbfContents nodes = ReadDbf(dir / "roads/ndA.dbf");
    ASSERT_EQ(nodes.count, 16u);
    EXPECT_EQ(nodes.records[8], NodeRecord(9));
    const DbfContents lines = ReadDbf(dir / "roads/lkA.dbf");
    ASSERT_EQ(lines.count, 10u);
    EXPECT_EQ(Trim(lines.Field(5, "FNODE")), "11");
    EXPECT_EQ(Trim(lines.Field(7, "TNODE")), "9");
    // The address ranges are numbers, right-aligned.
    ASSERT_EQ(lines.columns[9].name, "FRADDL");
    EXPECT_EQ(lines.columns[9].type, 'N');
    EXPECT_EQ(lines.Field(0, "TOADDL"), "         99");
    // The first county's shapes are still there, byte for byte.
    EXPECT_EQ(ReadFile(dir / "roads/ndA.shp").substr(100, firstShp.size() - 100), firstShp.substr(100));
}

// The alternate names follow a type 4 row's references to type 5 rows by
// their number (row 3, row 7), up to the first reference that is not one.
TEST(OldLineLayers, RoadTablesTakeTypeFiveRowsByNumber) {
    TempDir dir;
    WriteRoadCounty(dir.path(), "TGR01001");
    WriteFile(dir / "TGR01001.RT4",
              RecordFile({RecordLine(58).Put(1, "4").Put(6, "        11").Put(16, "  1").Put(19, "       3").Put(27, "       7")
                              .Put(43, "       2")}));
    std::vector<std::string> names;
    for (int k = 1; k <= 7; ++k) {
        names.push_back(RecordLine(52).Put(1, "5").Put(7, "0000000" + std::to_string(k)).Put(17, "Name " + std::to_string(k)).str());
    }
    WriteFile(dir / "TGR01001.RT5", RecordFile(names));
    WriteFile(dir / "TGR01001.RT6",
              RecordFile({RecordLine(76).Put(1, "6").Put(6, "        11").Put(16, "  2").Put(19, "        100").Put(67, "02101")}));
    WriteFile(dir / "TGR01001.RTZ", RecordFile({RecordLine(26).Put(1, "Z").Put(6, "        11").Put(16, "  1").Put(19, "1234")}));
    vornak::Display((dir / "TGR01001.RT1").c_str(), dir.path().c_str(), OldOptions({0}, '0').c_str(), 1, 1);

    const DbfContents alt = ReadDbf(dir / "TGR01001/TGR01001alt.dbf");
    ASSERT_EQ(alt.count, 2u);
    EXPECT_EQ(alt.records[0], " " + std::string("        11") + "  " + Pad("Name 3", 30) + "    " + "  ");
    EXPECT_EQ(Trim(alt.Field(1, "FENAME2")), "Name 7");
    const DbfContents add2 = ReadDbf(dir / "TGR01001/TGR01001add2.dbf");
    ASSERT_EQ(add2.count, 1u);
    EXPECT_EQ(add2.records[0], " " + std::string("        11") + "  2" + "        100" + Blanks(33) + "02101" + Blanks(5));
    const DbfContents zip = ReadDbf(dir / "TGR01001/TGR01001zip.dbf");
    ASSERT_EQ(zip.count, 1u);
    EXPECT_EQ(zip.records[0], " " + std::string("        11") + "  1" + "1234" + Blanks(4));
}
