#include "conv1/shape_points.h"

#include "conv1/job_state.h"
#include "conv1/record_store.h"
#include "tigercore/shape_points.h"

namespace vornak {

std::vector<shapeio::PointXY> gShapePointBuffer;
int gShapePointCount = 0;
shapeio::BoundingBox gShapeBox = shapeio::EmptyBox();
shapeio::BoundingBox gLayerBox = shapeio::EmptyBox();

namespace {

tigercore::ShapeState Shape() { return {gShapePointBuffer, gShapePointCount, gShapeBox, gLayerBox}; }

}  // namespace

void PutShapePoint(const shapeio::PointXY& point) {
    tigercore::ShapeState shape = Shape();
    shape.Put(point);
}

void AppendShapePoints(const char* tlid, int reverse) {
    tigercore::ShapeState shape = Shape();
    tigercore::AppendShapePoints(gType2Records, gType2Count, gType2Index, tlid, reverse == 1, shape, Services());
}

}  // namespace vornak
