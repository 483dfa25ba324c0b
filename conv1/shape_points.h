// The geometry of the shape being built, shared by the line layers and the
// polygon builders: its points, its box and the box of the layer file being
// written, and the gathering of a line's shape points from the type 2 rows.
#pragma once

#include "shapeio/geometry.h"

#include <vector>

namespace vornak {

// Points of the current shape; made for the county's longest line by the
// driver (10 points per type 2 row of the highest RTSQ and the two end
// points) and grown when a line holds more.
extern std::vector<shapeio::PointXY> gShapePointBuffer;
// Points in gShapePointBuffer; the caller sets it to 0 before each line.
extern int gShapePointCount;
// Box of the current shape; the caller empties it before each shape.
extern shapeio::BoundingBox gShapeBox;
// Box of the layer file being written.
extern shapeio::BoundingBox gLayerBox;

// Puts one point at gShapePointCount (a line's end points).
void PutShapePoint(const shapeio::PointXY& point);

// Appends the shape points of the line `tlid` from the type 2 rows, in their
// order or, when `reverse` is 1, last first, widening gShapeBox and
// gLayerBox with each. A line without type 2 rows adds nothing. When the
// line's first row cannot be reached from the row found, the log gets
// "ERROR - nonmatching Tlid values after sequence adjustment" and the
// county fails.
void AppendShapePoints(const char* tlid, int reverse);

}  // namespace vornak
