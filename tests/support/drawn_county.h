// A small county drawn by hand for the polygon layers: polygons with their
// type A codes, lines between them on a grid, and entity names; written as
// the record files of a 2002-2006 county (types 1, 2, I, A, S, P and C).
//
// Grid point (x, y) lies at longitude -71 + x / 1000 and latitude
// 42 + y / 1000 degrees. A line from a to b has `left` on its left as one
// travels from a to b, `right` on its right; -1 is outside the county.
#pragma once

#include "support/record_line.h"

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// Type A columns of the codes a test sets (first column of each field).
namespace columnA {
constexpr int kTract = 31, kBlock = 37, kBlockSuffix = 41, kAianhhfp = 43, kAianhh = 48, kConcit = 66,
              kCousub = 71, kSubmcd = 76, kPlace = 81, kSdelm = 86, kSdsec = 91, kSduni = 96, kMsacmsa = 101,
              kPmsa = 105, kNecma = 109, kCd = 113, kZcta5 = 115, kZcta3 = 120, kSldu = 129, kSldl = 132,
              kCbsa = 152, kCsa = 157, kNecta = 160, kCnecta = 165, kMetdiv = 168, kNectadiv = 173;
}

struct GridPoint {
    int x = 0;
    int y = 0;
};

class DrawnCounty {
public:
    // `county` is the three-digit county code of state 25.
    explicit DrawnCounty(std::string county = "025") : county_(std::move(county)) {}

    // A polygon (POLYID its number from 1) with codes at type A columns;
    // state and county are set. `water` is its type P WATER flag (negative:
    // no type P row); `typeS` whether it has a type S row. Returns its index.
    int Polygon(std::vector<std::pair<int, std::string>> codes, int water = 0, bool typeS = true);
    // A line; TLIDs are numbered in the order lines are added unless given.
    // `inner` are its shape points between the ends.
    void Line(GridPoint from, GridPoint to, int left, int right, std::vector<GridPoint> inner = {}, long tlid = 0);
    // The four sides of the rectangle (x0, y0)-(x1, y1) as lines,
    // counter-clockwise from (x0, y0), with `inside` on their left.
    void Rectangle(int x0, int y0, int x1, int y1, int inside, int outside);
    // A type C row.
    void Name(char entity, const std::string& fips, const std::string& name, const std::string& lsadc = "",
              std::vector<std::pair<int, std::string>> more = {});

    // Writes the record files "<dir>/<stem>.RT*" and returns the type 1 path.
    std::string Write(const std::string& dir, const std::string& stem) const;

    const std::string& county() const { return county_; }

private:
    struct PolygonRow {
        std::vector<std::pair<int, std::string>> codes;
        int water;
        bool typeS;
    };
    struct LineRow {
        long tlid;
        GridPoint from, to;
        int left, right;
        std::vector<GridPoint> inner;
    };
    std::string county_;
    std::vector<PolygonRow> polygons_;
    std::vector<LineRow> lines_;
    std::vector<std::string> names_;
};

// Longitude and latitude of a grid point in degrees.
double GridLongitude(int x);
double GridLatitude(int y);

}  // namespace testsupport
