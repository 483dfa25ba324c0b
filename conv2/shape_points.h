// The gathering of a line's shape points from the type 2 rows into the
// shape being built (tigercore/shape_points.h);
// the over/under-pass flag of a line's end.
#pragma once

#include "tigercore/shape_points.h"

namespace vornak2 {

// Appends the shape points of the line `tlid` from the type 2 rows, in their
// order or, when `reverse` is 1, last first, widening both boxes
// with each. A line without type 2 rows adds nothing. When the line's first
// row cannot be reached the log gets "ERROR - nonmatching Tlid
// values after sequence adjustment" and the county is failed.
void AppendShapePoints(const char* tlid, int reverse);

// 'O' when the node `tzid` lists the line `tlid` as an overpass line, 'U'
// when it lists it as an underpass line, a blank otherwise.
char LookupOverUnderFlag(const char* tzid, const char* tlid);

}  // namespace vornak2
