// Polygons valid for GIS tools (GEOS through GDAL: scripts/check-polygons.sh)
// in both libraries; water of flag 2 clipped in the 1994-2000 layers.
#include "support/commands.h"
#include "support/generated_county_run.h"
#include "support/kml_polygons.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

using namespace testsupport;
using generated::CountyRun;

namespace {

// Edition, type A column and layer of the places, last polygon layer.
const struct Library {
    char edition;
    int placeColumn, placeFlag;
    const char* placeDocument;
    int lastLayer;
} kLibraries[] = {{'c', 81, 39, "placecu", 78}, {'6', 36, 13, "plc", 49}};

std::vector<KmlPolygon> Polygons(const CountyRun& run, const std::string& abbreviation) {
    return ReadKmlPolygons(ReadFile(run.DocumentPath(abbreviation))).at(0).polygons;
}

// Whether GDAL here puts polygons to SpatiaLite's ST_IsValid, as
// scripts/check-polygons.sh does: asked of a one-square document.
bool HaveSpatiaLite() {
    static const bool have = [] {
        if (!HaveOgrinfo() || !HaveProgram("ogr2ogr")) return false;
        TempDir dir;
        WriteFile(dir / "probe.kml",
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\">"
                  "<Document><name>probe</name><Placemark><Polygon><outerBoundaryIs><LinearRing><coordinates>"
                  "0,0 1,0 1,1 0,1 0,0</coordinates></LinearRing></outerBoundaryIs></Polygon></Placemark>"
                  "</Document></kml>\n");
        return Ogrinfo("-q -dialect SQLite -sql \"SELECT ST_IsValid(geometry) AS r FROM probe\"", dir / "probe.kml")
                   .find("r (Integer) = 1") != std::string::npos;
    }();
    return have;
}
const char kNoSpatiaLite[] = "GDAL with SpatiaLite is not installed";

// What the script says of the county's documents.
std::string Validity(const CountyRun& run) {
    const std::string folder = run.DocumentPath("");
    return CommandOutput("bash '" PELLARD_SOURCE_DIR "/scripts/check-polygons.sh' '" +
                         folder.substr(0, folder.rfind('/')) + "'");
}

}  // namespace

// In a 3 x 3 county place 00200 is the middle cell and the north-west one,
// two lobes meeting at a node; place 00100, the other cells, wraps around the
// middle cell, its ends meeting at that node. Both rings pass it twice.
TEST(ValidPolygonsTest, PolygonsTouchingThemselvesAtANodeAreSplitThere) {
    for (const Library& library : kLibraries) {
        SCOPED_TRACE(library.edition);
        CountyRun run({3, 3, library.edition});
        run.PatchRecords("rta", [&](std::string& line) {
            const int cell = CountyRun::CellOf(line);
            CountyRun::Put(line, library.placeColumn, cell == 4 || cell == 6 ? "00200" : "00100");
        });
        run.Run(library.edition, {library.placeFlag});
        const std::vector<KmlPolygon> places = Polygons(run, library.placeDocument);
        ASSERT_EQ(places.size(), 2u);
        EXPECT_EQ(places[0].OuterRings(), 1);  // with a hole at the middle cell
        EXPECT_EQ(places[0].Holes(), 1);
        EXPECT_EQ(places[1].OuterRings(), 2);
        EXPECT_EQ(places[1].Holes(), 0);
        if (HaveSpatiaLite()) {
            const std::string said = Validity(run);
            EXPECT_HAS(said, "all 3 polygons of 1 documents valid");
        }
    }
}

TEST(ValidPolygonsTest, EveryLayerOfGeneratedCountiesIsValid) {
    for (const Library& library : kLibraries) {
        SCOPED_TRACE(library.edition);
        CountyRun run({17, 15, library.edition});
        std::vector<int> layers;
        for (int k = 8; k <= library.lastLayer; ++k) layers.push_back(k);
        run.Run(library.edition, layers, true);
        EXPECT_LACKS(run.LogMessages(), "exceeds the count");
        if (!HaveSpatiaLite()) GTEST_SKIP() << kNoSpatiaLite;
        const std::string said = Validity(run);
        EXPECT_HAS(said, " documents valid\n");
    }
}

// Water cells (6, 6) and (14, 6), the second of WATER 2: clipped, both are
// holes of the county, whose land sides need room beyond its border lines.
TEST(ValidPolygonsTest, WaterOfFlagTwoIsClippedInTheOlderEditions) {
    CountyRun run({17, 9, '6'});
    run.PatchRecords("rts", [](std::string& line) {
        if (CountyRun::CellOf(line) == 6 * 17 + 14) CountyRun::Put(line, 26, "2");
    });
    for (bool clip : {false, true}) {
        run.Run('6', {8}, clip);
        EXPECT_LACKS(run.LogMessages(), "exceeds the count");
        const std::vector<KmlPolygon> counties = Polygons(run, "cty");
        ASSERT_EQ(counties.size(), 1u);
        EXPECT_EQ(counties[0].Holes(), clip ? 2 : 0);
        EXPECT_EQ(counties[0].Contains(-71.5 + 0.001 * 14.5, 42 + 0.001 * 6.5), !clip);  // cell (14, 6)
    }
}
