#include "support/grid_county.h"

#include "support/record_line.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace testsupport {

namespace {

std::string Right(long long value, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%*lld", width, value);
    return text;
}

// Millionths of a degree, signed, in `width` columns.
std::string Degrees(double degrees, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%+0*lld", width, std::llround(degrees * 1e6));
    return text;
}

}  // namespace

const GridCell* GridCounty::CellAt(int i, int j) const {
    if (i < 0 || j < 0 || i >= width_ || j >= height_) return nullptr;
    return &cells_[static_cast<size_t>(j * width_ + i)];
}

std::string GridCounty::PolyId(int i, int j) const {
    const GridCell* cell = CellAt(i, j);
    if (!cell) return std::string(10, ' ');
    return cell->polyid.empty() ? Right(j * width_ + i + 1, 10) : cell->polyid;
}

std::string GridCounty::PolygonKey(int i, int j) const { return PolyId(i, j) + CellAt(i, j)->cenid; }

std::string GridCounty::Write(const std::string& dir) const {
    const std::string stem = dir + "/tgr25901.";
    std::vector<std::string> type1, typeI;
    int number = 0;
    auto addLine = [&](std::pair<double, double> from, std::pair<double, double> to, int li, int lj, int ri,
                       int rj) {
        std::string tlid = Right(100000001 + number++, 10);
        type1.push_back(RecordLine(228)
                            .Put(1, "11105")
                            .Put(6, tlid)
                            .Put(56, "A41")
                            .Put(191, Degrees(from.first, 10))
                            .Put(201, Degrees(from.second, 9))
                            .Put(210, Degrees(to.first, 10))
                            .Put(220, Degrees(to.second, 9)));
        const GridCell* left = CellAt(li, lj);
        const GridCell* right = CellAt(ri, rj);
        typeI.push_back(RecordLine(129)
                            .Put(1, "I1105")
                            .Put(6, countyCode)
                            .Put(11, tlid)
                            .Put(41, left ? left->cenid : "     ")
                            .Put(46, PolyId(li, lj))
                            .Put(56, right ? right->cenid : "     ")
                            .Put(61, PolyId(ri, rj)));
    };
    for (int j = 0; j <= height_; ++j)
        for (int i = 0; i < width_; ++i) addLine(Node(i, j), Node(i + 1, j), i, j, i, j - 1);
    for (int i = 0; i <= width_; ++i)
        for (int j = 0; j < height_; ++j) addLine(Node(i, j), Node(i, j + 1), i - 1, j, i, j);

    // One row per polygon, from its first cell.
    std::vector<std::string> a, s, p, b, e, eight;
    std::vector<std::string> seen;
    for (int j = 0; j < height_; ++j) {
        for (int i = 0; i < width_; ++i) {
            const GridCell& cell = *CellAt(i, j);
            std::string key = PolygonKey(i, j);
            if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
            seen.push_back(key);
            auto row = [&](char type, const std::string& tail, int length) {
                return RecordLine(length).Put(1, std::string(1, type) + "1105").Put(6, "25901").Put(11, cell.cenid)
                    .Put(16, PolyId(i, j)).Put(26, tail).str();
            };
            if (!cell.a.empty()) a.push_back(row('A', cell.a, 188));
            if (!cell.s.empty()) s.push_back(row('S', cell.s, 168));
            if (!cell.b.empty()) b.push_back(row('B', cell.b, 98));
            if (!cell.e.empty()) e.push_back(row('E', cell.e, 73));
            if (cell.p) {
                auto centre = Node(i, j);
                p.push_back(RecordLine(45)
                                .Put(1, "P1105")
                                .Put(6, "25901")
                                .Put(11, cell.cenid)
                                .Put(16, PolyId(i, j))
                                .Put(26, Degrees(centre.first + 0.005, 10))
                                .Put(36, Degrees(centre.second + 0.005, 9))
                                .Put(45, std::to_string(cell.water)));
            }
            for (long long land : cell.lands)
                eight.push_back(RecordLine(36)
                                    .Put(1, "81105")
                                    .Put(6, "25901")
                                    .Put(11, cell.cenid)
                                    .Put(16, PolyId(i, j))
                                    .Put(26, Right(land, 10)));
        }
    }
    std::vector<std::string> seven;
    for (const GridLandmark& l : landmarks)
        seven.push_back(RecordLine(74).Put(1, "71105").Put(6, "25901").Put(11, Right(l.land, 10)).Put(22, l.cfcc)
                            .Put(25, l.name));

    const std::pair<const char*, std::vector<std::string>> files[] = {
        {"rt1", type1}, {"rt2", {}}, {"rti", typeI}, {"rta", a}, {"rts", s}, {"rtp", p}, {"rtb", b},
        {"rte", e},     {"rt7", seven}, {"rt8", eight}, {"rtc", entityNames}, {"rtt", {}},
    };
    for (const auto& [suffix, lines] : files) {
        if (std::find(missingFiles.begin(), missingFiles.end(), suffix) != missingFiles.end()) continue;
        WriteFile(stem + suffix, RecordFile(lines));
    }
    return stem + "rt1";
}

std::string EntityNameLine(char entity, const std::string& state, const std::string& county,
                           const std::string& dataYear, const std::string& fips, const std::string& fipscc,
                           char placedc, const std::string& lsadc, int commreg, const std::string& name) {
    RecordLine line(122);
    line.Put(1, "C1105").Put(6, state).Put(8, county).Put(11, dataYear).Put(15, fips).Put(20, fipscc);
    line.Put(22, std::string(1, placedc)).Put(23, lsadc).Put(25, std::string(1, entity)).Put(63, name);
    if (commreg >= 0) line.Put(61, std::to_string(commreg));
    return line.str();
}

std::string DocumentPolygon::Field(const std::string& field) const {
    for (const auto& [name, value] : fields)
        if (name == field) return value;
    return "<missing " + field + ">";
}

std::vector<DocumentPolygon> ReadDocumentPolygons(const std::string& path) {
    const std::string text = ReadFile(path);
    std::vector<size_t> starts;
    for (size_t at = text.find("<description>"); at != std::string::npos; at = text.find("<description>", at + 1))
        starts.push_back(at);
    std::vector<DocumentPolygon> polygons;
    for (size_t k = 0; k < starts.size(); ++k) {
        size_t begin = starts[k];
        size_t end = k + 1 < starts.size() ? starts[k + 1] : text.size();
        DocumentPolygon polygon;
        size_t nameEnd = text.rfind("</name>", begin);
        size_t nameBegin = text.rfind("<name>", nameEnd);
        polygon.name = text.substr(nameBegin + 6, nameEnd - nameBegin - 6);
        size_t descriptionEnd = text.find("</description>", begin);
        for (size_t at = text.find("<tr><td>", begin); at < descriptionEnd; at = text.find("<tr><td>", at + 1)) {
            size_t nameStop = text.find("</td><td>", at);
            size_t valueStop = text.find("</td></tr>", nameStop);
            polygon.fields.emplace_back(text.substr(at + 8, nameStop - at - 8),
                                        text.substr(nameStop + 9, valueStop - nameStop - 9));
        }
        for (size_t at = text.find("<coordinates>", begin); at < end; at = text.find("<coordinates>", at + 1)) {
            DocumentRing ring;
            size_t boundary = text.rfind("BoundaryIs>", at);
            ring.inner = boundary != std::string::npos && text.compare(boundary - 5, 5, "inner") == 0;
            size_t stop = text.find("</coordinates>", at);
            const char* cursor = text.c_str() + at + 13;
            const char* last = text.c_str() + stop;
            while (cursor < last) {
                char* next = nullptr;
                double x = std::strtod(cursor, &next);
                if (next == cursor) break;
                double y = std::strtod(next + 1, &next);
                std::strtod(next + 1, &next);  // altitude
                ring.points.emplace_back(x, y);
                cursor = next;
            }
            polygon.rings.push_back(ring);
        }
        polygons.push_back(polygon);
    }
    return polygons;
}

}  // namespace testsupport

#include "support/county_files.h"

#include <sys/stat.h>

namespace testsupport {

bool RingThrough(const DocumentRing& ring, const std::vector<std::pair<int, int>>& nodes) {
    const auto& points = ring.points;
    if (nodes.empty() || points.size() != nodes.size() + 1 || points.front() != points.back()) return false;
    auto near = [](std::pair<double, double> p, std::pair<int, int> node) {
        auto q = GridCounty::Node(node.first, node.second);
        return std::fabs(p.first - q.first) < 1e-9 && std::fabs(p.second - q.second) < 1e-9;
    };
    for (size_t start = 0; start < nodes.size(); ++start) {
        bool all = true;
        for (size_t k = 0; k < nodes.size() && all; ++k) all = near(points[k], nodes[(start + k) % nodes.size()]);
        if (all) return true;
    }
    return false;
}

std::vector<std::pair<int, int>> Rectangle(int i0, int j0, int i1, int j1) {
    std::vector<std::pair<int, int>> nodes;
    for (int j = j0; j < j1; ++j) nodes.emplace_back(i0, j);
    for (int i = i0; i < i1; ++i) nodes.emplace_back(i, j1);
    for (int j = j1; j > j0; --j) nodes.emplace_back(i1, j);
    for (int i = i1; i > i0; --i) nodes.emplace_back(i, j0);
    return nodes;
}

GridRun::GridRun(const std::string& dir) : in(dir + "/in"), out(dir + "/out") {
    ::mkdir(in.c_str(), 0755);
    ::mkdir(out.c_str(), 0755);
}

std::string GridRun::Convert(const GridCounty& county, const std::string& options) const {
    std::string rt1 = county.Write(in);
    ConvertCounty(rt1, out, options);
    return LogOf(out, "tgr25901");
}

std::string GridRun::Document(const std::string& abbreviation) const {
    return out + "/tgr25901/tgr25901" + abbreviation + ".kml";
}

}  // namespace testsupport
