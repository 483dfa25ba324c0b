// The geometry of the shape being built, shared by the line layers and the
// polygon builders: its points, its box and the box of the layer file being
// written; the gathering of a line's shape points from the type 2 rows; the
// length of a line in miles and the over/under-pass flag of a line's end.
#pragma once

#include "shapeio/geometry.h"

#include <vector>

namespace vornak2 {

// Points of the current shape; made for the county's longest line by the
// driver and grown when a line holds more points than that.
extern std::vector<shapeio::PointXY> gShapePointBuffer;
// Points in gShapePointBuffer; the caller sets it to 0 before each line.
extern int gShapePointCount;
// Box of the current shape; the caller empties it before each shape.
extern shapeio::BoundingBox gShapeBox;
// Box of the layer file being written.
extern shapeio::BoundingBox gLayerBox;

// Puts one point at gShapePointCount (the line's end points), growing the
// buffer when it is full.
void PutShapePoint(const shapeio::PointXY& point);

// Appends the shape points of the line `tlid` from the type 2 rows, in their
// order or, when `reverse` is 1, last first, widening gShapeBox and
// gLayerBox with each. A line without type 2 rows adds nothing. When the
// line's first row cannot be reached the log gets "ERROR - nonmatching Tlid
// values after sequence adjustment" and the county is failed.
void AppendShapePoints(const char* tlid, int reverse);

// 'O' when the node `tzid` lists the line `tlid` as an overpass line, 'U'
// when it lists it as an underpass line, a blank otherwise.
char LookupOverUnderFlag(const char* tzid, const char* tlid);

}  // namespace vornak2
