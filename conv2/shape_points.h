// The points of the shape being built, shared by the line layers and the
// polygon builders; sized once per county for its longest line.
#pragma once

#include "shapeio/geometry.h"

#include <vector>

namespace vornak2 {

extern std::vector<shapeio::PointXY> gShapePointBuffer;

}  // namespace vornak2
