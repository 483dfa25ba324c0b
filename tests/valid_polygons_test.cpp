// Polygons that GIS tools take as valid, in both libraries: generated cells
// coded so that polygons touch themselves at one node, and whole generated
// counties with every polygon layer, put to GEOS through GDAL
// (scripts/check-polygons.sh); and water of another flag than 1 clipped out
// of the 1994-2000 layers.
#include "county_model.h"
#include "county_writer.h"
#include "support/commands.h"
#include "support/county_files.h"
#include "support/kml_polygons.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <sys/stat.h>

using namespace testsupport;

namespace {

// One library: its edition, the type A columns of its place code, its
// place layer, and every polygon layer of its options.
struct Library {
    char edition;
    int placeColumn;
    int placeFlag;
    const char* placeDocument;
    bool old;
};
const Library kLibraries[] = {{'c', 81, 39, "placecu", false}, {'6', 36, 13, "plc", true}};

std::set<int> EveryPolygonLayer(const Library& library) {
    std::set<int> flags;
    for (int k = 8; k <= (library.old ? 49 : 78); ++k) flags.insert(k);
    if (!library.old) flags.erase(53);
    return flags;
}

// A generated county in `dir`/in, converted into `dir`/out (a folder per county).
class GeneratedCounty {
public:
    GeneratedCounty(const TempDir& dir, const Library& library, int width, int height) : library_(library) {
        spec_.width = width, spec_.height = height, spec_.edition = library.edition;
        in_ = dir / "in", out_ = dir / "out";
        ::mkdir(in_.c_str(), 0755), ::mkdir(out_.c_str(), 0755);
        county_ = countygen::WriteCounty(spec_, in_);
    }

    // Rewrites the polygon records of a file: `edit(record, cell)`, the cell being POLYID - 1.
    void EditPolygons(const std::string& suffix, const std::function<void(std::string&, int)>& edit) const {
        const std::string path = countygen::CountyFilePath(spec_, in_, suffix);
        std::string text = ReadFile(path), edited;
        for (size_t at = 0, end; at < text.size(); at = end + 2) {
            end = text.find("\r\n", at);
            std::string record = text.substr(at, end - at);
            edit(record, std::stoi(record.substr(15, 10)) - 1);
            edited += record + "\r\n";
        }
        WriteFile(path, edited);
    }

    // Converts with the layers of `flags`; the county's log.
    std::string Convert(const std::set<int>& flags, bool clip) const {
        std::string options = library_.old ? OldOptions(library_.edition, '0') : Options(library_.edition, '0');
        for (int f : flags) options[static_cast<size_t>(f)] = '1';
        options[library_.old ? 54 : 80] = clip ? '1' : '0';
        if (library_.old) ConvertOldCounty(county_.type1Path, out_, options);
        else ConvertCounty(county_.type1Path, out_, options);
        return ReadFile(out_ + "/" + county_.baseName + ".log");
    }

    std::string Folder() const { return out_ + "/" + county_.baseName; }
    std::vector<KmlPolygon> Polygons(const std::string& abbreviation) const {
        return ReadKmlPolygons(ReadFile(Folder() + "/" + county_.baseName + abbreviation + ".kml"))[0].polygons;
    }

private:
    const Library& library_;
    countygen::CountySpec spec_;
    std::string in_, out_;
    countygen::GeneratedCounty county_;
};

// What GDAL says of every polygon under `folder`; "" when it can say nothing here.
std::string Validity(const std::string& folder) {
    if (!HaveProgram("ogr2ogr") || !HaveOgrinfo()) return "";
    const std::string said =
        CommandOutput("bash '" PELLARD_SOURCE_DIR "/scripts/check-polygons.sh' '" + folder + "'");
    return said.find("cannot be asked") == std::string::npos ? said : "";
}

bool PassesAPointTwice(const KmlRing& ring) {
    for (size_t i = 0; i + 1 < ring.points.size(); ++i)
        for (size_t j = i + 1; j + 1 < ring.points.size(); ++j)
            if (ring.points[i] == ring.points[j]) return true;
    return false;
}

}  // namespace

// Place 00100 wraps around the middle cell of a 3 x 3 county, its two ends
// meeting at the middle cell's north-west corner; place 00200 is the middle
// cell and the north-west cell, two lobes meeting at that corner. The walk
// passes that corner twice in both places.
TEST(ValidPolygonsTest, PolygonsTouchingThemselvesAtANodeAreSplitThere) {
    for (const Library& library : kLibraries) {
        SCOPED_TRACE(library.edition);
        TempDir dir;
        const GeneratedCounty county(dir, library, 3, 3);
        county.EditPolygons("rta", [&](std::string& record, int cell) {
            const bool lobe = cell == 4 || cell == 6;  // (1, 1) and (0, 2)
            record.replace(static_cast<size_t>(library.placeColumn - 1), 5, lobe ? "00200" : "00100");
        });
        county.Convert({library.placeFlag}, false);
        const std::vector<KmlPolygon> places = county.Polygons(library.placeDocument);
        ASSERT_EQ(places.size(), 2u);
        EXPECT_EQ(places[0].OuterRings(), 1);  // the wrapping place: its shell and a hole at the middle cell
        EXPECT_EQ(places[0].Holes(), 1);
        EXPECT_EQ(places[1].OuterRings(), 2);  // the two lobes
        EXPECT_EQ(places[1].Holes(), 0);
        for (const KmlPolygon& place : places) {
            for (const KmlRing& ring : place.rings) EXPECT_FALSE(PassesAPointTwice(ring));
        }
        // The hole is the lobe in the middle, point for point the other way round.
        const KmlRing& hole = places[0].rings[1];
        const double middle = RingArea2(hole);
        EXPECT_GT(middle, 0.0);
        EXPECT_NEAR(RingArea2(places[1].rings[0]) + RingArea2(places[1].rings[1]), -2 * middle, 1e-12);
        const std::string valid = Validity(county.Folder());
        if (!valid.empty()) {
            EXPECT_HAS(valid, "all 3 polygons of 1 documents valid");
        }
    }
}

// Every polygon layer of a generated county of each library, water clipped.
TEST(ValidPolygonsTest, EveryLayerOfGeneratedCountiesIsValid) {
    for (const Library& library : kLibraries) {
        SCOPED_TRACE(library.edition);
        TempDir dir;
        const GeneratedCounty county(dir, library, 17, 15);
        EXPECT_LACKS(county.Convert(EveryPolygonLayer(library), true), "exceeds the count");
        const std::string valid = Validity(county.Folder());
        if (valid.empty()) GTEST_SKIP() << "GDAL with SpatiaLite is not installed";
        EXPECT_HAS(valid, " documents valid\n");
        EXPECT_LACKS(valid, "INVALID");
    }
}

// Water cells (6, 6) and (14, 6) of a 1994-2000 county, the second of WATER
// 2: clipped, each is a hole in the county, whose land sides make the
// entries beyond the county's border lines.
TEST(ValidPolygonsTest, WaterOfEveryFlagIsClippedInTheOlderEditions) {
    const Library& library = kLibraries[1];
    for (bool clip : {false, true}) {
        SCOPED_TRACE(clip);
        TempDir dir;
        const GeneratedCounty county(dir, library, 17, 9);
        county.EditPolygons("rts", [](std::string& record, int cell) {
            if (cell == 6 * 17 + 14) record[25] = '2';
        });
        const std::string log = county.Convert({8}, clip);
        EXPECT_LACKS(log, "exceeds the count");
        const std::vector<KmlPolygon> counties = county.Polygons("cty");
        ASSERT_EQ(counties.size(), 1u);
        EXPECT_EQ(counties[0].OuterRings(), 1);
        EXPECT_EQ(counties[0].Holes(), clip ? 2 : 0);
        const double x = -71.5 + 0.001 * 14.5;  // the middle of cell (14, 6)
        EXPECT_EQ(counties[0].Contains(x, 42 + 0.001 * 6.5), !clip);
    }
}
