#include "conv2/shape_points.h"

namespace vornak2 {

std::vector<shapeio::PointXY> gShapePointBuffer;

}  // namespace vornak2
