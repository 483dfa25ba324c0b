// Points and boxes in degrees (longitude, latitude).
#pragma once

namespace shapeio {

struct PointXY {
    double x = 0.0;  // longitude
    double y = 0.0;  // latitude
};

struct BoundingBox {
    double xmin = 0.0;
    double ymin = 0.0;
    double xmax = 0.0;
    double ymax = 0.0;
};

// The empty box: minima +1e99, maxima -1e99.
inline BoundingBox EmptyBox() { return BoundingBox{1e99, 1e99, -1e99, -1e99}; }

// Widens `box` to take in (x, y). Each bound is tested on its own, so the
// first point of an empty box sets all four.
inline void WidenBox(BoundingBox& box, double x, double y) {
    if (x < box.xmin) box.xmin = x;
    if (x > box.xmax) box.xmax = x;
    if (y < box.ymin) box.ymin = y;
    if (y > box.ymax) box.ymax = y;
}

}  // namespace shapeio
