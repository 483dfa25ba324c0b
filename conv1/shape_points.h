// The gathering of a line's shape points from the type 2 rows into the
// shape being built (tigercore/shape_points.h).
#pragma once

#include "tigercore/shape_points.h"

namespace vornak {

// Appends the shape points of the line `tlid` from the type 2 rows, in their
// order or, when `reverse` is 1, last first, widening both boxes
// with each. A line without type 2 rows adds nothing. When the line's first
// row cannot be reached from the row found, the log gets
// "ERROR - nonmatching Tlid values after sequence adjustment" and the
// county fails.
void AppendShapePoints(const char* tlid, int reverse);

}  // namespace vornak
