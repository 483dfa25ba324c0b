// GDAL as an independent reader of the shapefiles, tables and KML documents
// the shared writers produce: feature counts, fields, values and geometry.
#include "shapeio/kml_writer.h"
#include "shapeio/shapefile_layer_writer.h"
#include "support/commands.h"
#include "support/fake_job_services.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

using shapeio::DbfFieldDef;
using shapeio::DbfRecord;
using shapeio::LayerOutput;
using shapeio::PointXY;
using testsupport::CountOf;
using testsupport::HaveOgrinfo;
using testsupport::kNoOgrinfo;
using testsupport::Ogrinfo;

namespace {

const DbfFieldDef kLineFields[] = {
    {"TLID", 'N', 10, 0}, {"FENAME", 'C', 30, 0}, {"LENGTH", 'N', 10, 5}, {nullptr, 0, 0, 0}};
const DbfFieldDef kCountyFields[] = {{"GIST_ID", 'N', 8, 0}, {"FIPSSTCO", 'C', 5, 0}, {"NAME", 'C', 20, 0},
                                     {nullptr, 0, 0, 0}};

void WriteCounty(const std::string& scratchFolder, int firstGist, const std::string& code) {
    testsupport::FakeJobServices services;
    shapeio::PolygonScratchFiles scratch(services, scratchFolder);
    ASSERT_TRUE(scratch.Create());
    // A county with a lake, and a county of two separate parts.
    const PointXY outer[] = {{-71, 42}, {-71, 43}, {-70, 43}, {-70, 42}, {-71, 42}};
    const PointXY lake[] = {{-70.8, 42.2}, {-70.2, 42.2}, {-70.2, 42.8}, {-70.8, 42.8}, {-70.8, 42.2}};
    const PointXY partA[] = {{-69, 42}, {-69, 42.5}, {-68.5, 42.5}, {-68.5, 42}, {-69, 42}};
    const PointXY partB[] = {{-68, 41}, {-68, 41.25}, {-67.75, 41.25}, {-67.75, 41}, {-68, 41}};
    ASSERT_TRUE(scratch.WriteRecord(
        DbfRecord(kCountyFields).AddNumber(static_cast<long long>(firstGist)).Add(code).Add("Lake & Shore").text()));
    ASSERT_TRUE(scratch.WritePoints(outer, 5) && scratch.EndRing(5) && scratch.WritePoints(lake, 5) &&
                scratch.EndRing(5) && scratch.EndPolygon(2, shapeio::EmptyBox()));
    ASSERT_TRUE(scratch.WriteRecord(
        DbfRecord(kCountyFields).AddNumber(static_cast<long long>(firstGist + 1)).Add(code).Add("Espa\xF1ola").text()));
    ASSERT_TRUE(scratch.WritePoints(partA, 5) && scratch.EndRing(5) && scratch.WritePoints(partB, 5) &&
                scratch.EndRing(5) && scratch.EndPolygon(2, shapeio::EmptyBox()));
    ASSERT_TRUE(scratch.Close());
}

}  // namespace

TEST(OgrReader, LineLayerShapefileAndTable) {
    if (!HaveOgrinfo()) GTEST_SKIP() << kNoOgrinfo;
    testsupport::TempDir dir;
    testsupport::FakeJobServices services;
    const LayerOutput output{dir.path() + "/", "lkA", '3'};
    const PointXY line1[] = {{-71.1, 42.0}, {-71.0, 42.1}, {-70.9, 42.3}};
    const PointXY line2[] = {{-70.5, 41.5}, {-70.4, 41.6}};
    for (int county = 0; county < 2; ++county) {
        shapeio::ShapefileLayerWriter layer(services);
        ASSERT_TRUE(layer.Open(output, shapeio::kShapePolyLine, kLineFields));
        const PointXY* points = county == 0 ? line1 : line2;
        int count = county == 0 ? 3 : 2;
        ASSERT_TRUE(layer.AddArc(points, count,
                                 DbfRecord(kLineFields).Add(county == 0 ? "86000001" : "86000003").Add("Main").AddNumber(12.34567).text()));
        ASSERT_TRUE(layer.AddArc(points, 2,
                                 DbfRecord(kLineFields).Add(county == 0 ? "86000002" : "86000004").Add("Elm").AddNumber(0.5).text()));
        ASSERT_TRUE(layer.Finish());
    }
    ASSERT_FALSE(services.failed);

    const std::string info = Ogrinfo("-al", dir / "lkA.shp");
    EXPECT_HAS(info, "using driver `ESRI Shapefile' successful");
    EXPECT_HAS(info, "Geometry: Line String");
    EXPECT_HAS(info, "Feature Count: 4");
    EXPECT_HAS(info, "Extent: (-71.100000, 41.500000) - (-70.400000, 42.300000)");
    EXPECT_HAS(info, "TLID: Integer64 (10.0)\nFENAME: String (30.0)\nLENGTH: Real (10.5)\n");
    EXPECT_HAS(info, "OGRFeature(lkA):0\n  TLID (Integer64) = 86000001\n  FENAME (String) = Main\n"
                     "  LENGTH (Real) = 12.34567\n  LINESTRING (-71.1 42.0,-71 42.1,-70.9 42.3)\n");
    EXPECT_HAS(info, "OGRFeature(lkA):1\n  TLID (Integer64) = 86000002\n  FENAME (String) = Elm\n"
                     "  LENGTH (Real) = 0.50000\n  LINESTRING (-71.1 42.0,-71 42.1)\n");
    EXPECT_HAS(info, "OGRFeature(lkA):3\n  TLID (Integer64) = 86000004\n");
    EXPECT_HAS(info, "LINESTRING (-70.5 41.5,-70.4 41.6)");
    EXPECT_EQ(std::string::npos, info.find("ERROR")) << info;
    EXPECT_EQ(std::string::npos, info.find("Warning")) << info;

    // The table alone.
    testsupport::TempDir tableDir;
    testsupport::WriteFile(tableDir / "lkA.dbf", testsupport::ReadFile(dir / "lkA.dbf"));
    const std::string table = Ogrinfo("-al", tableDir / "lkA.dbf");
    EXPECT_HAS(table, "Geometry: None");
    EXPECT_HAS(table, "Feature Count: 4");
    EXPECT_HAS(table, "  TLID (Integer64) = 86000003\n  FENAME (String) = Main\n  LENGTH (Real) = 12.34567\n");
}

TEST(OgrReader, PointLayer) {
    if (!HaveOgrinfo()) GTEST_SKIP() << kNoOgrinfo;
    testsupport::TempDir dir;
    testsupport::FakeJobServices services;
    const DbfFieldDef nodeFields[] = {{"NODE_ID", 'N', 10, 0}, {nullptr, 0, 0, 0}};
    shapeio::ShapefileLayerWriter layer(services);
    ASSERT_TRUE(layer.Open(LayerOutput{dir.path() + "/", "ndA", '0'}, shapeio::kShapePoint, nodeFields));
    ASSERT_TRUE(layer.AddPoint({-71.25, 42.5}, DbfRecord(nodeFields).AddNumber(1LL).text()));
    ASSERT_TRUE(layer.AddPoint({-71.5, 42.75}, DbfRecord(nodeFields).AddNumber(2LL).text()));
    ASSERT_TRUE(layer.Finish());
    const std::string info = Ogrinfo("-al", dir / "ndA.shp");
    EXPECT_HAS(info, "Geometry: Point");
    EXPECT_HAS(info, "Feature Count: 2");
    EXPECT_HAS(info, "Extent: (-71.500000, 42.500000) - (-71.250000, 42.750000)");
    EXPECT_HAS(info, "  NODE_ID (Integer64) = 2\n  POINT (-71.5 42.75)\n");
}

TEST(OgrReader, KmlDocumentOfTwoCounties) {
    if (!HaveOgrinfo()) GTEST_SKIP() << kNoOgrinfo;
    testsupport::TempDir dir;
    const LayerOutput output{dir.path() + "/", "ctycu", '3'};
    for (const char* code : {"25025", "25027"}) {
        WriteCounty(dir.path(), code[4] == '5' ? 1 : 3, code);
        testsupport::FakeJobServices services;
        shapeio::PolygonScratchFiles scratch(services, dir.path());
        ASSERT_TRUE(shapeio::KML_Write_Polygons(services, output, {"tgr25025", code, false}, scratch, "ctycu",
                                                kCountyFields, 34, "NAME"));
        ASSERT_FALSE(services.failed) << services.log;
    }
    // Both of GDAL's KML readers.
    for (const char* options : {"", "--config OGR_SKIP LIBKML"}) {
        SCOPED_TRACE(options);
        const std::string info = Ogrinfo(std::string("-al ") + options, dir / "ctycu.kml");
        EXPECT_HAS(info, "Layer name: 25025");
        EXPECT_HAS(info, "Layer name: 25027");
        EXPECT_EQ(std::string::npos, info.find("ERROR")) << info;
        // The county with a lake: one placemark, its ring with a hole.
        EXPECT_HAS(info, "Lake & Shore        \n");
        EXPECT_HAS(info, "<tr><td>NAME</td><td>Lake &amp; Shore</td></tr>");
        EXPECT_HAS(info, "POLYGON Z ((-71 42 40,-71 43 40,-70 43 40,-70 42 40,-71 42 40),"
                         "(-70.8 42.2 40,-70.2 42.2 40,-70.2 42.8 40,-70.8 42.8 40,-70.8 42.2 40))");
        // The county of two parts: two placemarks of one name, a Latin-1 name read as UTF-8.
        EXPECT_HAS(info, "Espa\xC3\xB1ola            \n");
        EXPECT_HAS(info, "POLYGON Z ((-69 42 40,-69 42.5 40,-68.5 42.5 40,-68.5 42.0 40,-69 42 40))");
        EXPECT_HAS(info, "POLYGON Z ((-68 41 40,-68 41.25 40,-67.75 41.25 40,-67.75 41.0 40,-68 41 40))");
        // Three placemarks per county; each county of two parts is a sub-folder (a layer of its own).
        EXPECT_EQ(6, CountOf(info, "  POLYGON Z ((")) << info;
        EXPECT_EQ(4, CountOf(info, "Layer name: ")) << info;
        EXPECT_EQ(0, CountOf(info, "POINT")) << info;
    }
}

TEST(OgrReader, KmlLabelPoints) {
    if (!HaveOgrinfo()) GTEST_SKIP() << kNoOgrinfo;
    testsupport::TempDir dir;
    WriteCounty(dir.path(), 1, "25025");
    testsupport::FakeJobServices services;
    shapeio::PolygonScratchFiles scratch(services, dir.path());
    ASSERT_TRUE(shapeio::KML_Write_Polygons(services, LayerOutput{dir.path() + "/", "ctycu", '0'},
                                            {"tgr25025", "25025", true}, scratch, "ctycu", kCountyFields, 34, "NAME"));
    const std::string info = Ogrinfo("-al --config OGR_SKIP LIBKML", dir / "ctycu.kml");
    EXPECT_EQ(3, CountOf(info, "  POLYGON Z ((")) << info;
    EXPECT_EQ(2, CountOf(info, "  POINT Z (")) << info;
    EXPECT_HAS(info, "POINT Z (-70.5 42.5 0)");
    EXPECT_HAS(info, "POINT Z (-68.75 42.25 0)");  // the larger part's centroid
}
