// The county frame both libraries' polygon layers build on, over hand-made
// tables and job state: the engine's job as each library sets it, the lines
// from the tables, and the water landmarks table.
#include "tigercore/county_polygons.h"
#include "tigercore/shape_points.h"
#include "tigercore/water_landmarks.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

struct LineRow {
    char TLID[11];
};
struct EndsRow {
    double FRLONG, FRLAT, TOLONG, TOLAT;
};
struct TypeARow {
    int row;
};
// Type A rows 0 and 1 can be read back.
bool ReadTypeARow(int row, TypeARow& out) {
    out.row = row;
    return row < 2;
}

// Each line's inner points: one point at (1, 2), then (3, 4).
void GatherShape(const char*, int reverse) {
    tigercore::PutShapePoint(reverse ? shapeio::PointXY{3, 4} : shapeio::PointXY{1, 2});
    tigercore::PutShapePoint(reverse ? shapeio::PointXY{1, 2} : shapeio::PointXY{3, 4});
}

class HandLines : public tigercore::TableCountyPolygons<LineRow, EndsRow, TypeARow> {
public:
    using TableCountyPolygons::TableCountyPolygons;
    int LineCount() const override { return 1; }
    tigercore::SidePair Sides(tigercore::SideTable, int) const override { return {}; }
    const void* SideRow(tigercore::SideTable table, int row) override {
        return table == tigercore::SideTable::kTypeA ? TypeARowAt(row) : nullptr;
    }
    tigercore::SideWater Water(int) const override { return {}; }
    int WaterSideCount() const override { return 0; }
    bool GatheringShowsProgress() const override { return false; }
};

// The settings of the 1994-2000 library (merged folder made once) and of
// the 2002-2006 library (twice).
class CountyPolygonsTest : public ::testing::TestWithParam<int> {};

TEST_P(CountyPolygonsTest, JobFollowsTheStateAndLinesTheTables) {
    std::string outputDir = "/scratch", prefix = "/out/tgr99001/", base = "tgr99001", county = "99001",
                logPath = "/scratch/tgr99001.log";
    const tigercore::ScratchFolder scratch;  // none made: the output directory holds the scratch files
    char mode = '3';
    int clip = 1, labels = 0, status = 0;
    platform::FilePtr log;
    tigercore::ProgressSink* const noDialog = nullptr;
    tigercore::CountyServices services(log, status, noDialog, "",
                                       {outputDir, scratch, prefix, mode, base, county, logPath, clip, labels,
                                        GetParam()});
    const std::vector<LineRow> lines = {{"123"}};
    const std::vector<EndsRow> ends = {{-71.5, 42.25, -71.0, 42.5}};
    HandLines polygons(services, lines, ends, GatherShape, ReadTypeARow);
    mode = '2';  // read when a layer is built
    const polygons::PolygonLayerJob job = polygons.Job();
    EXPECT_EQ(job.services, &services);
    EXPECT_EQ(job.scratchFolder, "/scratch/");
    EXPECT_EQ(job.output.outputPrefix, prefix);
    EXPECT_EQ(job.output.organisationMode, '2');
    EXPECT_EQ(job.countyBaseName, base);
    EXPECT_EQ(job.countyCode, county);
    EXPECT_TRUE(job.clipWater);
    EXPECT_FALSE(job.labelPoints);
    EXPECT_EQ(job.mergedFolderMakes, GetParam());

    EXPECT_STREQ(polygons.Tlid(0), "123");
    EXPECT_EQ(polygons.From(0).x, -71.5);
    EXPECT_EQ(polygons.To(0).y, 42.5);
    std::vector<shapeio::PointXY> points = {{9, 9}};
    polygons.AppendShapePoints("123", true, points);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1].x, 3);
    EXPECT_EQ(points[2].x, 1);
    tigercore::gShapePointCount = 0;
    tigercore::ReleaseShapePoints();

    const void* side = polygons.SideRow(tigercore::SideTable::kTypeA, 1);
    ASSERT_NE(side, nullptr);
    EXPECT_EQ(static_cast<const TypeARow*>(side)->row, 1);
    EXPECT_EQ(polygons.SideRow(tigercore::SideTable::kTypeA, 2), nullptr);
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, CountyPolygonsTest, ::testing::Values(1, 2));

TEST(WaterLandmarksTest, RefillKeepsTheHydrographyRowsInOrder) {
    std::vector<tigercore::Type7Record> rows(4), water(1);
    const char* classes[] = {"H11", "D82", "H30", "H40"};
    for (size_t i = 0; i < rows.size(); ++i) std::snprintf(rows[i].CFCC, sizeof rows[i].CFCC, "%s", classes[i]);
    int count = 7;
    tigercore::RefillWaterLandmarks(rows, 3, water, count);  // the first three rows only
    ASSERT_EQ(count, 2);
    EXPECT_STREQ(water[1].CFCC, "H30");
    tigercore::ReleaseWaterLandmarks(water, count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(water.capacity(), 0u);
}

}  // namespace
