#include "tigercore/shape_points.h"

#include <cmath>

namespace tigercore {

std::vector<shapeio::PointXY> gShapePointBuffer;
int gShapePointCount = 0;
shapeio::BoundingBox gShapeBox = shapeio::EmptyBox();
shapeio::BoundingBox gLayerBox = shapeio::EmptyBox();

namespace {

ShapeState CurrentShape() { return {gShapePointBuffer, gShapePointCount, gShapeBox, gLayerBox}; }

}  // namespace

void ReleaseShapePoints() { std::vector<shapeio::PointXY>().swap(gShapePointBuffer); }

void PutShapePoint(const shapeio::PointXY& point) {
    ShapeState shape = CurrentShape();
    shape.Put(point);
}

void AppendLineShape(const std::vector<Type2Record>& rows, int rowCount, ShapeRowIndex& index, const char* tlid,
                     int reverse, shapeio::JobServices& services) {
    ShapeState shape = CurrentShape();
    AppendShapePoints(rows, rowCount, index, tlid, reverse == 1, shape, services);
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

}  // namespace tigercore
