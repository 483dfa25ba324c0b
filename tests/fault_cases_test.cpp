// Damaged record files and failing outputs in a job of two counties: the
// first county ends with a clear last log line, keeps the layers it finished
// byte for byte, leaves no scratch file behind, and the second county of the
// same process converts exactly as it does alone.
#include "county_model.h"
#include "county_writer.h"
#include "platform/files.h"
#include "support/county_files.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

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

// The files of a folder and its subfolders by relative path, with their
// contents (a folder is listed with "/" behind its name and no contents).
void CollectFiles(const std::string& root, const std::string& relative, std::map<std::string, std::string>& files) {
    for (const std::string& name : platform::ListDirectory(root + relative)) {
        const std::string path = relative + name;
        if (platform::IsDirectory(root + path)) {
            files[path + "/"] = "";
            CollectFiles(root, path + "/", files);
        } else {
            files[path] = ReadFile(root + path);
        }
    }
}

std::map<std::string, std::string> Files(const std::string& folder) {
    std::map<std::string, std::string> files;
    CollectFiles(folder + "/", "", files);
    return files;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

bool EndsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

class FaultCaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const std::string& folder : {in_, ref_, out_}) ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
        first_ = countygen::WriteCounty(Spec("901"), in_).type1Path;
        second_ = countygen::WriteCounty(Spec("903"), in_).type1Path;
        Convert(first_, ref_);
        Convert(second_, ref_);
        reference_ = Files(ref_);
    }

    static int Convert(const std::string& type1, const std::string& out) {
        return ConvertCounty(type1, out, Options('c', '0', kLayers), 1, 2);
    }

    // A record file of the first county, by lower-case suffix.
    std::string FirstFile(const std::string& suffix) const {
        return countygen::CountyFilePath(Spec("901"), in_, suffix);
    }
    std::vector<std::string> FirstRecords(const std::string& suffix) const {
        std::vector<std::string> lines = Lines(ReadFile(FirstFile(suffix)));
        for (std::string& line : lines) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
        }
        return lines;
    }

    // The job: the first county (damaged by the test), then the second one.
    // Each call reports the first county failed and the second converted.
    void RunJob(const std::function<int()>& duringFirst = nullptr) {
        EXPECT_EQ(duringFirst ? duringFirst() : Convert(first_, out_), 1);
        EXPECT_EQ(Convert(second_, out_), 0);
    }

    // The first county's last log message is `line` (followed by the
    // `trailing` messages); its output folder holds exactly `finished` (file
    // names of the reference run, byte-identical; the county's .met copy
    // beside the folder by its own name, "TGR25901.met") and the `extra`
    // entries the test made; nothing else is left in the output directory;
    // the second county's outputs and log messages are those of the
    // reference run.
    void ExpectFaultHandled(const std::string& line, const std::set<std::string>& finished,
                            const std::set<std::string>& extra = {}, const std::vector<std::string>& trailing = {}) {
        std::vector<std::string> messages = Lines(LogOf(out_, "TGR25901"));
        ASSERT_GT(messages.size(), trailing.size());
        EXPECT_EQ(std::vector<std::string>(messages.end() - static_cast<long>(trailing.size()), messages.end()),
                  trailing);
        EXPECT_EQ(messages[messages.size() - 1 - trailing.size()], line);
        EXPECT_NE(ReadFile(out_ + "/TGR25901.log").find("\nProcess ended on "), std::string::npos);

        std::map<std::string, std::string> outputs = Files(out_);
        std::set<std::string> seen;
        for (const auto& [path, contents] : outputs) {
            const bool firstCounty = path.rfind("TGR25901/", 0) == 0 || path == "TGR25901.met";
            if (path == "TGR25901/" || path == "TGR25901.log" || path.rfind("TGR25903", 0) == 0) continue;
            ASSERT_TRUE(firstCounty) << "left in the output directory: " << path;
            const std::string name = path == "TGR25901.met" ? path : path.substr(9);
            if (extra.count(name)) continue;
            seen.insert(name);
            auto reference = reference_.find(path);
            ASSERT_NE(reference, reference_.end()) << "not written by the run without the fault: " << path;
            EXPECT_TRUE(contents == reference->second) << path << " differs from the run without the fault";
        }
        for (const std::string& name : finished) EXPECT_TRUE(seen.count(name)) << "missing: " << name;
        EXPECT_EQ(seen.size(), finished.size());

        for (const auto& [path, contents] : reference_) {
            if (path.rfind("TGR25903", 0) != 0 || path == "TGR25903.log") continue;
            auto output = outputs.find(path);
            ASSERT_NE(output, outputs.end()) << "second county: missing " << path;
            EXPECT_TRUE(output->second == contents) << "second county: " << path << " differs";
        }
        std::string secondLog = LogOf(out_, "TGR25903");
        ReplaceAll(secondLog, out_, ref_);
        EXPECT_EQ(secondLog, LogOf(ref_, "TGR25903"));
    }

    // The first county's files of the reference run whose names end with one
    // of `endings`, without the folder.
    std::set<std::string> ReferenceFiles(const std::set<std::string>& endings) const {
        std::set<std::string> names;
        for (const auto& entry : reference_) {
            const std::string& path = entry.first;
            if (path.rfind("TGR25901/", 0) != 0) continue;
            for (const std::string& ending : endings) {
                if (EndsWith(path, ending)) names.insert(path.substr(9));
            }
        }
        return names;
    }

    TempDir dir_;
    std::string in_ = dir_ / "in";
    std::string ref_ = dir_ / "ref";
    std::string out_ = dir_ / "out";
    std::string first_, second_;
    std::map<std::string, std::string> reference_;
};

// The county's record files are read before any layer is written: a fault
// found there leaves only the date file of the first record.
const std::set<std::string> kNothingFinished = {"date.txt"};

// --- Damaged record files -------------------------------------------------

TEST_F(FaultCaseTest, RecordFileCutInTheMiddleOfALine) {
    std::vector<std::string> records = FirstRecords("rt2");
    std::string text = Joined(records);
    text.resize(text.size() - 2 - 100);  // the last record keeps 108 of its 208 characters
    WriteFile(FirstFile("rt2"), text);
    RunJob();
    ExpectFaultHandled(
        "ERROR in type 2 record " + std::to_string(records.size()) + ": 108 characters instead of 208",
        kNothingFinished);
}

TEST_F(FaultCaseTest, BinaryFileAsTheCounty) {
    std::string bytes(5000, '\0');
    uint32_t state = 12345;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 24);
    }
    const size_t firstLine = bytes.find('\n');
    ASSERT_NE(firstLine, std::string::npos);
    ASSERT_NE(firstLine, 228u);
    ASSERT_NE(bytes[firstLine - 1], '\r');
    WriteFile(FirstFile("rt1"), bytes);
    RunJob();
    // Its first "line" decides; the date file holds whatever its VERSION
    // columns read as, so it is left out.
    ExpectFaultHandled("ERROR in type 1 record 1: " + std::to_string(firstLine) + " characters instead of 228", {},
                       {"date.txt"});
}

TEST_F(FaultCaseTest, Type1FileWithAWrongLineLength) {
    std::vector<std::string> records = FirstRecords("rt1");
    for (std::string& record : records) record += ' ';
    WriteFile(FirstFile("rt1"), Joined(records));
    RunJob();
    ExpectFaultHandled("ERROR in type 1 record 1: 229 characters instead of 228", kNothingFinished);
}

TEST_F(FaultCaseTest, NonNumericCoordinates) {
    std::vector<std::string> records = FirstRecords("rt1");
    ASSERT_GT(records.size(), 10u);
    records[9].replace(219, 9, "+4200l000");  // TOLAT with a letter l for a one
    WriteFile(FirstFile("rt1"), Joined(records));
    RunJob();
    ExpectFaultHandled("ERROR in type 1 record 10: the coordinate in columns 220-228 is not a number",
                       kNothingFinished);
}

TEST_F(FaultCaseTest, NonNumericShapePoint) {
    std::vector<std::string> records = FirstRecords("rt2");
    records[0].replace(37, 10, "-71.500000");  // LONG2 in degrees instead of millionths
    WriteFile(FirstFile("rt2"), Joined(records));
    RunJob();
    ExpectFaultHandled("ERROR in type 2 record 1: the coordinate in columns 38-47 is not a number",
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
    for (const std::string& message : Lines(LogOf(ref_, "TGR25901")))
        if (message.find("met.dbf") != std::string::npos) metadataLine = message;
    ReplaceAll(metadataLine, ref_, out_);
    ASSERT_EQ(metadataLine.rfind("Wrote ", 0), 0u) << metadataLine;

    RunJob([&] {
        FileSizeLimit full(limit);
        return Convert(first_, out_);
    });
    ExpectFaultHandled("Could not write to file " + out_ + "/" + allPolygons + " (file too large)", finished, {},
                       {metadataLine});
}

TEST_F(FaultCaseTest, OutputFileThatCannotBeCreated) {
    // A folder where the place layer's document goes.
    ASSERT_EQ(::mkdir((out_ + "/TGR25901").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((out_ + "/TGR25901/TGR25901placecu.kml").c_str(), 0755), 0);
    RunJob();
    std::set<std::string> finished = ReferenceFiles({".shp", ".shx", ".dbf", "date.txt", "ctycu.kml", "trtcu.kml",
                                                     "grpcu.kml"});
    finished.erase("TGR25901met.dbf");
    ExpectFaultHandled("Could not open file " + out_ + "/TGR25901/TGR25901placecu.kml", finished,
                       {"TGR25901placecu.kml/"});
}

// --- Merged layers -------------------------------------------------------------

// Three counties merged into one file per layer; the second fills the "disk"
// while its all-polygons layer is appended. That document gets back what the
// first county wrote; the layers the second county finished before stay
// appended; the third county continues every file as if the second had
// stopped right before its all-polygons layer.
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
    const std::map<std::string, std::string> expectedAll = Files(all);
    for (const auto& [path, contents] : expectedAll) {
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
    // all-polygons layer.
    std::vector<std::string> messages = Lines(LogOf(out, "TGR25903"));
    const auto failure = std::find(messages.begin(), messages.end(),
                                   "Could not write to file " + out + "/" + allPolygons + " (file too large)");
    ASSERT_NE(failure, messages.end());
    EXPECT_EQ(messages.end() - failure, 3);  // the metadata folder's line and the table's follow
    EXPECT_EQ(messages.back().rfind("Wrote ", 0), 0u) << messages.back();
    EXPECT_NE(messages.back().find(" Metadata records to file " + out + "/metadata/met.dbf"), std::string::npos);
    std::string thirdLog = LogOf(out, "TGR25905");
    ReplaceAll(thirdLog, out, all);
    EXPECT_EQ(thirdLog, LogOf(all, "TGR25905"));

    const std::map<std::string, std::string> outputs = Files(out);
    const std::map<std::string, std::string> expectedWithout = Files(without);
    std::set<std::string> expectedPaths;
    for (const auto& entry : expectedAll) {
        const std::string& path = entry.first;
        if (EndsWith(path, ".log")) continue;
        expectedPaths.insert(path);
        const auto& expected = path == allPolygons ? expectedWithout : expectedAll;
        auto output = outputs.find(path);
        ASSERT_NE(output, outputs.end()) << "missing: " << path;
        EXPECT_TRUE(output->second == expected.at(path)) << path << " differs";
    }
    for (const auto& entry : outputs) {
        const std::string& path = entry.first;
        if (EndsWith(path, ".log")) continue;
        EXPECT_TRUE(expectedPaths.count(path)) << "left in the output directory: " << path;
    }
}

}  // namespace
