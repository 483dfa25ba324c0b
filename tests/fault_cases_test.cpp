// Damaged record files and failing outputs in a job of two counties: the
// first county ends with a clear last log line, keeps the layers it finished
// byte for byte, leaves no scratch file behind, and the second county of the
// same process converts exactly as it does alone.
#include "county_model.h"
#include "county_writer.h"
#include "platform/files.h"
#include "support/county_files.h"
#include "support/fault_job.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <sys/stat.h>

using namespace testsupport;

namespace {

// Line layers and tables, four current-geography layers, landmarks, water
// and all polygons.
const std::initializer_list<int> kLayers = {0, 1, 2, 3, 4, 5, 6, 7, 9, 12, 15, 39, 67, 68, 71};

countygen::CountySpec Spec(const char* county) {
    countygen::CountySpec spec;
    spec.width = 8;
    spec.height = 8;
    spec.edition = 'c';
    spec.county = county;
    return spec;
}

class FaultCaseTest : public FaultJobTest {
protected:
    countygen::CountySpec SpecOf(const char* county) const override { return Spec(county); }
    int Convert(const std::string& type1, const std::string& out) const override {
        return ConvertCounty(type1, out, Options('c', '0', kLayers), 1, 2);
    }
};

// The county's record files are read before any layer is written: a fault
// found there leaves only the date file of the first record.
const std::set<std::string> kNothingFinished = {"date.txt"};

// --- Damaged record files -------------------------------------------------

TEST_F(FaultCaseTest, RecordFileCutInTheMiddleOfALine) {
    std::vector<std::string> records = FirstRecords("rt2");
    std::string text = CrlfJoined(records);
    text.resize(text.size() - 2 - 100);  // the last record keeps 108 of its 208 characters
    WriteFile(FirstFile("rt2"), text);
    RunJob();
    ExpectFaultHandled(
        {"ERROR in type 2 record " + std::to_string(records.size()) + ": 108 characters instead of 208"},
        kNothingFinished);
}

TEST_F(FaultCaseTest, BinaryFileAsTheCounty) {
    std::string bytes(5000, '\0');
    uint32_t state = 12345;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 24);
    }
    // A line feed or a carriage return ends the first line.
    const size_t firstLine = bytes.find_first_of("\r\n");
    ASSERT_NE(firstLine, std::string::npos);
    ASSERT_NE(firstLine, 228u);
    WriteFile(FirstFile("rt1"), bytes);
    RunJob();
    // Its first "line" decides; the date file holds whatever its VERSION
    // columns read as, so it is left out.
    ExpectFaultHandled({"ERROR in type 1 record 1: " + std::to_string(firstLine) + " characters instead of 228"}, {},
                       {"date.txt"});
}

TEST_F(FaultCaseTest, Type1FileWithAWrongLineLength) {
    std::vector<std::string> records = FirstRecords("rt1");
    for (std::string& record : records) record += ' ';
    WriteFile(FirstFile("rt1"), CrlfJoined(records));
    RunJob();
    ExpectFaultHandled({"ERROR in type 1 record 1: 229 characters instead of 228"}, kNothingFinished);
}

TEST_F(FaultCaseTest, NonNumericCoordinates) {
    std::vector<std::string> records = FirstRecords("rt1");
    ASSERT_GT(records.size(), 10u);
    records[9].replace(219, 9, "+4200l000");  // TOLAT with a letter l for a one
    WriteFile(FirstFile("rt1"), CrlfJoined(records));
    RunJob();
    ExpectFaultHandled({"ERROR in type 1 record 10: the coordinate in columns 220-228 is not a number"},
                       kNothingFinished);
}

TEST_F(FaultCaseTest, NonNumericShapePoint) {
    std::vector<std::string> records = FirstRecords("rt2");
    records[0].replace(37, 10, "-71.500000");  // LONG2 in degrees instead of millionths
    WriteFile(FirstFile("rt2"), CrlfJoined(records));
    RunJob();
    ExpectFaultHandled({"ERROR in type 2 record 1: the coordinate in columns 38-47 is not a number"},
                       kNothingFinished);
}

// --- Failing outputs ----------------------------------------------------------

TEST_F(FaultCaseTest, DiskFullWhileALayerIsWritten) {
    // The all-polygons layer comes last and is the largest file of the
    // county: a file size limit below it and above everything else (the
    // type A scratch file included) fills the "disk" while it is written.
    // The metadata table and the .met copy follow it all the same.
    const std::string allPolygons = "TGR25901/TGR25901all.kml";
    ASSERT_TRUE(reference_.count(allPolygons));
    const size_t limit = reference_[allPolygons].size() * 3 / 4;
    size_t largestOther = 256 * FirstRecords("rta").size();  // a.tmp: 256 bytes per type A record
    std::set<std::string> finished = {"TGR25901.met"};
    for (const auto& [path, contents] : reference_) {
        if (path.rfind("TGR25901/", 0) != 0 || path == allPolygons || path.back() == '/') continue;
        largestOther = std::max(largestOther, contents.size());
        finished.insert(path.substr(9));
    }
    ASSERT_LT(largestOther, limit);
    ASSERT_TRUE(finished.count("TGR25901met.dbf"));
    std::string metadataLine;
    for (const std::string& message : TextLines(LogOf(ref_, "TGR25901")))
        if (message.find("met.dbf") != std::string::npos) metadataLine = message;
    ReplaceAll(metadataLine, ref_, out_);
    ASSERT_EQ(metadataLine.rfind("Wrote ", 0), 0u) << metadataLine;

    RunJob([&] {
        FileSizeLimit full(limit);
        return Convert(first_, out_);
    });
    ExpectFaultHandled({"Could not write to file " + out_ + "/" + allPolygons + " (file too large)", metadataLine},
                       finished);
}

TEST_F(FaultCaseTest, OutputFileThatCannotBeCreated) {
    // A folder where the place layer's document goes.
    ASSERT_EQ(::mkdir((out_ + "/TGR25901").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((out_ + "/TGR25901/TGR25901placecu.kml").c_str(), 0755), 0);
    RunJob();
    std::set<std::string> finished = ReferenceFiles({".shp", ".shx", ".dbf", "date.txt", "ctycu.kml", "trtcu.kml",
                                                     "grpcu.kml"});
    finished.erase("TGR25901met.dbf");
    ExpectFaultHandled({"Could not open file " + out_ + "/TGR25901/TGR25901placecu.kml (is a directory)"}, finished,
                       {"TGR25901placecu.kml/"});
}

// --- Merged layers -------------------------------------------------------------

// Three counties merged into one file per layer; the second fills the "disk"
// while its all-polygons layer is appended, after every other layer. Its
// change is undone whole: every merged file gets back what the first county
// wrote, and the third county continues them as if the second had never
// run. Its own files (the .met copy) stay.
TEST(MergedFaultCaseTest, DiskFullWhileAMergedLayerIsContinued) {
    TempDir dir;
    const std::string in = dir / "in", all = dir / "all", without = dir / "without", out = dir / "out";
    for (const std::string& folder : {in, all, without, out}) ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    const std::string first = countygen::WriteCounty(Spec("901"), in).type1Path;
    const std::string second = countygen::WriteCounty(Spec("903"), in).type1Path;
    const std::string third = countygen::WriteCounty(Spec("905"), in).type1Path;
    auto convert = [](const std::string& type1, const std::string& folder) {
        return ConvertCounty(type1, folder, Options('c', '3', kLayers), 1, 3);
    };
    for (const std::string& county : {first, second, third}) convert(county, all);
    for (const std::string& county : {first, third}) convert(county, without);

    convert(first, out);
    const std::string allPolygons = "allpolys/all.kml";
    const size_t limit = ReadFile(out + "/" + allPolygons).size() * 5 / 4;
    for (const auto& [path, contents] : FolderFiles(all)) {
        if (path != allPolygons) {
            ASSERT_LT(contents.size(), limit) << path;
        }
    }
    {
        FileSizeLimit full(limit);
        EXPECT_EQ(convert(second, out), 1);
    }
    EXPECT_EQ(convert(third, out), 0);

    // The metadata table is appended and the .met copied after the failed
    // all-polygons layer; then everything merged is put back, and the copy
    // goes with the county.
    std::vector<std::string> messages = TextLines(LogOf(out, "TGR25903"));
    const auto failure = std::find(messages.begin(), messages.end(),
                                   "Could not write to file " + out + "/" + allPolygons + " (file too large)");
    ASSERT_NE(failure, messages.end());
    ASSERT_EQ(messages.end() - failure, 4);  // the metadata folder's line, the table's and the undoing follow
    EXPECT_EQ(messages.end()[-2].rfind("Wrote ", 0), 0u) << messages.end()[-2];
    EXPECT_NE(messages.end()[-2].find(" Metadata records to file " + out + "/metadata/met.dbf"), std::string::npos);
    EXPECT_EQ(messages.back(), "The merged layers of " + out + " were put back as they were before this county");
    std::string thirdLog = LogOf(out, "TGR25905");
    ReplaceAll(thirdLog, out, without);
    EXPECT_EQ(thirdLog, LogOf(without, "TGR25905"));

    std::map<std::string, std::string> outputs = FolderFiles(out), expected = FolderFiles(without);
    for (auto* files : {&outputs, &expected}) {
        for (auto entry = files->begin(); entry != files->end();) {
            entry = EndsWith(entry->first, ".log") ? files->erase(entry) : std::next(entry);
        }
    }
    EXPECT_TRUE(outputs == expected);
}

}  // namespace
