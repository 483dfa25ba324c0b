#include "shapeio/ring_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace shapeio {

int KML_Point_In_Polygon(const PointXY* points, int count, double x, double y) {
    int crossings = 0;
    for (int j = 1; j <= count; ++j) {
        const PointXY& a = points[j - 1];
        const PointXY& b = points[j % count];
        if (std::min(a.y, b.y) < y && y <= std::max(a.y, b.y) && x <= std::max(a.x, b.x) && a.y != b.y &&
            (a.x == b.x || x < a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y))) {
            ++crossings;
        }
    }
    return crossings % 2 == 1 ? 0 : 1;
}

namespace {

// Whether p lies on the segment from a to b (exactly).
bool OnSegment(const PointXY& a, const PointXY& b, const PointXY& p) {
    if (p.x < std::min(a.x, b.x) || p.x > std::max(a.x, b.x) || p.y < std::min(a.y, b.y) ||
        p.y > std::max(a.y, b.y))
        return false;
    return (b.x - a.x) * (p.y - a.y) == (b.y - a.y) * (p.x - a.x);
}

bool OnRing(const PolygonRing& ring, const PointXY& p) {
    const size_t n = ring.points.size();
    for (size_t j = 0; j < n; ++j) {
        if (OnSegment(ring.points[j], ring.points[(j + 1) % n], p)) return true;
    }
    return false;
}

// Whether a hole lies inside an outer ring, judged by a point of the hole
// that is not on the outer ring: an island that touches the ring around it
// at a node has its first point on that ring. The hole's points are tried
// first, then the middles of its edges; a hole all of whose points lie on
// the ring is not inside it.
bool HoleLiesIn(const PolygonRing& hole, const PolygonRing& outer) {
    const int count = static_cast<int>(outer.points.size());
    auto inside = [&](const PointXY& p) { return KML_Point_In_Polygon(outer.points.data(), count, p.x, p.y) == 0; };
    for (const PointXY& p : hole.points) {
        if (!OnRing(outer, p)) return inside(p);
    }
    const size_t n = hole.points.size();
    for (size_t j = 0; j + 1 < n; ++j) {
        const PointXY middle{(hole.points[j].x + hole.points[j + 1].x) * 0.5,
                             (hole.points[j].y + hole.points[j + 1].y) * 0.5};
        if (!OnRing(outer, middle)) return inside(middle);
    }
    return false;
}

}  // namespace

void MeasureRing(PolygonRing& ring) {
    double sum = 0.0, xSum = 0.0, ySum = 0.0;
    const size_t n = ring.points.size();
    // Every edge, the last point back to the first included: for a closed
    // ring (last point equal to the first) that edge adds nothing, and an
    // unclosed ring is measured as if it were closed.
    for (size_t j = 0; n >= 2 && j < n; ++j) {
        const PointXY& p = ring.points[j];
        const PointXY& q = ring.points[(j + 1) % n];
        double a = p.x * q.y - q.x * p.y;
        sum += a;
        xSum += (p.x + q.x) * a;
        ySum += (p.y + q.y) * a;
    }
    ring.area = sum * 0.5;
    ring.centroidX = xSum / (ring.area * 6.0);
    ring.centroidY = ySum / (ring.area * 6.0);
}

bool ClassifyRings(std::vector<PolygonRing>& rings, PointXY& labelPoint) {
    bool hasLabel = false;
    double smallest = 0.0;
    for (PolygonRing& ring : rings) {
        MeasureRing(ring);
        ring.isHole = ring.area > 0.0;
        ring.parent = -1;
        if (ring.area < smallest) {
            smallest = ring.area;
            labelPoint = PointXY{ring.centroidX, ring.centroidY};
            hasLabel = true;
        }
    }
    for (PolygonRing& hole : rings) {
        if (!hole.isHole || hole.points.empty()) continue;
        for (size_t k = 0; k < rings.size(); ++k) {
            const PolygonRing& outer = rings[k];
            if (outer.isHole || outer.points.empty()) continue;
            if (!HoleLiesIn(hole, outer)) continue;
            if (hole.parent < 0 || std::fabs(outer.area) < std::fabs(rings[static_cast<size_t>(hole.parent)].area)) {
                hole.parent = static_cast<int>(k);
            }
        }
    }
    if (!hasLabel) {
        for (const PolygonRing& ring : rings) {
            if (!ring.isHole && !ring.points.empty()) {
                labelPoint = ring.points.front();
                return true;
            }
        }
    }
    return hasLabel;
}

}  // namespace shapeio
