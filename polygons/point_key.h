// A point as the exact bit patterns of its coordinates, for finding equal
// points by hashing or sorting: two points have the same key exactly when
// they compare equal as doubles (-0.0 is taken as 0.0).
#pragma once

#include "shapeio/geometry.h"

#include <cstdint>
#include <cstring>

namespace polygons {

using shapeio::PointXY;

struct PointKey {
    uint64_t x;
    uint64_t y;
    bool operator==(const PointKey& o) const { return x == o.x && y == o.y; }
    bool operator<(const PointKey& o) const { return x != o.x ? x < o.x : y < o.y; }
};

inline uint64_t CoordinateBits(double v) {
    if (v == 0.0) v = 0.0;
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

inline PointKey KeyOf(const PointXY& p) { return {CoordinateBits(p.x), CoordinateBits(p.y)}; }

}  // namespace polygons
