// The rings of one polygon as the KML writer sorts them: signed area and
// centroid, point-in-ring containment, and which outer ring holds each hole.
// Rings are walked with the polygon on their right, so outer rings are
// clockwise (negative area) and holes counter-clockwise.
#pragma once

#include "shapeio/geometry.h"

#include <vector>

namespace shapeio {

// One ring of a polygon.
struct PolygonRing {
    double area = 0.0;  // signed: clockwise rings negative
    double centroidX = 0.0;
    double centroidY = 0.0;
    std::vector<PointXY> points;
    bool isHole = false;
    int parent = -1;  // the outer ring that holds this hole, -1 for none
};

// 0 when (x, y) lies inside the ring of `count` points (crossing number; the
// last point is joined to the first), 1 when it lies outside.
int KML_Point_In_Polygon(const PointXY* points, int count, double x, double y);

// Signed area and centroid of the ring's points.
void MeasureRing(PolygonRing& ring);

// Sorts the rings of one polygon: a ring of positive area (counter-clockwise)
// is a hole, any other an outer ring; each hole goes to the smallest outer
// ring that holds a point of the hole not on that ring. Returns the label
// point: the centroid of the outer ring of most negative area (the first on
// a tie), else the first point of the first outer ring; false when the
// polygon has no outer ring.
bool ClassifyRings(std::vector<PolygonRing>& rings, PointXY& labelPoint);

}  // namespace shapeio
