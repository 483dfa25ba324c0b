// Line layers by feature class, written through DisplayV2 from hand-made and
// generated counties: the exact bytes of a small layer, node ids, over/under
// flags, lengths in miles, numeric address fields, merged counties and the
// failures that must leave earlier files as they were.
#include "conv2/conversion_dialog.h"
#include "conv2/job_state.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "county_model.h"
#include "county_writer.h"
#include "support/bytes.h"
#include "support/commands.h"
#include "support/county_files.h"
#include "support/layer_files.h"
#include "support/line_records.h"
#include "support/real_county.h"
#include "support/record_job.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

using namespace testsupport;

namespace {

double Deg(long long millionths) { return static_cast<double>(millionths) * 0.000001; }

// The hand-made county "tgr01001": two roads (one of them a P line) and a
// railroad, on meridians so that their lengths are whole multiples of the
// length of a degree of latitude.
void WriteSmallCounty(const std::string& dir) {
    WriteFile(dir + "/tgr01001.rt1",
              RecordFile({Type1Line("11", "A41", {-84000000, 35000000}, {-84000000, 36000000})
                              .Put(17, "J").Put(18, "N").Put(20, "Main").Put(50, "St")
                              .PutRight(69, "1").PutRight(80, "99").PutRight(91, "2").PutRight(102, "98")
                              .Put(103, "1").Put(105, "9").Put(106, "0").Put(107, "02101").Put(112, "02102")
                              .Put(129, "A").Put(131, "01").Put(133, "01").Put(135, "001").Put(138, "001")
                              .Put(171, "000100").Put(177, "000200").Put(183, "1001").Put(187, "2002"),
                          Type1Line("13", "B11", {-83500000, 35000000}, {-83500000, 35100000}),
                          Type1Line("12", "P41", {-83000000, 36000000}, {-83000000, 35500000})}));
    WriteFile(dir + "/tgr01001.rt2", RecordFile({Type2Line("11", 1, {{-84000000, 35250000}, {-84000000, 35750000}})}));
    WriteFile(dir + "/tgr01001.rti", RecordFile({TypeILine("11", "101", "102"), TypeILine("12", "103", "104"),
                                                 TypeILine("13", "105", "106")}));
    // Line 11 passes over at its end node, line 12 under at its start node.
    WriteFile(dir + "/tgr01001.rtu",
              RecordFile({TypeULine("102", 1, "11", "", "", ""), TypeULine("103", 1, "", "", "", "12")}));
    WriteEmptyRecordFiles(dir, "tgr01001", {"rt4", "rt5", "rt6", "rtz"});
}

// The attribute records of the two roads of the small county, by hand.
const std::string kMainStreetRecord =
    " " "        11" "       101" "       102" " " "O" "  69.05699" "N " + Pad("Main", 30) + "St  " "  " "A41"
    "          1" "         99" "          2" "         98" "02101" "02102" "A" "A4" "J" "1" "0" "9" "0"
    "     " "     " "0" "0" "A" "0" "01" "01" "001" "001" + Blanks(30) + "000100" "000200" "1001" "2002";
const std::string kPLineRecord = " " "        12" "       103" "       104" "U" " " "  34.52850" + Blanks(2 + 30 + 4 + 2) +
                                 "P41" + Blanks(44 + 10) + "P" "P4" "0" "0000" + Blanks(10) + "0000" +
                                 Blanks(2 + 2 + 3 + 3 + 30 + 12 + 8);

const DbfField kLineFieldSpecs[] = {
    {"TLID", 'N', 10, 0},     {"FNODE", 'N', 10, 0},    {"TNODE", 'N', 10, 0},   {"FOVRUNDR", 'C', 1, 0},
    {"TOVRUNDR", 'C', 1, 0},  {"LENGTH", 'N', 10, 5},   {"FEDIRP", 'C', 2, 0},   {"FENAME", 'C', 30, 0},
    {"FETYPE", 'C', 4, 0},    {"FEDIRS", 'C', 2, 0},    {"CFCC", 'C', 3, 0},     {"FRADDL", 'C', 11, 0},
    {"TOADDL", 'C', 11, 0},   {"FRADDR", 'C', 11, 0},   {"TOADDR", 'C', 11, 0},  {"ZIPL", 'C', 5, 0},
    {"ZIPR", 'C', 5, 0},      {"CFCC1", 'C', 1, 0},     {"CFCC2", 'C', 2, 0},    {"SOURCE", 'C', 1, 0},
    {"FRIADDL", 'C', 1, 0},   {"TOIADDL", 'C', 1, 0},   {"FRIADDR", 'C', 1, 0},  {"TOIADDR", 'C', 1, 0},
    {"AIANHHFPL", 'C', 5, 0}, {"AIANHHFPR", 'C', 5, 0}, {"AIHHTLIL", 'C', 1, 0}, {"AIHHTLIR", 'C', 1, 0},
    {"CENSUS1", 'C', 1, 0},   {"CENSUS2", 'C', 1, 0},   {"STATEL", 'C', 2, 0},   {"STATER", 'C', 2, 0},
    {"COUNTYL", 'C', 3, 0},   {"COUNTYR", 'C', 3, 0},   {"COUSUBL", 'C', 5, 0},  {"COUSUBR", 'C', 5, 0},
    {"SUBMCDL", 'C', 5, 0},   {"SUBMCDR", 'C', 5, 0},   {"PLACEL", 'C', 5, 0},   {"PLACER", 'C', 5, 0},
    {"TRACTL", 'C', 6, 0},    {"TRACTR", 'C', 6, 0},    {"BLOCKL", 'C', 4, 0},   {"BLOCKR", 'C', 4, 0},
};

using Points = std::vector<std::pair<double, double>>;

std::string BoxBytes(double xmin, double ymin, double xmax, double ymax) {
    return DoubleLE(xmin) + DoubleLE(ymin) + DoubleLE(xmax) + DoubleLE(ymax);
}

std::string ShpHeaderBytes(int32_t lengthBytes, const std::string& box) {
    return Int32BE(9994) + std::string(20, '\0') + Int32BE(lengthBytes / 2) + Int32LE(1000) + Int32LE(3) + box +
           std::string(32, '\0');
}

std::string PolyLineBytes(int32_t number, const Points& points) {
    double xmin = 1e99, ymin = 1e99, xmax = -1e99, ymax = -1e99;
    std::string coordinates;
    for (auto [x, y] : points) {
        xmin = std::min(xmin, x), xmax = std::max(xmax, x), ymin = std::min(ymin, y), ymax = std::max(ymax, y);
        coordinates += DoubleLE(x) + DoubleLE(y);
    }
    const int32_t content = 48 + 16 * static_cast<int32_t>(points.size());
    return Int32BE(number) + Int32BE(content / 2) + Int32LE(3) + BoxBytes(xmin, ymin, xmax, ymax) + Int32LE(1) +
           Int32LE(static_cast<int32_t>(points.size())) + Int32LE(0) + coordinates;
}

TEST(LineLayers, SmallCountyByteExact) {
    TempDir dir;
    WriteSmallCounty(dir.path());
    const std::string out = dir.path();
    // Roads, rails and landmark lines (none in this county).
    ConvertCounty(dir / "tgr01001.rt1", out, Options('c', '0', {0, 1, 3}));

    EXPECT_EQ(LogOf(out, "tgr01001"), "directory " + out + "/tgr01001 created\n"
                                      "Wrote 2 Type A lines to shape " + out + "/tgr01001/tgr01001lkA\n"
                                      "Wrote 1 Type B lines to shape " + out + "/tgr01001/tgr01001lkB\n");
    const std::string stem = out + "/tgr01001/tgr01001lk";

    // The roads: line 11 with its two shape points, then the P line 12.
    const Points mainStreet = {{Deg(-84000000), Deg(35000000)}, {Deg(-84000000), Deg(35250000)},
                               {Deg(-84000000), Deg(35750000)}, {Deg(-84000000), Deg(36000000)}};
    const Points pLine = {{Deg(-83000000), Deg(36000000)}, {Deg(-83000000), Deg(35500000)}};
    const std::string box = BoxBytes(Deg(-84000000), Deg(35000000), Deg(-83000000), Deg(36000000));
    EXPECT_EQ(ToHex(ReadFile(stem + "A.shp")),
              ToHex(ShpHeaderBytes(100 + 120 + 88, box) + PolyLineBytes(1, mainStreet) + PolyLineBytes(2, pLine)));
    EXPECT_EQ(ToHex(ReadFile(stem + "A.shx")), ToHex(ShpHeaderBytes(116, box) + Int32BE(50) + Int32BE(56) +
                                                     Int32BE(110) + Int32BE(40)));
    ASSERT_EQ(kMainStreetRecord.size(), 220u);
    ASSERT_EQ(kPLineRecord.size(), 220u);
    const std::vector<DbfField> lineFields(std::begin(kLineFieldSpecs), std::end(kLineFieldSpecs));
    EXPECT_EQ(ReadFile(stem + "A.dbf"), DbfBytes(lineFields, {kMainStreetRecord, kPLineRecord}));

    // The railroad: one line of 0.1 degree of latitude.
    DbfContents rails = ReadDbf(stem + "B.dbf");
    ASSERT_TRUE(rails.valid && rails.endMarker);
    ASSERT_EQ(rails.count, 1u);
    EXPECT_EQ(rails.Field(0, "TLID"), "        13");
    EXPECT_EQ(rails.Field(0, "LENGTH"), "   6.90570");
    EXPECT_EQ(rails.Field(0, "FNODE") + rails.Field(0, "TNODE"), "       105       106");
    EXPECT_EQ(rails.Field(0, "FOVRUNDR") + rails.Field(0, "TOVRUNDR"), "  ");
    ShpContents railShapes = ReadShp(stem + "B.shp");
    ASSERT_TRUE(railShapes.valid);
    ASSERT_EQ(railShapes.shapes.size(), 1u);
    EXPECT_EQ(railShapes.shapes[0].points.size(), 2u);

    // A class asked for without lines leaves no files.
    EXPECT_FALSE(Exists(stem + "D.shp") || Exists(stem + "D.dbf") || Exists(stem + "D.shx"));

    if (HaveOgrinfo()) {
        const std::string info = Ogrinfo("-al", stem + "A.shp");
        EXPECT_NE(info.find("Feature Count: 2"), std::string::npos) << info;
        EXPECT_NE(info.find("LENGTH: Real (10.5)"), std::string::npos) << info;
        EXPECT_NE(info.find("FENAME (String) = Main"), std::string::npos) << info;
        EXPECT_NE(info.find("LINESTRING (-84 35,-84 35.25,-84 35.75,-84 36)"), std::string::npos) << info;
        EXPECT_EQ(info.find("Warning"), std::string::npos) << info;
        EXPECT_EQ(info.find("ERROR"), std::string::npos) << info;
    }
}

TEST(LineLayers, NumericAddressFieldsChangeOnlyTheDescriptors) {
    TempDir dir;
    WriteSmallCounty(dir.path());
    std::string options = Options('c', '0', {0});
    options[0] = '2';
    ConvertCounty(dir / "tgr01001.rt1", dir.path(), options);

    std::vector<DbfField> fields(std::begin(kLineFieldSpecs), std::end(kLineFieldSpecs));
    for (DbfField& f : fields) {
        const std::string name = f.name;
        if (name == "FRADDL" || name == "TOADDL" || name == "FRADDR" || name == "TOADDR") f.type = 'N';
    }
    fields[26].name = "AIHHTLI";
    fields[27].name = "AIHHTLR";
    EXPECT_EQ(ReadFile(dir / "tgr01001/tgr01001lkA.dbf"), DbfBytes(fields, {kMainStreetRecord, kPLineRecord}));
    if (HaveOgrinfo()) {
        const std::string info = Ogrinfo("-al -where \"TLID = 11\"", dir / "tgr01001/tgr01001lkA.dbf");
        EXPECT_NE(info.find("TOADDL (Integer64) = 99"), std::string::npos) << info;
        EXPECT_NE(info.find("AIHHTLI (String) = 0"), std::string::npos) << info;
    }
}

// The second county of the merged-organisation tests: two more roads, one of
// them widening the layer's box to the south-west.
void WriteSecondCounty(const std::string& dir, bool brokenShapePoints = false) {
    WriteFile(dir + "/tgr01003.rt1",
              RecordFile({Type1Line("21", "A41", {-82000000, 35000000}, {-82000000, 35200000}),
                          Type1Line("22", "A21", {-85000000, 34000000}, {-85000000, 34500000})}));
    // A line's shape points whose first row is missing.
    WriteFile(dir + "/tgr01003.rt2",
              brokenShapePoints ? RecordFile({Type2Line("22", 2, {{-85000000, 34250000}})}) : std::string());
    WriteFile(dir + "/tgr01003.rti",
              RecordFile({TypeILine("21", "201", "202", "01003"), TypeILine("22", "203", "204", "01003")}));
    WriteEmptyRecordFiles(dir, "tgr01003", {"rt4", "rt5", "rt6", "rtz", "rtu"});
}

TEST(LineLayers, MergedCountiesContinueTheLayer) {
    TempDir dir;
    WriteSmallCounty(dir.path());
    WriteSecondCounty(dir.path());
    const std::string out = dir.path();
    const std::string options = Options('c', '3', {0, 1});

    ConvertCounty(dir / "tgr01001.rt1", out, options);
    EXPECT_EQ(LogOf(out, "tgr01001"), "directory " + out + "/roads/ created\n"
                                      "Wrote 2 Type A lines to shape " + out + "/roads/lkA\n"
                                      "directory " + out + "/rails/ created\n"
                                      "Wrote 1 Type B lines to shape " + out + "/rails/lkB\n");
    const std::string firstShp = ReadFile(dir / "roads/lkA.shp");
    const std::string firstShx = ReadFile(dir / "roads/lkA.shx");
    const DbfContents firstDbf = ReadDbf(dir / "roads/lkA.dbf");
    const std::string rails = ReadFile(dir / "rails/lkB.shp");

    ConvertCounty(dir / "tgr01003.rt1", out, options);
    EXPECT_EQ(LogOf(out, "tgr01003"), "directory " + out + "/roads/ not created\n"
                                      "Wrote 2 Type A lines to shape " + out + "/roads/lkA\n");

    // The first county's shapes and index entries are untouched, the new
    // records are numbered on, and the header covers both counties.
    const std::string shp = ReadFile(dir / "roads/lkA.shp");
    const std::string shx = ReadFile(dir / "roads/lkA.shx");
    ASSERT_GT(shp.size(), firstShp.size());
    EXPECT_EQ(shp.substr(100, firstShp.size() - 100), firstShp.substr(100));
    EXPECT_EQ(shx.substr(100, firstShx.size() - 100), firstShx.substr(100));
    EXPECT_EQ(shx.size(), 100u + 4 * 8);
    const Points second = {{Deg(-82000000), Deg(35000000)}, {Deg(-82000000), Deg(35200000)}};
    const Points third = {{Deg(-85000000), Deg(34000000)}, {Deg(-85000000), Deg(34500000)}};
    EXPECT_EQ(ToHex(shp.substr(firstShp.size())), ToHex(PolyLineBytes(3, second) + PolyLineBytes(4, third)));
    const std::string box = BoxBytes(Deg(-85000000), Deg(34000000), Deg(-82000000), Deg(36000000));
    EXPECT_EQ(ToHex(shp.substr(0, 100)), ToHex(ShpHeaderBytes(static_cast<int32_t>(shp.size()), box)));
    EXPECT_EQ(ToHex(shx.substr(0, 100)), ToHex(ShpHeaderBytes(static_cast<int32_t>(shx.size()), box)));
    EXPECT_EQ(ToHex(shx.substr(firstShx.size())),
              ToHex(Int32BE(static_cast<int32_t>(firstShp.size() / 2)) + Int32BE(40) +
                    Int32BE(static_cast<int32_t>(firstShp.size() / 2 + 44)) + Int32BE(40)));

    const DbfContents dbf = ReadDbf(dir / "roads/lkA.dbf");
    ASSERT_TRUE(dbf.valid && dbf.endMarker);
    ASSERT_EQ(dbf.count, 4u);
    EXPECT_EQ(dbf.records[0], firstDbf.records[0]);
    EXPECT_EQ(dbf.records[1], firstDbf.records[1]);
    EXPECT_EQ(dbf.Field(2, "TLID") + dbf.Field(3, "TLID"), "        21        22");
    EXPECT_EQ(dbf.Field(3, "FNODE"), "       203");
    EXPECT_EQ(ReadFile(dir / "rails/lkB.shp"), rails);  // nothing of class B in the second county

    if (HaveOgrinfo()) {
        const std::string info = Ogrinfo("-al -so", dir / "roads/lkA.shp");
        EXPECT_NE(info.find("Feature Count: 4"), std::string::npos) << info;
        EXPECT_NE(info.find("Extent: (-85.000000, 34.000000) - (-82.000000, 36.000000)"), std::string::npos)
            << info;
        EXPECT_EQ(info.find("Warning"), std::string::npos) << info;
    }
}

TEST(LineLayers, FailedCountyLeavesTheMergedLayerAsItWas) {
    TempDir dir;
    WriteSmallCounty(dir.path());
    WriteSecondCounty(dir.path(), true);
    const std::string options = Options('c', '3', {0});
    ConvertCounty(dir / "tgr01001.rt1", dir.path(), options);
    const std::string shp = ReadFile(dir / "roads/lkA.shp");
    const std::string shx = ReadFile(dir / "roads/lkA.shx");
    const std::string dbf = ReadFile(dir / "roads/lkA.dbf");

    ConvertCounty(dir / "tgr01003.rt1", dir.path(), options);
    EXPECT_NE(LogOf(dir.path(), "tgr01003").find("ERROR - nonmatching Tlid values after sequence adjustment\n"),
              std::string::npos);
    EXPECT_EQ(ReadFile(dir / "roads/lkA.shp"), shp);
    EXPECT_EQ(ReadFile(dir / "roads/lkA.shx"), shx);
    EXPECT_EQ(ReadFile(dir / "roads/lkA.dbf"), dbf);
}

TEST(LineLayers, FailedCountyLeavesNoNewFiles) {
    TempDir dir;
    WriteSecondCounty(dir.path(), true);
    ConvertCounty(dir / "tgr01003.rt1", dir.path(), Options('c', '2', {0}));
    const std::string log = LogOf(dir.path(), "tgr01003");
    EXPECT_NE(log.find("ERROR - nonmatching Tlid values after sequence adjustment\n"), std::string::npos);
    EXPECT_EQ(log.find("Wrote"), std::string::npos) << log;
    EXPECT_FALSE(Exists(dir / "roads/tgr01003lkA.shp") || Exists(dir / "roads/tgr01003lkA.shx") ||
                 Exists(dir / "roads/tgr01003lkA.dbf"));
}

TEST(LineLayers, LineWithoutTypeIRecordHasBlankNodes) {
    TempDir dir;
    RecordJob job(dir.path());
    job.OpenText(RecordFile({Type1Line("7", "H11", {-84000000, 35000000}, {-84000000, 35500000})}));
    vornak2::ReadType1Records();
    ASSERT_EQ(vornak2::gConversionStatus, 0);
    vornak2::ConversionDialog dialog;
    dialog.layerFlags[6] = 1;
    vornak2::gCurrentJob = &dialog;
    vornak2::gOrganisationMode = '1';
    vornak2::gCountyBaseName = "tgr01005";
    vornak2::BuildLineLayers();
    vornak2::gCurrentJob = nullptr;

    EXPECT_EQ(vornak2::gConversionStatus, 0);
    EXPECT_EQ(LogMessages(job.Log()), "Cannot find matching I record for tlid          7\n"
                         "Wrote 1 Type H lines to shape " + dir.path() + "/tgr01005lkH\n");
    const DbfContents water = ReadDbf(dir / "tgr01005lkH.dbf");
    ASSERT_EQ(water.count, 1u);
    EXPECT_EQ(water.Field(0, "FNODE") + water.Field(0, "TNODE"), Blanks(20));
    EXPECT_EQ(water.Field(0, "FOVRUNDR") + water.Field(0, "TOVRUNDR"), "  ");
    EXPECT_EQ(water.Field(0, "LENGTH"), "  34.52850");
}

// A generated county with every line class: counts, nodes, flags, lengths
// and points of every line against the county's formulas.
TEST(LineLayers, GeneratedCountyLineByLine) {
    TempDir dir;
    countygen::CountySpec spec;
    spec.width = 17;
    spec.height = 11;
    spec.seed = 5;
    const countygen::CountyModel model(spec);
    const countygen::GeneratedCounty county = countygen::WriteCounty(spec, dir.path());
    ConvertCounty(county.type1Path, dir.path(), Options('c', '1', {0, 1, 2, 3, 4, 5, 6, 7}));

    // The flags of (line, node) from the type U rows.
    std::map<std::pair<std::string, int>, char> flags;
    for (const countygen::OverUnderPass& u : model.OverUnderPasses()) {
        for (const std::string& tlid : {u.tlidov1, u.tlidov2}) flags[{tlid, u.node}] = 'O';
        for (const std::string& tlid : {u.tlidun1, u.tlidun2}) flags[{tlid, u.node}] = 'U';
    }
    auto flagOf = [&flags](const std::string& tlid, int node) {
        auto it = flags.find({tlid, node});
        return it == flags.end() ? ' ' : it->second;
    };

    const std::string letters = "ABCDEFHX";
    const std::array<int, 8> counts = model.ClassCounts();
    std::map<std::string, std::pair<const DbfContents*, size_t>> rowOf;  // TLID -> table, row
    std::map<std::string, const ShpShape*> shapeOf;
    std::vector<DbfContents> tables(8);
    std::vector<ShpContents> shapes(8);
    for (size_t c = 0; c < 8; ++c) {
        const std::string stem = dir / ("tigershapes/TGR25901lk" + std::string(1, letters[c]));
        if (counts[c] == 0) {
            EXPECT_FALSE(Exists(stem + ".shp")) << letters[c];
            continue;
        }
        tables[c] = ReadDbf(stem + ".dbf");
        shapes[c] = ReadShp(stem + ".shp");
        ASSERT_TRUE(tables[c].valid && shapes[c].valid) << letters[c];
        ASSERT_EQ(tables[c].count, static_cast<uint32_t>(counts[c])) << letters[c];
        ASSERT_EQ(shapes[c].shapes.size(), static_cast<size_t>(counts[c])) << letters[c];
        for (size_t r = 0; r < tables[c].count; ++r) {
            rowOf[tables[c].Field(r, "TLID")] = {&tables[c], r};
            shapeOf[tables[c].Field(r, "TLID")] = &shapes[c].shapes[r];
            EXPECT_EQ(shapes[c].shapes[r].number, static_cast<int32_t>(r + 1));
        }
        if (HaveOgrinfo()) {
            const std::string info = Ogrinfo("-al -so", stem + ".shp");
            EXPECT_NE(info.find("Feature Count: " + std::to_string(counts[c])), std::string::npos) << info;
            EXPECT_EQ(info.find("Warning"), std::string::npos) << info;
        }
    }
    ASSERT_EQ(rowOf.size(), static_cast<size_t>(model.LineCount()));

    int overUnder = 0;
    for (int l = 0; l < model.LineCount(); ++l) {
        const countygen::LineInfo line = model.Line(l);
        const auto [table, row] = rowOf.at(line.tlid);
        EXPECT_EQ(table->Field(row, "CFCC"), line.cfcc);
        EXPECT_EQ(table->Field(row, "FNODE"), model.Tzid(line.fromNode));
        EXPECT_EQ(table->Field(row, "TNODE"), model.Tzid(line.toNode));
        const std::string expectedFlags{flagOf(line.tlid, line.fromNode), flagOf(line.tlid, line.toNode)};
        EXPECT_EQ(table->Field(row, "FOVRUNDR") + table->Field(row, "TOVRUNDR"), expectedFlags) << line.tlid;
        overUnder += (expectedFlags[0] != ' ') + (expectedFlags[1] != ' ');

        // Every line is 0.001 degree long: along a meridian that is 0.001
        // of the 69.05699 miles of a degree; along a parallel, shorter by
        // the cosine of the latitude.
        const double miles = std::stod(table->Field(row, "LENGTH"));
        const double perDegree = 69.05699347774025;
        if (line.horizontal) {
            EXPECT_NEAR(miles, 0.001 * perDegree * std::cos(Deg(line.from.lat) * M_PI / 180), 6e-6) << line.tlid;
        } else {
            EXPECT_EQ(table->Field(row, "LENGTH"), "   0.06906") << line.tlid;
        }

        const ShpShape& shape = *shapeOf.at(line.tlid);
        std::vector<countygen::PointM> expected = {line.from};
        expected.insert(expected.end(), line.shapePoints.begin(), line.shapePoints.end());
        expected.push_back(line.to);
        ASSERT_EQ(shape.points.size(), expected.size()) << line.tlid;
        for (size_t p = 0; p < expected.size(); ++p) {
            EXPECT_EQ(shape.points[p].x, Deg(expected[p].lon));
            EXPECT_EQ(shape.points[p].y, Deg(expected[p].lat));
        }
    }
    EXPECT_GT(overUnder, 0);
}

// The real county: every line class with the counts of its type 1 file, and
// every line's points as GDAL's TIGER reader sees them.
TEST(LineLayers, RealCountyMatchesGdal) {
    if (RealCountyArchive().empty()) GTEST_SKIP() << kNoRealCounty;
    if (!HaveOgrinfo()) GTEST_SKIP() << kNoOgrinfo;
    TempDir dir;
    ASSERT_TRUE(UnpackRealCounty(dir.path()));
    ConvertCounty(dir / "TGR25025.RT1", dir.path(), Options('c', '2', {0, 1, 2, 3, 4, 5, 6, 7}));
    const std::string log = LogOf(dir.path(), "TGR25025");
    EXPECT_EQ(log.find("Cannot find"), std::string::npos) << log;
    EXPECT_EQ(log.find("ERROR"), std::string::npos) << log;

    // GDAL's lines: TLID, CFCC and points.
    std::istringstream gdal(Ogrinfo("-q", dir / "TGR25025.RT1", "CompleteChain"));
    std::map<long long, std::pair<std::string, Points>> gdalLines;
    long long tlid = 0;
    std::string cfcc;
    for (std::string text; std::getline(gdal, text);) {
        if (text.rfind("  TLID (Integer) = ", 0) == 0) tlid = std::stoll(text.substr(19));
        if (text.rfind("  CFCC (String) = ", 0) == 0) cfcc = text.substr(18);
        if (text.rfind("  LINESTRING (", 0) == 0) {
            Points points;
            std::istringstream coordinates(text.substr(14));
            double x, y;
            char separator;
            while (coordinates >> x >> y) {
                points.push_back({x, y});
                coordinates >> separator;
            }
            gdalLines[tlid] = {cfcc, points};
        }
    }
    ASSERT_EQ(gdalLines.size(), 23454u);

    const std::string letters = "ABCDEFHX";
    const char* folders[] = {"roads", "rails", "misc_trans", "landmark_lines", "physicalfeatures", "nonvisible",
                             "hydrography", "unknown"};
    std::set<long long> seen;
    for (size_t c = 0; c < 8; ++c) {
        int expectedCount = 0;
        for (const auto& [id, line] : gdalLines) {
            char letter = line.first[0] == 'P' ? 'A' : line.first[0] == 'G' ? 'F' : line.first[0];
            expectedCount += letter == letters[c];
        }
        const std::string stem = dir / (std::string(folders[c]) + "/TGR25025lk" + letters[c]);
        if (expectedCount == 0) {
            EXPECT_FALSE(Exists(stem + ".shp")) << letters[c];
            continue;
        }
        const DbfContents table = ReadDbf(stem + ".dbf");
        const ShpContents shapes = ReadShp(stem + ".shp");
        ASSERT_TRUE(table.valid && table.endMarker && shapes.valid) << letters[c];
        EXPECT_EQ(table.recordLength, 220);
        ASSERT_EQ(table.count, static_cast<uint32_t>(expectedCount)) << letters[c];
        ASSERT_EQ(shapes.shapes.size(), static_cast<size_t>(expectedCount)) << letters[c];
        for (size_t r = 0; r < table.count; ++r) {
            const long long id = std::stoll(table.Field(r, "TLID"));
            EXPECT_TRUE(seen.insert(id).second) << id;
            const auto& [gdalCfcc, gdalPoints] = gdalLines.at(id);
            EXPECT_EQ(table.Field(r, "CFCC"), gdalCfcc);
            const std::vector<shapeio::PointXY>& points = shapes.shapes[r].points;
            ASSERT_EQ(points.size(), gdalPoints.size()) << id;
            for (size_t p = 0; p < points.size(); ++p) {
                ASSERT_NEAR(points[p].x, gdalPoints[p].first, 5e-7) << id;
                ASSERT_NEAR(points[p].y, gdalPoints[p].second, 5e-7) << id;
            }
        }
        const std::string info = Ogrinfo("-al -so", stem + ".shp");
        EXPECT_NE(info.find("Feature Count: " + std::to_string(expectedCount)), std::string::npos) << info;
        EXPECT_NE(info.find("FRIADDL: String (1.0)"), std::string::npos) << info;
        EXPECT_EQ(info.find("Warning"), std::string::npos) << info;
        EXPECT_EQ(info.find("ERROR"), std::string::npos) << info;
        EXPECT_NE(log.find("Wrote " + std::to_string(expectedCount) + " Type " + letters[c] + " lines to shape " +
                           dir.path() + "/" + folders[c] + "/TGR25025lk" + letters[c] + "\n"),
                  std::string::npos);
    }
    EXPECT_EQ(seen.size(), gdalLines.size());
}

}  // namespace
