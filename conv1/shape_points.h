// The geometry of the shape being built, shared by the line layers and the
// polygon builders: its points, its box and the box of the layer file being
// written, and the gathering of a line's shape points from the type 2 rows.
#pragma once

#include "tigercore/shape_points.h"

namespace vornak {

// The shape being built (tigercore/shape_points.h).
using tigercore::gLayerBox;
using tigercore::gShapeBox;
using tigercore::gShapePointBuffer;
using tigercore::gShapePointCount;
using tigercore::PutShapePoint;

// Appends the shape points of the line `tlid` from the type 2 rows, in their
// order or, when `reverse` is 1, last first, widening gShapeBox and
// gLayerBox with each. A line without type 2 rows adds nothing. When the
// line's first row cannot be reached from the row found, the log gets
// "ERROR - nonmatching Tlid values after sequence adjustment" and the
// county fails.
void AppendShapePoints(const char* tlid, int reverse);

}  // namespace vornak
