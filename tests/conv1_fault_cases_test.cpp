// Damaged record files and failing outputs of the 1994-2000 library in a job
// of two counties: the first county ends with a clear message before its
// "Finished", keeps the layers it finished byte for byte, leaves no scratch
// file behind, and the second county of the same process converts exactly
// as it does alone.
#include "county_model.h"
#include "platform/files.h"
#include "support/county_files.h"
#include "support/fault_job.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <sys/stat.h>
#include <vector>

using namespace testsupport;

namespace {

// Every line class and polygon layer of TIGER 2000 (release 101).
constexpr char kEdition = '6';

std::vector<int> EveryLayer() {
    std::vector<int> flags(50);
    std::iota(flags.begin(), flags.end(), 0);
    return flags;
}

class OldFaultCaseTest : public FaultJobTest {
protected:
    countygen::CountySpec SpecOf(const char* county) const override {
        countygen::CountySpec spec;
        spec.width = 8;
        spec.height = 8;
        spec.edition = kEdition;
        spec.county = county;
        return spec;
    }
    int Convert(const std::string& type1, const std::string& out) const override {
        std::string options = OldOptions(kEdition, '0');
        for (int flag : EveryLayer()) options[static_cast<size_t>(flag)] = '1';
        return ConvertOldCounty(type1, out, options, 1, 2);
    }

    // The county's last messages: `line`, then "Finished".
    void ExpectFaultHandled(const std::string& line, const std::set<std::string>& finished,
                            const std::set<std::string>& extra = {}) {
        FaultJobTest::ExpectFaultHandled({line, "Finished"}, finished, extra);
    }

    // The line and node layers and the road tables: every shapefile and
    // table of the reference run but the key geographic locations' address
    // table, which the polygon stage writes.
    std::set<std::string> LineStageFiles() const {
        std::set<std::string> files = ReferenceFiles({".shp", ".shx", ".dbf", "date.txt"});
        files.erase("TGR25901add.dbf");
        return files;
    }
};

// The record files of types 1 and 2 are read before any layer is written:
// a fault found there leaves only the date file of the first record.
const std::set<std::string> kNothingFinished = {"date.txt"};

// --- Damaged record files -------------------------------------------------

TEST_F(OldFaultCaseTest, Type2LineCutInTheMiddle) {
    std::vector<std::string> records = FirstRecords("rt2");
    std::string text = CrlfJoined(records);
    text.resize(text.size() - 2 - 100);  // the last record keeps 108 of its 208 characters
    WriteFile(FirstFile("rt2"), text);
    RunJob();
    ExpectFaultHandled(
        "ERROR in type 2 record " + std::to_string(records.size()) + ": 108 characters instead of 208",
        kNothingFinished);
}

TEST_F(OldFaultCaseTest, Type3FileOneLineShort) {
    std::vector<std::string> records = FirstRecords("rt3");
    records.pop_back();
    WriteFile(FirstFile("rt3"), CrlfJoined(records));
    RunJob();
    ExpectFaultHandled(
        "TIGER ERROR-There is not a one-to one correspondence between type 1 records and type 3 records.  This is "
        "an error in TIGER",
        LineStageFiles());
}

TEST_F(OldFaultCaseTest, LetterInAType1Coordinate) {
    std::vector<std::string> records = FirstRecords("rt1");
    ASSERT_GT(records.size(), 10u);
    records[9].replace(219, 9, "+4200l000");  // TOLAT with a letter l for a one
    WriteFile(FirstFile("rt1"), CrlfJoined(records));
    RunJob();
    ExpectFaultHandled("ERROR in type 1 record 10: the coordinate in columns 220-228 is not a number",
                       kNothingFinished);
}

// --- Failing outputs ----------------------------------------------------------

TEST_F(OldFaultCaseTest, DiskFullWhileANodeLayerIsWritten) {
    // The roads' node layer is the first layer written; a file size limit
    // below its shapefile and above its index and table (and the date file
    // and the log's first lines) fills the "disk" there.
    const std::string nodes = "TGR25901/TGR25901ndA.shp";
    ASSERT_TRUE(reference_.count(nodes));
    const size_t limit = reference_[nodes].size() * 2 / 3;
    for (const char* other : {"TGR25901/TGR25901ndA.shx", "TGR25901/TGR25901ndA.dbf"}) {
        ASSERT_LT(reference_[other].size(), limit) << other;
    }
    RunJob([&] {
        FileSizeLimit full(limit);
        return Convert(first_, out_);
    });
    ExpectFaultHandled("Could not write to file " + out_ + "/" + nodes + " (file too large)", kNothingFinished);
}

TEST_F(OldFaultCaseTest, DiskFullWhileTheAllPolygonsDocumentIsWritten) {
    // The all-polygons layer comes last and is the largest file of the
    // county: a file size limit below it and above everything else fills
    // the "disk" while it is written.
    const std::string allPolygons = "TGR25901/TGR25901all.kml";
    ASSERT_TRUE(reference_.count(allPolygons));
    const size_t limit = reference_[allPolygons].size() * 3 / 4;
    std::set<std::string> finished;
    for (const auto& [path, contents] : reference_) {
        if (path.rfind("TGR25901/", 0) != 0 || path == allPolygons || path.back() == '/') continue;
        ASSERT_LT(contents.size(), limit) << path;
        finished.insert(path.substr(9));
    }
    RunJob([&] {
        FileSizeLimit full(limit);
        return Convert(first_, out_);
    });
    ExpectFaultHandled("Could not write to file " + out_ + "/" + allPolygons + " (file too large)", finished);
}

TEST_F(OldFaultCaseTest, FolderWhereADocumentGoes) {
    // A folder where the current county layer's document goes: the layers
    // before it in the driver's order are finished.
    ASSERT_EQ(::mkdir((out_ + "/TGR25901").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((out_ + "/TGR25901/TGR25901cty00.kml").c_str(), 0755), 0);
    RunJob();
    std::set<std::string> finished = ReferenceFiles(
        {".shp", ".shx", ".dbf", "date.txt", "vot00.kml", "kgl.kml", "lpy.kml", "TGR25901cty.kml"});
    ExpectFaultHandled("Could not open file " + out_ + "/TGR25901/TGR25901cty00.kml (is a directory)", finished,
                       {"TGR25901cty00.kml/"});
}

}  // namespace
