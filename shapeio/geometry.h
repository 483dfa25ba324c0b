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

}  // namespace shapeio
