#include "support/kml_polygons.h"

#include "support/text_checks.h"

#include <cstdlib>
#include <stdexcept>

namespace testsupport {

namespace {

std::string Unescape(const std::string& text) {
    static const std::pair<const char*, char> kEntities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string out;
    for (size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& [entity, c] : kEntities) {
                if (text.compare(i, std::char_traits<char>::length(entity), entity) == 0) {
                    out += c;
                    i += std::char_traits<char>::length(entity);
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += text[i++];
    }
    return out;
}

// The text between `at` and the closing tag `close`; moves `at` past it.
std::string Until(const std::string& text, size_t& at, const std::string& close) {
    size_t end = text.find(close, at);
    if (end == std::string::npos) throw std::runtime_error("no " + close);
    std::string inner = text.substr(at, end - at);
    at = end + close.size();
    return inner;
}

std::vector<std::pair<std::string, std::string>> TableFields(const std::string& description) {
    std::vector<std::pair<std::string, std::string>> fields;
    size_t at = 0;
    while ((at = description.find("<tr><td>", at)) != std::string::npos) {
        at += 8;
        std::string key = Until(description, at, "</td><td>");
        std::string value = Until(description, at, "</td></tr>");
        fields.emplace_back(Unescape(key), Unescape(value));
    }
    return fields;
}

std::vector<KmlPoint> Tuples(const std::string& text) {
    std::vector<KmlPoint> points;
    const char* p = text.c_str();
    for (;;) {
        char* end = nullptr;
        double x = std::strtod(p, &end);
        if (end == p) break;
        if (*end != ',') throw std::runtime_error("bad tuple in: " + text);
        p = end + 1;
        double y = std::strtod(p, &end);
        if (*end != ',') throw std::runtime_error("bad tuple in: " + text);
        p = end + 1;
        std::strtod(p, &end);
        p = end;
        points.push_back({x, y});
    }
    return points;
}

}  // namespace

std::string KmlPolygon::Field(const std::string& field) const {
    for (const auto& [key, value] : fields) {
        if (key == field) return value;
    }
    return "";
}

int KmlPolygon::OuterRings() const {
    int n = 0;
    for (const KmlRing& ring : rings) n += ring.outer ? 1 : 0;
    return n;
}

bool KmlPolygon::Contains(double x, double y) const {
    bool inside = false;
    for (const KmlRing& ring : rings) {
        const auto& pts = ring.points;
        for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            if ((pts[i].y > y) != (pts[j].y > y) &&
                x < (pts[j].x - pts[i].x) * (y - pts[i].y) / (pts[j].y - pts[i].y) + pts[i].x)
                inside = !inside;
        }
    }
    return inside;
}

double RingArea2(const KmlRing& ring) {
    double sum = 0.0;
    const auto& pts = ring.points;
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) sum += pts[j].x * pts[i].y - pts[i].x * pts[j].y;
    return sum;
}

std::vector<KmlCountyFolder> ReadKmlPolygons(const std::string& text) {
    std::vector<KmlCountyFolder> counties;
    int depth = 0;             // folders open inside the document
    bool inPlacemark = false;  // a polygon placemark (or label point) is open
    bool inPoint = false;
    bool nextOuter = true;
    bool labelPlacemark = false;
    // What the next <name> names: 0 nothing, 1 a county folder, 2 a polygon.
    int naming = 0;
    size_t at = 0;
    while ((at = text.find('<', at)) != std::string::npos) {
        size_t close = text.find('>', at);
        if (close == std::string::npos) break;
        std::string tag = text.substr(at + 1, close - at - 1);
        at = close + 1;
        if (tag == "Folder") {
            ++depth;
            if (depth == 1) {
                counties.emplace_back();
                naming = 1;
            } else if (depth == 2) {
                counties.back().polygons.emplace_back();
                naming = 2;
            } else {
                throw std::runtime_error("folder nested too deep");
            }
        } else if (tag == "/Folder") {
            --depth;
        } else if (tag == "Placemark") {
            if (counties.empty() || depth < 1) throw std::runtime_error("placemark outside a county folder");
            inPlacemark = true;
            labelPlacemark = false;
            if (depth == 1) {
                counties.back().polygons.emplace_back();
                naming = 2;
            } else {
                naming = 0;
            }
        } else if (tag == "/Placemark") {
            inPlacemark = false;
            auto& polygons = counties.back().polygons;
            if (labelPlacemark && polygons.size() >= 2 && polygons.back().rings.empty()) {
                // The label point of the polygon before it.
                polygons[polygons.size() - 2].fields = polygons.back().fields;
                polygons.pop_back();
            }
        } else if (tag == "name") {
            std::string name = Trim(Unescape(Until(text, at, "</name>")), " \r\n\t");
            if (naming == 1) counties.back().code = name;
            if (naming == 2) counties.back().polygons.back().name = name;
            naming = 0;
        } else if (tag == "description") {
            std::string inner = Until(text, at, "</description>");
            if (!counties.empty() && !counties.back().polygons.empty())
                counties.back().polygons.back().fields = TableFields(inner);
        } else if (tag == "Point") {
            inPoint = true;
            labelPlacemark = true;
        } else if (tag == "/Point") {
            inPoint = false;
        } else if (tag == "outerBoundaryIs") {
            nextOuter = true;
            if (inPlacemark) ++counties.back().polygons.back().placemarks;
        } else if (tag == "innerBoundaryIs") {
            nextOuter = false;
        } else if (tag == "coordinates") {
            std::string inner = Until(text, at, "</coordinates>");
            if (inPoint) continue;
            KmlRing ring;
            ring.outer = nextOuter;
            ring.points = Tuples(inner);
            counties.back().polygons.back().rings.push_back(std::move(ring));
        }
    }
    return counties;
}

}  // namespace testsupport
