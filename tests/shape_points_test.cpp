// Shape points of a line from the type 2 rows, line lengths in miles and the
// over/under-pass flags of the type U rows, against hand-computed values.
#include "conv2/job_state.h"
#include "conv2/record_store.h"
#include "conv2/shape_points.h"
#include "conv2/stages.h"
#include "support/real_county.h"
#include "support/record_job.h"
#include "support/temp_dir.h"
#include "tigercore/shape_points.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

using shapeio::PointXY;

namespace vornak2 {
using tigercore::gShapePointBuffer;
using tigercore::gLayerBox;
using tigercore::gShapeBox;
using tigercore::gShapePointCount;
using tigercore::PutShapePoint;

namespace {

Type2Record Row2(const char* tlid, const char* rtsq, std::vector<PointXY> points) {
    Type2Record row{};
    std::strcpy(row.TLID, tlid);
    std::strcpy(row.RTSQ, rtsq);
    for (size_t i = 0; i < points.size() && i < 10; ++i) row.points[i] = points[i];
    return row;
}

TypeURecord RowU(const char* tzid, int rtsq, const char* ov1, const char* ov2, const char* un1, const char* un2) {
    TypeURecord row{};
    std::strcpy(row.TZID, tzid);
    row.RTSQ = rtsq;
    std::strcpy(row.TLIDOV1, ov1);
    std::strcpy(row.TLIDOV2, ov2);
    std::strcpy(row.TLIDUN1, un1);
    std::strcpy(row.TLIDUN2, un2);
    return row;
}

class ShapePointsTest : public ::testing::Test {
protected:
    void SetUp() override {
        gLogFile = platform::OpenFile(dir_ / "county.log", "w");
        gConversionStatus = 0;
        gShapePointCount = 0;
        gShapeBox = shapeio::EmptyBox();
        gLayerBox = shapeio::EmptyBox();
        gShapePointBuffer.assign(12, PointXY{});  // a county whose largest RTSQ is 1
    }
    void TearDown() override {
        gLogFile.reset();
        gConversionStatus = 0;
        SetType2({});
        SetTypeU({});
        gShapePointBuffer.clear();
        gShapePointCount = 0;
    }
    // As the type 2 reader does, the index of the table's lines is forgotten:
    // a table put where the last one lay would be taken for it.
    static void SetType2(std::vector<Type2Record> rows) {
        gType2Records = std::move(rows);
        gType2Count = static_cast<int>(gType2Records.size());
        gType2Index.Clear();
    }
    static void SetTypeU(std::vector<TypeURecord> rows) {
        gTypeURecords = std::move(rows);
        gTypeUCount = static_cast<int>(gTypeURecords.size());
    }
    std::string Log() {
        std::fflush(gLogFile.get());
        return testsupport::ReadFile(dir_ / "county.log");
    }
    static std::vector<PointXY> Points() {
        return std::vector<PointXY>(gShapePointBuffer.begin(), gShapePointBuffer.begin() + gShapePointCount);
    }

    testsupport::TempDir dir_;
};

void ExpectPoints(const std::vector<PointXY>& expected, const std::vector<PointXY>& actual) {
    ASSERT_EQ(expected.size(), actual.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i].x, actual[i].x) << i;
        EXPECT_EQ(expected[i].y, actual[i].y) << i;
    }
}

const PointXY p1{-71.1, 42.1}, p2{-71.2, 42.2}, p3{-71.3, 42.0}, p4{-71.4, 42.4};

TEST_F(ShapePointsTest, LineOfTwoRowsFoundAtItsSecondRow) {
    // The search lands on RTSQ 2 and steps back to RTSQ 1.
    SetType2({Row2("  86000001", "  1", {{-70, 41}}), Row2("  86000002", "  1", {p1, p2}),
              Row2("  86000002", "  2", {p3})});
    PutShapePoint({-71.0, 42.0});
    AppendShapePoints("  86000002", 0);
    PutShapePoint({-71.5, 42.5});
    ExpectPoints({{-71.0, 42.0}, p1, p2, p3, {-71.5, 42.5}}, Points());
    EXPECT_EQ(0, gConversionStatus);
    // The boxes take in the shape points (the end points are the caller's).
    EXPECT_EQ(-71.3, gShapeBox.xmin);
    EXPECT_EQ(-71.1, gShapeBox.xmax);
    EXPECT_EQ(42.0, gShapeBox.ymin);
    EXPECT_EQ(42.2, gShapeBox.ymax);
    EXPECT_EQ(-71.3, gLayerBox.xmin);
}

TEST_F(ShapePointsTest, EmptySlotEndsARowNotTheLine) {
    SetType2({Row2("  86000002", "  1", {}), Row2("  86000002", "  2", {p1, p2})});
    AppendShapePoints("  86000002", 0);
    ExpectPoints({p1, p2}, Points());
}

TEST_F(ShapePointsTest, ReverseAppendsLastFirst) {
    SetType2({Row2("  86000002", "  1", {p1, p2, p3})});  // a one-row table
    PutShapePoint(p4);
    AppendShapePoints("  86000002", 1);
    ExpectPoints({p4, p3, p2, p1}, Points());
}

TEST_F(ShapePointsTest, LineWithoutShapePointsAddsNothing) {
    SetType2({Row2("  86000001", "  1", {p1}), Row2("  86000003", "  1", {p2})});
    AppendShapePoints("  86000002", 0);
    AppendShapePoints("  86000002", 0);
    SetType2({});
    AppendShapePoints("  86000002", 0);
    EXPECT_EQ(0, gShapePointCount);
    EXPECT_EQ(0, gConversionStatus);
    EXPECT_EQ("", Log());
}

TEST_F(ShapePointsTest, MissingFirstRow) {
    SetType2({Row2("  86000001", "  1", {p1}), Row2("  86000002", "  2", {p2})});
    AppendShapePoints("  86000002", 0);
    EXPECT_EQ(-1, gConversionStatus);
    EXPECT_EQ(0, gShapePointCount);
    EXPECT_EQ("ERROR - nonmatching Tlid values after sequence adjustment\n", Log());
}

TEST_F(ShapePointsTest, MoreRowsThanTheLargestSequencePromisedNeverOverflow) {
    // Buffer made for RTSQ 1 (12 points), yet the line has three full rows
    // (one RTSQ given twice).
    std::vector<PointXY> ten;
    for (int i = 0; i < 10; ++i) ten.push_back({-71.0 - i * 0.01, 42.0});
    SetType2({Row2("  86000002", "  1", ten), Row2("  86000002", "  1", ten), Row2("  86000002", "  2", ten)});
    PutShapePoint({-70.0, 42.0});
    AppendShapePoints("  86000002", 0);
    PutShapePoint({-72.0, 42.0});
    EXPECT_EQ(32, gShapePointCount);
    ASSERT_GE(gShapePointBuffer.size(), 32u);
    EXPECT_EQ(-72.0, gShapePointBuffer[31].x);
}

TEST(LineMeasures, GreatCircleMiles) {
    // One degree of a meridian on a sphere of diameter 12,735,300 m:
    // 6,367,650 m × π / 180 = 111,136.4 m = 69.05699 miles.
    EXPECT_NEAR(69.05699, tigercore::ComputeGreatCircleMiles({-84, 35}, {-84, 36}), 1e-5);
    EXPECT_NEAR(69.05699, tigercore::ComputeGreatCircleMiles({-84, 36}, {-84, 35}), 1e-5);
    // One degree of longitude at latitude 42: 2 asin(cos 42° sin 0.5°) × R = 51.31906 miles.
    EXPECT_NEAR(51.31906, tigercore::ComputeGreatCircleMiles({-71, 42}, {-70, 42}), 1e-5);
    EXPECT_EQ(0.0, tigercore::ComputeGreatCircleMiles({-71, 42}, {-71, 42}));
}

TEST_F(ShapePointsTest, LengthOfALineWithShapePoints) {
    // From (-71, 42) north half a degree, then east half a degree.
    SetType2({Row2("  86000002", "  1", {{-71, 42.5}})});
    PutShapePoint({-71, 42});
    AppendShapePoints("  86000002", 0);
    PutShapePoint({-70.5, 42.5});
    ASSERT_EQ(3, gShapePointCount);
    // 34.52850 (half a degree of meridian) + 2 asin(cos 42.5° sin 0.25°) × R = 25.45704.
    EXPECT_NEAR(34.52850 + 25.45704, tigercore::ComputeLineMiles(gShapePointBuffer.data(), gShapePointCount), 2e-5);
    EXPECT_EQ(0.0, tigercore::ComputeLineMiles(gShapePointBuffer.data(), 1));
}

TEST_F(ShapePointsTest, OverUnderFlags) {
    SetTypeU({RowU("    100001", 1, "  86000001", "", "", ""), RowU("    100002", 1, "", "", "", "  86000009"),
              RowU("    100002", 2, "  86000005", "", "", "  86000007")});
    EXPECT_EQ('O', LookupOverUnderFlag("    100001", "  86000001"));
    EXPECT_EQ('U', LookupOverUnderFlag("    100002", "  86000007"));  // TLIDUN2 only, second row
    EXPECT_EQ('O', LookupOverUnderFlag("    100002", "  86000005"));
    EXPECT_EQ(' ', LookupOverUnderFlag("    100002", "  86000001"));
    EXPECT_EQ(' ', LookupOverUnderFlag("    100003", "  86000001"));  // a node without type U rows
    EXPECT_EQ(0, gConversionStatus);
    SetTypeU({RowU("    100001", 1, "", "", "", ""), RowU("    100002", 3, "  86000001", "", "", "")});
    EXPECT_EQ(' ', LookupOverUnderFlag("    100002", "  86000001"));
    EXPECT_EQ(-1, gConversionStatus);
    EXPECT_EQ("ERROR - nonmatching Tzid values after sequence adjustment\n", Log());
}

}  // namespace
}  // namespace vornak2

// Every line of a real county (Suffolk County, Massachusetts) gets exactly
// the shape points its type 2 records hold, read here straight from the file.
namespace vornak2 {
namespace {

class RealCountyShapePoints : public testsupport::RealCountyTest {};

TEST_F(RealCountyShapePoints, EveryLineGetsItsShapePoints) {
    ASSERT_TRUE(testsupport::UnpackRealCounty(dir.path(), "*.rt1\r*.rt2"));

    testsupport::RecordJob job(dir.path(), 105, true);
    ASSERT_TRUE(testsupport::RecordJob::Open(dir / "TGR25025.RT1"));
    ReadType1Records();
    ASSERT_TRUE(testsupport::RecordJob::Open(dir / "TGR25025.RT2"));
    ReadType2Records();
    ASSERT_EQ(0, gConversionStatus) << job.Log();
    ASSERT_GT(gType2Count, 0);

    // The points of each line from the text of the type 2 file, by RTSQ.
    std::map<std::string, std::map<int, std::vector<PointXY>>> rows;
    for (const std::string& line : testsupport::RecordLines(dir / "TGR25025.RT2", 208)) {
        auto& points = rows[line.substr(5, 10)][std::stoi(line.substr(15, 3))];
        for (int k = 0; k < 10; ++k) {
            long long x = std::stoll(line.substr(18 + 19 * k, 10)), y = std::stoll(line.substr(28 + 19 * k, 9));
            if (x == 0) break;
            points.push_back({x / 1e6, y / 1e6});
        }
    }

    gShapePointBuffer.assign(10 * static_cast<size_t>(gMaxRtsq) + 2, PointXY{});
    size_t linesWithPoints = 0;
    for (int i = 0; i < gType1Count; ++i) {
        const Type1Record& line = gType1Records[static_cast<size_t>(i)];
        std::vector<PointXY> expected;
        auto found = rows.find(line.TLID);
        if (found != rows.end()) {
            for (const auto& row : found->second) expected.insert(expected.end(), row.second.begin(), row.second.end());
            ++linesWithPoints;
        }
        for (int reverse : {0, 1}) {
            gShapePointCount = 0;
            AppendShapePoints(line.TLID, reverse);
            ASSERT_EQ(expected.size(), static_cast<size_t>(gShapePointCount)) << line.TLID;
            for (size_t k = 0; k < expected.size(); ++k) {
                const PointXY& got = gShapePointBuffer[reverse ? expected.size() - 1 - k : k];
                ASSERT_NEAR(expected[k].x, got.x, 1e-9) << line.TLID;
                ASSERT_NEAR(expected[k].y, got.y, 1e-9) << line.TLID;
            }
        }
    }
    EXPECT_EQ(rows.size(), linesWithPoints);  // every type 2 line is a line of type 1
    EXPECT_EQ(0, gConversionStatus) << job.Log();
    gShapePointBuffer.clear();
    gShapePointCount = 0;
}

}  // namespace
}  // namespace vornak2
