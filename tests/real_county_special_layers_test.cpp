// The correction, landmark, water, economic census and all-polygons layers of
// a real county (Suffolk County, Massachusetts, 2005 Second Edition, which
// has no type B file): no failure in the log, every document read by GDAL,
// and counts made here straight from the record files.
#include "support/commands.h"
#include "support/county_files.h"
#include "support/grid_county.h"
#include "support/real_county.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <sys/stat.h>

using namespace testsupport;

namespace {

class RealCountySpecialLayersTest : public RealCountyTest {};

TEST_F(RealCountySpecialLayersTest, EveryLayerConvertsAndTheAllPolygonsLayerHasEveryPolygon) {
    std::string in = dir / "in";
    std::string out = dir / "out";
    ASSERT_EQ(::mkdir(in.c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(out.c_str(), 0755), 0);
    ASSERT_TRUE(UnpackRealCounty(in, "*.*"));

    ConvertCounty(in + "/TGR25025.RT1", out, Options('c', '0', {10, 48, 50, 52, 67, 68, 71}));
    std::string log = LogOf(out, "TGR25025");
    for (const char* failure : {"exceeds", "ERROR", "Cannot", "does not close", "Could not open file",
                                "Could not read", "Could not write", "terminate", "No polygons"})
        EXPECT_EQ(log.find(failure), std::string::npos) << failure << " in:\n" << log;
    EXPECT_NE(log.find("There are no CQ records\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Metadata records"), std::string::npos) << "the county did not run to its end:\n" << log;

    // Every document opens in GDAL without a complaint.
    std::string folder = out + "/TGR25025";
    std::vector<std::string> documents = FilesEndingIn(folder, ".kml");
    std::set<std::string> names(documents.begin(), documents.end());
    EXPECT_EQ(names, (std::set<std::string>{"TGR25025all.kml", "TGR25025ctyec.kml", "TGR25025lpy.kml",
                                             "TGR25025placeec.kml", "TGR25025wat.kml"}));
    if (HaveOgrinfo()) {
        for (const std::string& name : documents) {
            const std::string path = folder + "/" + name;
            std::string info = Ogrinfo("-so -al", path);
            EXPECT_NE(info.find("Feature Count"), std::string::npos) << path << "\n" << info;
            EXPECT_EQ(info.find("ERROR"), std::string::npos) << path << "\n" << info;
            EXPECT_EQ(info.find("Warning"), std::string::npos) << path << "\n" << info;
        }
    }

    // The polygons of the type P file that border another polygon.
    std::set<std::string> polygons;
    for (const std::string& line : RecordLines(in + "/TGR25025.RTP")) polygons.insert(line.substr(10, 15));
    std::set<std::string> bordered;
    for (const std::string& line : RecordLines(in + "/TGR25025.RTI")) {
        std::string left = line.substr(40, 15), right = line.substr(55, 15);
        if (left == right) continue;
        for (const std::string& side : {left, right})
            if (polygons.count(side)) bordered.insert(side);
    }
    auto all = ReadDocumentPolygons(folder + "/TGR25025all.kml");
    ASSERT_EQ(all.size(), bordered.size());
    std::set<std::string> written;
    for (const DocumentPolygon& polygon : all) {
        char key[32];
        std::snprintf(key, sizeof key, "%s%10s", polygon.Field("CENID").c_str(), polygon.Field("POLYID").c_str());
        written.insert(key);
    }
    EXPECT_EQ(written, bordered);

    // The polygon-landmark link table holds the further links of each polygon.
    std::vector<std::string> links;
    for (const std::string& line : RecordLines(in + "/TGR25025.RT8")) links.push_back(line.substr(10, 15));
    std::stable_sort(links.begin(), links.end());
    long repeats = 0;
    for (size_t k = 1; k < links.size(); ++k) repeats += links[k] == links[k - 1];
    ASSERT_GT(repeats, 0);
    std::string linkTable = ReadFile(folder + "/TGR25025lpy3.dbf");
    ASSERT_GE(linkTable.size(), 8u);
    long count = static_cast<unsigned char>(linkTable[4]) | static_cast<unsigned char>(linkTable[5]) << 8;
    EXPECT_EQ(count, repeats);
    EXPECT_EQ(linkTable.size(), 32 * 4 + 33 + static_cast<size_t>(count) * 31 + 1);
}

}  // namespace
