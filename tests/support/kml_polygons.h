// Reads back the polygon documents of the polygon layers: per county folder
// its polygons (one placemark, or a folder of placemarks for a polygon of
// several outer rings), their names, attribute tables and rings.
#pragma once

#include <string>
#include <vector>

namespace testsupport {

struct KmlPoint {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const KmlPoint& o) const { return x == o.x && y == o.y; }
};

struct KmlRing {
    bool outer = true;
    std::vector<KmlPoint> points;
};

// One polygon of a layer: its name, the values of its attribute table and
// the rings of all its placemarks.
struct KmlPolygon {
    std::string name;  // trimmed
    std::vector<std::pair<std::string, std::string>> fields;
    int placemarks = 0;  // one per outer ring
    std::vector<KmlRing> rings;

    // The value of a field of the attribute table ("" when absent).
    std::string Field(const std::string& field) const;
    int OuterRings() const;
    int Holes() const { return static_cast<int>(rings.size()) - OuterRings(); }
    // Even-odd over all rings: inside an outer ring and not in one of its holes.
    bool Contains(double x, double y) const;
};

struct KmlCountyFolder {
    std::string code;
    std::vector<KmlPolygon> polygons;
};

// The county folders of a document in order; throws std::runtime_error when
// the text does not have the writer's structure.
std::vector<KmlCountyFolder> ReadKmlPolygons(const std::string& documentText);

// Twice the signed area of a ring (counter-clockwise positive).
double RingArea2(const KmlRing& ring);

}  // namespace testsupport
