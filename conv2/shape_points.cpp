#include "conv2/shape_points.h"

#include "conv2/job_state.h"
#include "conv2/record_store.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace vornak2 {

std::vector<shapeio::PointXY> gShapePointBuffer;
int gShapePointCount = 0;
shapeio::BoundingBox gShapeBox = shapeio::EmptyBox();
shapeio::BoundingBox gLayerBox = shapeio::EmptyBox();

namespace {

// Room for `more` points after gShapePointCount.
void ReserveShapePoints(size_t more) {
    size_t needed = static_cast<size_t>(gShapePointCount) + more;
    if (gShapePointBuffer.size() < needed) gShapePointBuffer.resize(needed);
}

// Bisection for a row of a table sorted by its key text: the first row found
// with the key, or -1. `key` gives a row's key text.
template <typename Row, typename KeyOf>
int FindAnyRow(const std::vector<Row>& rows, int count, const char* wanted, KeyOf key) {
    count = std::min(count, static_cast<int>(rows.size()));
    if (count <= 0) return -1;
    int lo = 0, hi = count - 1;
    for (;;) {
        if (std::strcmp(key(rows[static_cast<size_t>(lo)]), wanted) == 0) return lo;
        if (std::strcmp(key(rows[static_cast<size_t>(hi)]), wanted) == 0) return hi;
        if (hi - lo <= 1) return -1;
        int mid = (lo + hi) / 2;
        int order = std::strcmp(key(rows[static_cast<size_t>(mid)]), wanted);
        if (order == 0) return mid;
        if (order < 0) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
}

// The key's first row, reached from any of its rows by its sequence number
// (RTSQ r lies r - 1 rows after the first); -1 when the row reached does not
// have the key.
template <typename Row, typename KeyOf>
int StepBackToFirstRow(const std::vector<Row>& rows, int found, int sequence, const char* wanted, KeyOf key) {
    int first = sequence > 1 ? found - (sequence - 1) : found;
    if (first < 0 || std::strcmp(key(rows[static_cast<size_t>(first)]), wanted) != 0) return -1;
    return first;
}

}  // namespace

void PutShapePoint(const shapeio::PointXY& point) {
    ReserveShapePoints(1);
    gShapePointBuffer[static_cast<size_t>(gShapePointCount++)] = point;
}

void AppendShapePoints(const char* tlid, int reverse) {
    auto key = [](const Type2Record& row) { return row.TLID; };
    int found = FindAnyRow(gType2Records, gType2Count, tlid, key);
    if (found < 0) return;  // a straight line
    int first =
        StepBackToFirstRow(gType2Records, found, std::atoi(gType2Records[static_cast<size_t>(found)].RTSQ), tlid, key);
    if (first < 0) {
        WriteLogLine("ERROR - nonmatching Tlid values after sequence adjustment");
        gConversionStatus = -1;
        return;
    }

    const int rows = std::min(gType2Count, static_cast<int>(gType2Records.size()));
    std::vector<shapeio::PointXY> points;
    for (int row = first; row < rows && std::strcmp(gType2Records[static_cast<size_t>(row)].TLID, tlid) == 0;
         ++row) {
        for (const shapeio::PointXY& point : gType2Records[static_cast<size_t>(row)].points) {
            if (point.x == 0.0) break;  // the row's last point has been taken
            points.push_back(point);
            shapeio::WidenBox(gShapeBox, point.x, point.y);
            shapeio::WidenBox(gLayerBox, point.x, point.y);
        }
    }
    // Room for these points and the line's end point after them.
    ReserveShapePoints(points.size() + 1);
    auto out = gShapePointBuffer.begin() + gShapePointCount;
    if (reverse == 1) {
        std::copy(points.rbegin(), points.rend(), out);
    } else {
        std::copy(points.begin(), points.end(), out);
    }
    gShapePointCount += static_cast<int>(points.size());
}

double ComputeGreatCircleMiles(const shapeio::PointXY& a, const shapeio::PointXY& b) {
    const double k = 0.017453292519444445;  // degrees to radians
    double lat1 = a.y * k;
    double lat2 = b.y * k;
    double h = std::pow(std::sin((a.x * k - b.x * k) * 0.5), 2.0) * std::cos(lat2) * std::cos(lat1) +
               std::pow(std::sin((lat1 - lat2) * 0.5), 2.0);
    return std::asin(std::pow(h, 0.5)) * 12735300.0 * 0.0006213711922373339;
}

double ComputeLineMiles(const shapeio::PointXY* points, int count) {
    double miles = 0.0;
    for (int i = 1; i < count; ++i) miles += ComputeGreatCircleMiles(points[i - 1], points[i]);
    return miles;
}

char LookupOverUnderFlag(const char* tzid, const char* tlid) {
    auto key = [](const TypeURecord& row) { return row.TZID; };
    int found = FindAnyRow(gTypeURecords, gTypeUCount, tzid, key);
    if (found < 0) return ' ';
    int first = StepBackToFirstRow(gTypeURecords, found, gTypeURecords[static_cast<size_t>(found)].RTSQ, tzid, key);
    if (first < 0) {
        WriteLogLine("ERROR - nonmatching Tzid values after sequence adjustment");
        gConversionStatus = -1;
        return ' ';
    }
    const int rows = std::min(gTypeUCount, static_cast<int>(gTypeURecords.size()));
    for (int row = first; row < rows && std::strcmp(gTypeURecords[static_cast<size_t>(row)].TZID, tzid) == 0;
         ++row) {
        const TypeURecord& node = gTypeURecords[static_cast<size_t>(row)];
        if (std::strcmp(node.TLIDOV1, tlid) == 0 || std::strcmp(node.TLIDOV2, tlid) == 0) return 'O';
        if (std::strcmp(node.TLIDUN1, tlid) == 0 || std::strcmp(node.TLIDUN2, tlid) == 0) return 'U';
    }
    return ' ';
}

}  // namespace vornak2
