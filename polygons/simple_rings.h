// Rings that pass through each of their points once. The ring walk follows a
// polygon's border lines from point to point, so where a polygon touches
// itself at one point (it wraps around a neighbour that meets it there, or
// two of its lobes meet there) one ring may pass through that point twice.
// GIS tools take such a ring for a self-intersection; split at that point it
// becomes simple rings: a loop that winds the other way is a hole touching
// its outer ring at the point, one that winds the same way another outer
// ring of the polygon.
#pragma once

#include "shapeio/geometry.h"

#include <vector>

namespace polygons {

using shapeio::PointXY;

// Splits a closed ring (last point equal to the first) at every point it
// passes through more than once; equal neighbouring points do not count as
// two passes. Each loop between two passes through a point becomes a ring
// closed on that point; what is left of the ring, which keeps its first
// point, comes first in `pieces`, then the loops in the order the ring
// closes them. Loops that enclose nothing (fewer than three distinct
// points: a line walked out and back) are left out. False, with `pieces`
// untouched, when the ring is not closed, passes through no point twice, or
// nothing of it encloses anything.
bool SplitAtRepeatedPoints(const std::vector<PointXY>& ring, std::vector<std::vector<PointXY>>& pieces);

}  // namespace polygons
