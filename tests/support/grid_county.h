// Hand-made counties for the polygon layer tests: a grid of W x H square
// cells of 0.01 degree, each cell a TIGER polygon (cells may share a polygon
// to make larger ones), with the polygon records of each cell chosen by the
// test. Lines run along the cell edges, and the left and right polygons of
// every line follow from the cells on its two sides; a side beyond the grid
// has no polygon.
//
// Node (i, j) lies at (-71 + 0.01 i, 42 + 0.01 j). Horizontal line h(i, j)
// runs east from node (i, j) to (i + 1, j) with cell (i, j) on its left and
// (i, j - 1) on its right; vertical line v(i, j) runs north from (i, j) to
// (i, j + 1) with cell (i - 1, j) on its left and (i, j) on its right.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

struct GridCell {
    std::string cenid = "CA001";
    std::string polyid;  // 10 columns as written; empty: the cell number + 1, right-aligned
    // The record columns from column 26 on, one row per polygon; empty: no row.
    std::string a = "25901";
    std::string s = "25901";
    std::string b;
    std::string e;
    bool p = true;  // a type P row with WATER
    int water = 0;
    std::vector<long long> lands;  // type 8 rows of the polygon, in file order
};

struct GridLandmark {
    long long land;
    std::string cfcc;
    std::string name;
};

class GridCounty {
public:
    GridCounty(int width, int height) : width_(width), height_(height), cells_(static_cast<size_t>(width * height)) {}

    GridCell& Cell(int i, int j) { return cells_[static_cast<size_t>(j * width_ + i)]; }
    std::vector<GridLandmark> landmarks;  // type 7 rows in file order
    std::vector<std::string> entityNames;  // type C lines, written as they are
    // Record files not to write (suffixes such as "rtb").
    std::vector<std::string> missingFiles;
    // The state and county code its type I records carry, which a merged
    // folder knows the county by.
    std::string countyCode = "25901";

    // Writes the record files "<dir>/tgr25901.<suffix>"; returns the type 1 path.
    std::string Write(const std::string& dir) const;

    int LineCount() const { return width_ * (height_ + 1) + (width_ + 1) * height_; }
    // The polygon (POLYID + CENID as the layers key it) of each distinct polygon.
    std::string PolygonKey(int i, int j) const;
    static std::pair<double, double> Node(int i, int j) { return {-71 + 0.01 * i, 42 + 0.01 * j}; }

private:
    const GridCell* CellAt(int i, int j) const;
    std::string PolyId(int i, int j) const;

    int width_;
    int height_;
    std::vector<GridCell> cells_;
};

// A type C line: entity kind, state, county, data year, FIPS, FIPSCC,
// PLACEDC, LSADC, COMMREG (-1 blank) and NAME.
std::string EntityNameLine(char entity, const std::string& state, const std::string& county,
                           const std::string& dataYear, const std::string& fips, const std::string& fipscc,
                           char placedc, const std::string& lsadc, int commreg, const std::string& name);

// One polygon of a KML document: its placemark name, its description's
// fields and values (trimmed, as written) and its rings.
struct DocumentRing {
    bool inner = false;
    std::vector<std::pair<double, double>> points;
};
struct DocumentPolygon {
    std::string name;
    std::vector<std::pair<std::string, std::string>> fields;
    std::vector<DocumentRing> rings;
    std::string Field(const std::string& field) const;
};
// The polygons of a document in order (one per description).
std::vector<DocumentPolygon> ReadDocumentPolygons(const std::string& path);

}  // namespace testsupport

namespace testsupport {

// The nodes of a ring, cell corners (i, j), in order; true when `ring`
// runs through exactly these nodes in this order (from any of them) and
// closes.
bool RingThrough(const DocumentRing& ring, const std::vector<std::pair<int, int>>& nodes);
// The clockwise outline of the cells [i0, i1) x [j0, j1), every node on it.
std::vector<std::pair<int, int>> Rectangle(int i0, int j0, int i1, int j1);

// A run of the 2002-2006 library on a county in `dir`/in, output in `dir`/out.
struct GridRun {
    std::string in, out;
    explicit GridRun(const std::string& dir);
    // Writes the county and converts it; returns the county's log messages.
    std::string Convert(const GridCounty& county, const std::string& options) const;
    std::string Document(const std::string& abbreviation) const;  // path in the county folder
};

}  // namespace testsupport
