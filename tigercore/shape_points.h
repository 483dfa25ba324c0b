// The points of the shape being built, shared by the line layers and the
// polygon layers of a library: the gathering of a line's shape points from
// its type 2 rows, and the length of a line in miles.
#pragma once

#include "shapeio/geometry.h"
#include "shapeio/job_services.h"
#include "tigercore/halving_search.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace tigercore {

// A library's shape state: the points of the current shape (the buffer
// grows when a line holds more points than it has room for), how many there
// are, the box of the current shape and the box of the layer file.
struct ShapeState {
    std::vector<shapeio::PointXY>& buffer;
    int& count;
    shapeio::BoundingBox& shapeBox;
    shapeio::BoundingBox& layerBox;

    // Room for `more` points after `count`.
    void Reserve(size_t more) {
        size_t needed = static_cast<size_t>(count) + more;
        if (buffer.size() < needed) buffer.resize(needed);
    }
    // Puts one point at `count` (a line's end points).
    void Put(const shapeio::PointXY& point) {
        Reserve(1);
        buffer[static_cast<size_t>(count++)] = point;
    }
};

// The first row of a key whose rows carry sequence numbers from 1, reached
// from any of its rows (`found`, numbered `sequence`): it lies sequence - 1
// rows before. -1 when the row reached does not have the key.
template <typename Row, typename KeyOf>
int StepBackToFirstRow(const std::vector<Row>& rows, int found, int sequence, const char* wanted, KeyOf key) {
    int first = sequence > 1 ? found - (sequence - 1) : found;
    if (first < 0 || std::strcmp(key(rows[static_cast<size_t>(first)]), wanted) != 0) return -1;
    return first;
}

// Appends the shape points of the line `tlid` from its type 2 rows (a table
// sorted by TLID and RTSQ whose rows hold TLID, RTSQ and ten points; a
// longitude of 0.0 ends a row's points), in their order or last first, and
// widens both boxes by each. A line without rows adds nothing. When the
// line's first row cannot be reached from the row found, the log gets
// "ERROR - nonmatching Tlid values after sequence adjustment", the county
// fails and false is returned.
template <typename Row>
bool AppendShapePoints(const std::vector<Row>& rows, int rowCount, const char* tlid, bool reverse, ShapeState& shape,
                       shapeio::JobServices& services) {
    auto key = [](const Row& row) { return row.TLID; };
    rowCount = std::min(rowCount, static_cast<int>(rows.size()));
    const int found = FindByText(rows, rowCount, tlid, key);
    if (found < 0) return true;  // a straight line
    const int first =
        StepBackToFirstRow(rows, found, std::atoi(rows[static_cast<size_t>(found)].RTSQ), tlid, key);
    if (first < 0) {
        services.WriteLogLine("ERROR - nonmatching Tlid values after sequence adjustment");
        services.FailCounty();
        return false;
    }
    std::vector<shapeio::PointXY> points;
    for (int row = first; row < rowCount && std::strcmp(rows[static_cast<size_t>(row)].TLID, tlid) == 0; ++row) {
        for (const shapeio::PointXY& point : rows[static_cast<size_t>(row)].points) {
            if (point.x == 0.0) break;  // the row's last point has been taken
            points.push_back(point);
            shapeio::WidenBox(shape.shapeBox, point.x, point.y);
            shapeio::WidenBox(shape.layerBox, point.x, point.y);
        }
    }
    // Room for these points and the line's end point after them.
    shape.Reserve(points.size() + 1);
    auto out = shape.buffer.begin() + shape.count;
    if (reverse) std::copy(points.rbegin(), points.rend(), out);
    else std::copy(points.begin(), points.end(), out);
    shape.count += static_cast<int>(points.size());
    return true;
}

// The great-circle distance between two points (degrees) in statute miles.
double ComputeGreatCircleMiles(const shapeio::PointXY& a, const shapeio::PointXY& b);

// The length in miles of the line through `count` points.
double ComputeLineMiles(const shapeio::PointXY* points, int count);

}  // namespace tigercore
