// The road attribute tables and the metadata table, written through
// DisplayV2: exact bytes from hand-made record files, feature names found by
// their identifier, empty tables removed, merged counties continued, and the
// real county's tables against counts made from its record files.
#include "county_model.h"
#include "county_writer.h"
#include "platform/files.h"
#include "support/commands.h"
#include "support/county_files.h"
#include "support/layer_files.h"
#include "support/line_records.h"
#include "support/real_county.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <set>

using namespace testsupport;

namespace {

// A county of one road (TLID 31) and one stream (TLID 32) with alternate
// names, additional addresses, ZIP+4 codes and metadata. The feature
// identifiers do not run 1, 2, 3: they are 7, 12 and 30.
void WriteRoadCounty(const std::string& dir, const std::string& baseName) {
    WriteFile(dir + "/" + baseName + ".rt1",
              RecordFile({Type1Line("31", "A41", {-84000000, 35000000}, {-84000000, 35100000}),
                          Type1Line("32", "H11", {-84000000, 35100000}, {-84100000, 35100000})}));
    WriteFile(dir + "/" + baseName + ".rt2", "");
    WriteFile(dir + "/" + baseName + ".rti", RecordFile({TypeILine("31", "1", "2", baseName.substr(3)), TypeILine("32", "2", "3", baseName.substr(3))}));
    WriteFile(dir + "/" + baseName + ".rt5",
              RecordFile({Type5Line("7", "N", "Central", "Ave", ""), Type5Line("12", "", "Elm", "St", "E"),
                          Type5Line("30", "S", "Route 9", "Hwy", "W")}));
    WriteFile(dir + "/" + baseName + ".rt4",
              RecordFile({Type4Line("31", 1, {"30", "7"}),        // two names
                          Type4Line("31", 2, {"12", "99", "7"}),  // 99 is no feature: skipped
                          Type4Line("32", 1, {"", "12"})}));      // the first reference is blank: none
    WriteFile(dir + "/" + baseName + ".rt6",
              RecordFile({Type6Line("31", 1, "101", "199", "100", "198", "02101", "02102"),
                          Type6Line("31", 2, "201", "299", "200", "298", "02103", "")}));
    WriteFile(dir + "/" + baseName + ".rtz",
              RecordFile({TypeZLine("31", 1, "0001", "0002"), TypeZLine("32", 1, "1234", "")}));
    WriteFile(dir + "/" + baseName + ".rtm",
              RecordFile({TypeMLine("31", 1, "TIGER", "ABC-123", 'Y'), TypeMLine("32", 1, "", "", ' ')}));
    WriteEmptyRecordFiles(dir, baseName, {"rtu"});
}

const std::vector<DbfField> kAlternateNameFields = {
    {"TLID", 'N', 10}, {"FEDIRP2", 'C', 2}, {"FENAME2", 'C', 30}, {"FETYPE2", 'C', 4}, {"FEDIRS2", 'C', 2}};
const std::vector<DbfField> kZip4Fields = {
    {"TLID", 'N', 10}, {"RTSQ", 'N', 3}, {"ZIP4L", 'C', 4}, {"ZIP4R", 'C', 4}};
const std::vector<DbfField> kMetadataFields = {
    {"TLID", 'N', 10}, {"RTSQ", 'N', 3}, {"SOURCEID", 'C', 10}, {"ID", 'C', 18}, {"IDFLAG", 'C', 1}};

std::vector<DbfField> AdditionalAddressFields(char addressType) {
    return {{"TLID", 'N', 10},          {"RTSQ", 'N', 3},           {"FRADDL2", addressType, 11},
            {"TOADDL2", addressType, 11}, {"FRADDR2", addressType, 11}, {"TOADDR2", addressType, 11},
            {"ZIPL2", 'C', 5},          {"ZIPR2", 'C', 5}};
}

const std::vector<std::string> kAlternateNameRecords = {
    " " "        31" "S " + Pad("Route 9", 30) + "Hwy " "W ",
    " " "        31" "N " + Pad("Central", 30) + "Ave " "  ",
    " " "        31" "  " + Pad("Elm", 30) + "St  " "E ",
    " " "        31" "N " + Pad("Central", 30) + "Ave " "  ",
};
const std::vector<std::string> kAdditionalAddressRecords = {
    " " "        31" "  1" "        101" "        199" "        100" "        198" "02101" "02102",
    " " "        31" "  2" "        201" "        299" "        200" "        298" "02103" "     ",
};
const std::vector<std::string> kZip4Records = {
    " " "        31" "  1" "0001" "0002",
    " " "        32" "  1" "1234" "    ",
};
// A blank IDFLAG column is kept as the record store keeps blank characters: '0'.
const std::vector<std::string> kMetadataRecords = {
    " " "        31" "  1" "TIGER     " + Pad("ABC-123", 18) + "Y",
    " " "        32" "  1" "          " + Pad("", 18) + "0",
};

TEST(RoadTables, ByteExactTables) {
    TempDir dir;
    WriteRoadCounty(dir.path(), "tgr02001");
    const std::string out = dir.path();
    ConvertCounty(dir / "tgr02001.rt1", out, Options('c', '0', {0}));
    const std::string folder = out + "/tgr02001/";
    EXPECT_EQ(LogOf(out, "tgr02001"),
              "directory " + out + "/tgr02001 created\n"
              "Wrote 1 Type A lines to shape " + folder + "tgr02001lkA\n"
              "Wrote 4 Alternate Feature Name records to file " + folder + "tgr02001alt.dbf\n"
              "Wrote 2 Additional Address Information records to file " + folder + "tgr02001add2.dbf\n"
              "Wrote 2 Zip+4 records to file " + folder + "tgr02001zip.dbf\n"
              "Wrote 2 Metadata records to file " + folder + "tgr02001met.dbf\n");
    EXPECT_EQ(ReadFile(folder + "tgr02001alt.dbf"), DbfBytes(kAlternateNameFields, kAlternateNameRecords));
    EXPECT_EQ(ReadFile(folder + "tgr02001add2.dbf"),
              DbfBytes(AdditionalAddressFields('C'), kAdditionalAddressRecords));
    EXPECT_EQ(ReadFile(folder + "tgr02001zip.dbf"), DbfBytes(kZip4Fields, kZip4Records));
    EXPECT_EQ(ReadFile(folder + "tgr02001met.dbf"), DbfBytes(kMetadataFields, kMetadataRecords));

    if (HaveOgrinfo()) {
        for (const char* table : {"alt", "add2", "zip", "met"}) {
            const std::string info = Ogrinfo("-al", folder + "tgr02001" + table + ".dbf");
            EXPECT_NE(info.find("Feature Count: "), std::string::npos) << info;
            EXPECT_EQ(info.find("Warning"), std::string::npos) << info;
            EXPECT_EQ(info.find("ERROR"), std::string::npos) << info;
        }
        EXPECT_NE(Ogrinfo("-al", folder + "tgr02001alt.dbf").find("FENAME2 (String) = Route 9"), std::string::npos);
    }
}

TEST(RoadTables, NumericAddressFields) {
    TempDir dir;
    WriteRoadCounty(dir.path(), "tgr02001");
    std::string options = Options('c', '2', {0});
    options[0] = '2';
    ConvertCounty(dir / "tgr02001.rt1", dir.path(), options);
    EXPECT_EQ(ReadFile(dir / "roads/tgr02001add2.dbf"),
              DbfBytes(AdditionalAddressFields('N'), kAdditionalAddressRecords));
    // The metadata table goes to its own theme folder.
    EXPECT_TRUE(Exists(dir / "metadata/tgr02001met.dbf"));
}

TEST(RoadTables, TableWithoutRecordsIsRemoved) {
    TempDir dir;
    WriteRoadCounty(dir.path(), "tgr02001");
    // Every type 4 row starts with a blank reference.
    WriteFile(dir / "tgr02001.rt4", RecordFile({Type4Line("31", 1, {"", "7"}), Type4Line("32", 1, {"0", "12"})}));
    ConvertCounty(dir / "tgr02001.rt1", dir.path(), Options('c', '1', {0}));
    const std::string path = dir / "tigershapes/tgr02001alt.dbf";
    EXPECT_FALSE(Exists(path));
    EXPECT_NE(LogOf(dir.path(), "tgr02001").find("Wrote 0 Alternate Feature Name records to file " + path + "\n"),
              std::string::npos);
    EXPECT_TRUE(Exists(dir / "tigershapes/tgr02001zip.dbf"));
}

TEST(RoadTables, OnlyTheRoadsLayerBringsTheRoadTables) {
    TempDir dir;
    WriteRoadCounty(dir.path(), "tgr02001");
    ConvertCounty(dir / "tgr02001.rt1", dir.path(), Options('c', '1', {6}));
    EXPECT_TRUE(Exists(dir / "tigershapes/tgr02001lkH.shp"));
    EXPECT_FALSE(Exists(dir / "tigershapes/tgr02001alt.dbf") || Exists(dir / "tigershapes/tgr02001zip.dbf") ||
                 Exists(dir / "tigershapes/tgr02001add2.dbf"));
    // The metadata table comes with every county that has type M rows.
    EXPECT_TRUE(Exists(dir / "tigershapes/tgr02001met.dbf"));
}

// Merged counties: every table continues, whichever layers were new in the
// second county and even when a polygon layer ran before the metadata.
TEST(RoadTables, MergedCountiesContinueEveryTable) {
    TempDir dir;
    WriteRoadCounty(dir.path(), "tgr02001");
    WriteRoadCounty(dir.path(), "tgr02003");
    // The hydrography layer is new in the second county (and is the last
    // line layer it builds); flag 13 runs the polygon stage.
    WriteFile(dir / "tgr02001.rt1",
              RecordFile({Type1Line("31", "A41", {-84000000, 35000000}, {-84000000, 35100000}),
                          Type1Line("32", "A41", {-84000000, 35100000}, {-84100000, 35100000})}));
    const std::string options = Options('c', '3', {0, 6, 13});
    ConvertCounty(dir / "tgr02001.rt1", dir.path(), options);
    EXPECT_FALSE(Exists(dir / "hydrography/lkH.shp"));
    std::vector<DbfContents> first;
    for (const char* path : {"roads/alt.dbf", "roads/add2.dbf", "roads/zip.dbf", "metadata/met.dbf"})
        first.push_back(ReadDbf(dir / path));

    ConvertCounty(dir / "tgr02003.rt1", dir.path(), options);
    EXPECT_TRUE(Exists(dir / "hydrography/lkH.shp"));
    const std::string log = LogOf(dir.path(), "tgr02003");
    EXPECT_NE(log.find("Wrote 4 Alternate Feature Name records to file " + dir.path() + "/roads/alt.dbf\n"),
              std::string::npos)
        << log;
    size_t t = 0;
    for (const char* path : {"roads/alt.dbf", "roads/add2.dbf", "roads/zip.dbf", "metadata/met.dbf"}) {
        const DbfContents table = ReadDbf(dir / path);
        ASSERT_TRUE(table.valid && table.endMarker) << path;
        ASSERT_GT(first[t].count, 0u) << path;
        ASSERT_EQ(table.count, 2 * first[t].count) << path;
        for (size_t r = 0; r < first[t].count; ++r) {
            EXPECT_EQ(table.records[r], first[t].records[r]) << path;
            EXPECT_EQ(table.records[r + first[t].count], first[t].records[r]) << path;  // the same rows again
        }
        ++t;
    }
}

// A merged table is never written over: one that is not a table of this
// layout stops the county and stays as it was.
TEST(RoadTables, MergedTableWithAForeignHeaderIsLeftAlone) {
    TempDir dir;
    WriteRoadCounty(dir.path(), "tgr02001");
    ASSERT_TRUE(platform::MakeDirectory(dir / "roads"));
    WriteFile(dir / "roads/zip.dbf", "not a table");
    ConvertCounty(dir / "tgr02001.rt1", dir.path(), Options('c', '3', {0}));
    EXPECT_EQ(ReadFile(dir / "roads/zip.dbf"), "not a table");
    const std::string log = LogOf(dir.path(), "tgr02001");
    EXPECT_NE(log.find("Could not append to file " + dir.path() + "/roads/zip.dbf (it has no dBASE header)\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("Metadata records"), std::string::npos) << log;
}

TEST(RoadTables, UnwritableFolderFailsTheCounty) {
    TempDir dir;
    WriteRoadCounty(dir.path(), "tgr02001");
    // A file where the metadata folder should be.
    WriteFile(dir / "metadata", "");
    ConvertCounty(dir / "tgr02001.rt1", dir.path(), Options('c', '2', {0}));
    const std::string log = LogOf(dir.path(), "tgr02001");
    EXPECT_NE(log.find("Could not open file " + dir.path() + "/metadata/tgr02001met.dbf (not a directory)\n"), std::string::npos)
        << log;
    EXPECT_TRUE(Exists(dir / "roads/tgr02001zip.dbf"));
}

// Generated county: one record per type 6, Z and M row and per alternate
// name reference.
TEST(RoadTables, GeneratedCountyCounts) {
    TempDir dir;
    countygen::CountySpec spec;
    spec.width = 17;
    spec.height = 11;
    spec.seed = 9;
    const countygen::CountyModel model(spec);
    const countygen::GeneratedCounty county = countygen::WriteCounty(spec, dir.path());
    ConvertCounty(county.type1Path, dir.path(), Options('c', '0', {0}));

    size_t names = 0;
    for (const countygen::AlternateNames& row : model.AlternateNameRows()) names += 1 + (row.feat2.find_first_not_of(' ') != std::string::npos);
    ASSERT_GT(names, 0u);
    const std::string folder = dir / "TGR25901/TGR25901";
    EXPECT_EQ(ReadDbf(folder + "alt.dbf").count, names);
    EXPECT_EQ(ReadDbf(folder + "add2.dbf").count, model.AdditionalAddressLines().size());
    EXPECT_EQ(ReadDbf(folder + "zip.dbf").count, model.Zip4Lines().size());
    EXPECT_EQ(ReadDbf(folder + "met.dbf").count, static_cast<uint32_t>(model.LineCount()));

    // Every alternate name record carries one of the county's alternate names.
    const DbfContents alt = ReadDbf(folder + "alt.dbf");
    for (size_t r = 0; r < alt.count; ++r) {
        const std::string name = alt.Field(r, "FENAME2");
        EXPECT_TRUE(name.rfind("Route ", 0) == 0 || name.rfind("Old Col ", 0) == 0) << name;
    }
}

// The real county: the tables hold the rows counted from its record files,
// and GDAL opens them.
TEST(RoadTables, RealCountyCounts) {
    if (RealCountyArchive().empty()) GTEST_SKIP() << kNoRealCounty;
    TempDir dir;
    ASSERT_TRUE(UnpackRealCounty(dir.path()));
    ConvertCounty(dir / "TGR25025.RT1", dir.path(), Options('c', '0', {0}));

    auto lines = [&dir](const char* name) { return RecordLines(dir / name); };
    std::set<long long> features;
    for (const std::string& line : lines("TGR25025.RT5")) features.insert(std::stoll(line.substr(10, 8)));
    size_t names = 0;
    for (const std::string& line : lines("TGR25025.RT4")) {
        for (int k = 0; k < 5; ++k) {
            const std::string text = line.substr(18 + 8 * static_cast<size_t>(k), 8);
            const long long feat = text.find_first_not_of(' ') == std::string::npos ? 0 : std::stoll(text);
            if (feat <= 0) break;
            names += features.count(feat);
        }
    }
    const std::string folder = dir / "TGR25025/TGR25025";
    const std::pair<const char*, size_t> expected[] = {{"alt", names},
                                                       {"add2", lines("TGR25025.RT6").size()},
                                                       {"zip", lines("TGR25025.RTZ").size()},
                                                       {"met", lines("TGR25025.RTM").size()}};
    for (const auto& [table, count] : expected) {
        const DbfContents dbf = ReadDbf(folder + table + ".dbf");
        ASSERT_TRUE(dbf.valid && dbf.endMarker) << table;
        EXPECT_EQ(dbf.count, count) << table;
        if (HaveOgrinfo()) {
            const std::string info = Ogrinfo("-al -so", folder + table + ".dbf");
            EXPECT_NE(info.find("Feature Count: " + std::to_string(count) + "\n"), std::string::npos) << info;
            EXPECT_EQ(info.find("Warning"), std::string::npos) << info;
            EXPECT_EQ(info.find("ERROR"), std::string::npos) << info;
        }
    }
    EXPECT_EQ(names, 2030u);
}

}  // namespace
