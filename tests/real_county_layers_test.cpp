// Every current-geography polygon layer of a real county (Suffolk County,
// Massachusetts, 2005 Second Edition): a clean log, documents GDAL reads
// without a warning, one polygon per code found here straight from the
// record files, and every polygon's internal point inside its block.
#include "support/commands.h"
#include "support/county_files.h"
#include "support/kml_polygons.h"
#include "support/real_county.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <sstream>

using namespace testsupport;

namespace {

// Current-geography layers of the 2005 editions by option flag.
const int kCurrentLayerFlags[] = {9, 12, 15, 18, 21, 24, 27, 30, 33, 36, 39, 42, 44, 46,
                                  55, 57, 59, 72, 73, 74, 75, 76, 77};

// A county converted once for all the tests of this file.
class RealCountyLayersTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (RealCountyArchive().empty()) return;
        dir_ = new TempDir;
        ASSERT_TRUE(UnpackRealCounty(dir_->path(), "*.*"));
        std::string options = Options('c', '0', {});
        for (int flag : kCurrentLayerFlags) options[static_cast<size_t>(flag)] = '1';
        ConvertCounty(dir_->path() + "/TGR25025.RT1", dir_->path(), options);
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override {
        if (!dir_) GTEST_SKIP() << kNoRealCounty;
    }
    static std::string Path(const std::string& name) { return dir_->path() + "/" + name; }
    static std::string Output(const std::string& abbreviation) {
        return Path("TGR25025/TGR25025" + abbreviation + ".kml");
    }
    static std::vector<KmlPolygon> Polygons(const std::string& abbreviation) {
        auto counties = ReadKmlPolygons(ReadFile(Output(abbreviation)));
        EXPECT_EQ(counties.size(), 1u) << abbreviation;
        return counties.empty() ? std::vector<KmlPolygon>{} : counties[0].polygons;
    }

    static TempDir* dir_;
};

TempDir* RealCountyLayersTest::dir_ = nullptr;

TEST_F(RealCountyLayersTest, LogReportsNoFailure) {
    std::string messages = LogOf(dir_->path(), "TGR25025");
    // Notices only: layers without lines here, the type B file the archive
    // lacks, the metadata table and the Congress note.
    std::istringstream lines(messages);
    std::string line;
    while (std::getline(lines, line)) {
        bool notice = line.rfind("directory ", 0) == 0 || line.rfind("There are no ", 0) == 0 ||
                      line.rfind("Wrote ", 0) == 0 ||
                      line == "Could not open Type B file. No Census CQ poygons will be produced" ||
                      line == "Current Congressional Districts are for 109th Congress";
        EXPECT_TRUE(notice) << line;
    }
    EXPECT_NE(messages.find("Current Congressional Districts are for 109th Congress\n"), std::string::npos);
    for (const char* name : {"dbf.tmp", "pts.tmp", "head.tmp", "box.tmp", "parts.tmp", "a.tmp"})
        EXPECT_FALSE(Exists(Path(name))) << name;
}

TEST_F(RealCountyLayersTest, EveryDocumentOpensInGdalWithoutAWarning) {
    if (!HaveOgrinfo()) GTEST_SKIP() << kNoOgrinfo;
    std::vector<std::string> files = FilesEndingIn(Path("TGR25025"), ".kml");
    std::set<std::string> names(files.begin(), files.end());
    for (const char* layer : {"ctycu", "trtcu", "grpcu", "blkcu", "placecu", "cousubcu", "sdunicu", "cdcu",
                              "zcta5cu", "zcta3cu", "cbsacu", "csacu", "metdivcu"})
        EXPECT_TRUE(names.count(std::string("TGR25025") + layer + ".kml")) << layer;
    for (const std::string& file : files) {
        std::string output = Ogrinfo("-al", Path("TGR25025/" + file));
        EXPECT_EQ(output.find("Warning"), std::string::npos) << file << "\n" << output.substr(0, 2000);
        EXPECT_EQ(output.find("ERROR"), std::string::npos) << file << "\n" << output.substr(0, 2000);
        EXPECT_NE(output.find("Feature Count"), std::string::npos) << file;
        EXPECT_NE(output.find("POLYGON"), std::string::npos) << file;
    }
}

// The codes of the census hierarchy on the sides of border lines, counted
// from the type A and type I files.
TEST_F(RealCountyLayersTest, OnePolygonPerCodeOnABorder) {
    struct Level {
        const char* abbreviation;
        size_t width;  // characters of the code from column 26 on (the block's runs into its suffix)
    };
    const Level levels[] = {{"ctycu", 5}, {"trtcu", 11}, {"grpcu", 12}, {"blkcu", 16}};
    std::map<std::string, std::string> polygons;  // CENID + POLYID -> columns 26-41
    for (const std::string& line : RecordLines(Path("TGR25025.RTA"))) polygons[line.substr(10, 15)] = line.substr(25, 16);
    for (const Level& level : levels) {
        std::set<std::string> codes;
        const std::string blank(level.width, ' ');
        for (const std::string& line : RecordLines(Path("TGR25025.RTI"))) {
            auto left = polygons.find(line.substr(40, 15));
            auto right = polygons.find(line.substr(55, 15));
            auto code = [&](decltype(left) side) {
                return side == polygons.end() ? blank : side->second.substr(0, level.width);
            };
            std::string l = code(left), r = code(right);
            if (l == r) continue;
            if (left != polygons.end()) codes.insert(l);
            if (right != polygons.end()) codes.insert(r);
        }
        std::vector<KmlPolygon> kml = Polygons(level.abbreviation);
        EXPECT_EQ(kml.size(), codes.size()) << level.abbreviation;
        std::set<std::string> names;
        for (const KmlPolygon& p : kml) names.insert(p.name);
        EXPECT_EQ(names.size(), kml.size()) << level.abbreviation << ": a code named twice";
        EXPECT_GT(kml.size(), 0u);
    }
}

TEST_F(RealCountyLayersTest, EveryInternalPointLiesInItsBlock) {
    std::map<std::string, std::string> blockOf;  // CENID + POLYID -> block code as in the file
    for (const std::string& line : RecordLines(Path("TGR25025.RTA"))) blockOf[line.substr(10, 15)] = line.substr(25, 16);
    // Blocks by STFID; a blank suffix column reads as the character '0'.
    std::map<std::string, const KmlPolygon*> blocks;
    std::vector<KmlPolygon> kml = Polygons("blkcu");
    for (const KmlPolygon& p : kml) {
        std::string code = p.name.substr(0, 16);
        code.resize(16, ' ');
        if (code[15] == '0') code[15] = ' ';
        blocks[code] = &p;
    }
    int checked = 0;
    for (const std::string& line : RecordLines(Path("TGR25025.RTP"))) {
        auto block = blockOf.find(line.substr(10, 15));
        ASSERT_NE(block, blockOf.end()) << line;
        double x = std::atof(line.substr(25, 10).c_str()) / 1e6;
        double y = std::atof(line.substr(35, 9).c_str()) / 1e6;
        auto polygon = blocks.find(block->second);
        if (polygon == blocks.end()) {
            ADD_FAILURE() << "no block polygon " << block->second << " for " << line.substr(10, 15);
            continue;
        }
        EXPECT_TRUE(polygon->second->Contains(x, y)) << block->second << " at " << x << "," << y;
        ++checked;
    }
    EXPECT_EQ(checked, 8065);
}

}  // namespace
