// The Census 2000 and other-vintage layers of a real county (Suffolk County,
// Massachusetts, 2005 Second Edition): the whole conversion runs without a
// failure, GDAL opens every document, and the census hierarchy holds one
// polygon per code that the type S records put on a border line.
#include "conv2/job_state.h"
#include "support/commands.h"
#include "support/county_files.h"
#include "support/generated_county_run.h"
#include "support/real_county.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <sys/stat.h>
#include <vector>

using namespace testsupport;

namespace {

// `ogrinfo -ro -al -so` on each document of a folder, several at a time: per
// document its standard output and error, ending in "exit <status>".
std::map<std::string, std::string> OgrinfoOfEach(const std::string& folder, const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) list += name + "\n";
    WriteFile(folder + "/ogrinfo.list", list);
    std::string command = "cd '" + folder +
                          "' && xargs -P 8 -I{} sh -c 'ogrinfo -ro -al -so \"$1\" > \"$1.ogrinfo\" 2>&1; "
                          "echo \"exit $?\" >> \"$1.ogrinfo\"' _ {} < ogrinfo.list";
    std::map<std::string, std::string> outputs;
    if (std::system(command.c_str()) != 0) return outputs;
    for (const std::string& name : names) outputs[name] = ReadFile(folder + "/" + name + ".ogrinfo");
    return outputs;
}

bool Blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// A layer of the census hierarchy: its code columns in the type S record and
// the part that must not be blank for a side to have a polygon.
struct HierarchyLayer {
    const char* abbreviation;
    const char* codeField;
    std::vector<std::pair<int, int>> columns;  // 1-based first column, width
    std::pair<int, int> part;
};

std::string Columns(const std::string& line, const std::vector<std::pair<int, int>>& columns) {
    std::string text;
    for (auto [first, width] : columns) text += line.substr(static_cast<size_t>(first - 1), static_cast<size_t>(width));
    return text;
}

const std::initializer_list<int> kCensus2000Flags = {8,  11, 14, 17, 20, 23, 26, 29, 32, 35, 38, 41, 43, 45,
                                                     47, 49, 51, 54, 69, 70, 56, 58, 62, 60, 63, 64, 65, 66};

class RealCountyCensus2000Test : public RealCountyTest {};

TEST_F(RealCountyCensus2000Test, EveryLayerConvertsAndTheHierarchyMatchesTheTypeSCodes) {
    const std::string out = dir / "out";
    ASSERT_EQ(::mkdir(out.c_str(), 0755), 0);
    ConvertCounty(archive, out, Options('c', '1', kCensus2000Flags));

    std::vector<std::string> logs = FilesEndingIn(out, ".log");
    ASSERT_EQ(logs.size(), 1u);
    std::string log = LogMessages(ReadFile(out + "/" + logs[0]));
    // The archive has no type B file; nothing else may be missing or fail.
    for (const char* fault :
         {"exceeds", "ERROR", "Cannot", "Could not open file", "Could not read", "does not close", "terminate"})
        EXPECT_EQ(log.find(fault), std::string::npos) << fault << "\n" << log;

    const std::string folder = out + "/tigershapes";
    std::vector<std::string> documents = FilesEndingIn(folder, ".kml");
    EXPECT_GE(documents.size(), 20u);
    if (HaveOgrinfo()) {
        std::map<std::string, std::string> outputs = OgrinfoOfEach(folder, documents);
        EXPECT_EQ(outputs.size(), documents.size());
        for (const auto& [name, output] : outputs) {
            EXPECT_NE(output.find("Feature Count"), std::string::npos) << name << output;
            EXPECT_TRUE(output.size() > 7 && output.compare(output.size() - 7, 7, "exit 0\n") == 0) << name << output;
            EXPECT_EQ(output.find("Warning"), std::string::npos) << name << output;
            EXPECT_EQ(output.find("ERROR"), std::string::npos) << name << output;
        }
    }

    // The codes of both sides of every line, straight from the record files.
    ASSERT_TRUE(UnpackRealCounty(dir.path(), "*.rti\r*.rts"));
    std::map<std::string, std::string> polygons;  // CENID + POLYID -> type S line
    for (const std::string& line : RecordLines(dir / "TGR25025.RTS")) {
        std::string s = line;
        if (s[40] == ' ') s[40] = '0';  // a blank one-character column reads as '0'
        polygons[s.substr(10, 15)] = s;
    }
    const std::vector<std::string> chains = RecordLines(dir / "TGR25025.RTI");

    const HierarchyLayer layers[] = {
        {"cty00", "FIPSSTCO", {{26, 5}}, {26, 5}},
        {"trt00", "STFID", {{26, 11}}, {31, 6}},
        {"grp00", "STFID", {{26, 11}, {41, 1}}, {41, 1}},
        {"blk00", "STFID", {{26, 15}}, {37, 4}},
    };
    for (const HierarchyLayer& layer : layers) {
        SCOPED_TRACE(layer.abbreviation);
        std::set<std::string> codes;
        for (const std::string& chain : chains) {
            auto left = polygons.find(chain.substr(40, 15));
            auto right = polygons.find(chain.substr(55, 15));
            std::string l = left == polygons.end() ? "" : Columns(left->second, layer.columns);
            std::string r = right == polygons.end() ? "" : Columns(right->second, layer.columns);
            if (l == r) continue;
            for (auto side : {left, right}) {
                if (side == polygons.end()) continue;
                const std::string& s = side->second;
                if (!Blank(s.substr(static_cast<size_t>(layer.part.first - 1), static_cast<size_t>(layer.part.second))))
                    codes.insert(Columns(s, layer.columns));
            }
        }
        EXPECT_GT(codes.size(), 0u);
        std::string text = ReadFile(folder + "/" + vornak2::gCountyBaseName + layer.abbreviation + ".kml");
        std::set<std::string> written;
        size_t count = 0;
        for (const generated::Polygon& p : generated::ReadPolygons(text)) {
            written.insert(p.Field(layer.codeField));
            ++count;
        }
        EXPECT_EQ(count, codes.size());
        EXPECT_EQ(written, codes);
    }
}

}  // namespace
