#include "support/drawn_county.h"

#include "support/temp_dir.h"

#include <algorithm>
#include <cstdio>

namespace testsupport {

namespace {

const char kCenid[] = "CA001";

std::string Number(long long n) { return std::to_string(n); }
std::string Millionths(int units, long long base) { return Number(base + 1000LL * units); }
std::string PolyId(int index) { return Number(index + 1); }

}  // namespace

double GridLongitude(int x) { return (-71000000 + 1000.0 * x) / 1e6; }
double GridLatitude(int y) { return (42000000 + 1000.0 * y) / 1e6; }

int DrawnCounty::Polygon(std::vector<std::pair<int, std::string>> codes, int water, bool typeS) {
    polygons_.push_back({std::move(codes), water, typeS});
    return static_cast<int>(polygons_.size()) - 1;
}

void DrawnCounty::Line(GridPoint from, GridPoint to, int left, int right, std::vector<GridPoint> inner, long tlid) {
    if (tlid == 0) tlid = 1000 + static_cast<long>(lines_.size()) * 10;
    lines_.push_back({tlid, from, to, left, right, std::move(inner)});
}

void DrawnCounty::Rectangle(int x0, int y0, int x1, int y1, int inside, int outside) {
    Line({x0, y0}, {x1, y0}, inside, outside);
    Line({x1, y0}, {x1, y1}, inside, outside);
    Line({x1, y1}, {x0, y1}, inside, outside);
    Line({x0, y1}, {x0, y0}, inside, outside);
}

void DrawnCounty::Name(char entity, const std::string& fips, const std::string& name, const std::string& lsadc,
                       std::vector<std::pair<int, std::string>> more) {
    RecordLine line(122);
    line.Put(1, "C").Put(2, "1105").Put(6, "25").Put(8, county_).Put(15, fips).Put(23, lsadc);
    line.Put(25, std::string(1, entity)).Put(63, name);
    for (const auto& [column, value] : more) line.Put(column, value);
    names_.push_back(line);
}

std::string DrawnCounty::Write(const std::string& dir, const std::string& stem) const {
    std::vector<std::string> type1, type2, typeI, typeA, typeS, typeP;
    std::vector<const LineRow*> lines;
    for (const LineRow& l : lines_) lines.push_back(&l);
    std::sort(lines.begin(), lines.end(), [](const LineRow* a, const LineRow* b) { return a->tlid < b->tlid; });
    for (const LineRow* l : lines) {
        std::string tlid = Number(l->tlid);
        RecordLine one(228);
        one.Put(1, "1").Put(2, "1105").PutRight(15, tlid).Put(56, "F10");
        one.PutRight(200, Millionths(l->from.x, -71000000)).PutRight(209, Millionths(l->from.y, 42000000));
        one.PutRight(219, Millionths(l->to.x, -71000000)).PutRight(228, Millionths(l->to.y, 42000000));
        type1.push_back(one);
        for (size_t k = 0; k < l->inner.size(); k += 10) {
            RecordLine two(208);
            two.Put(1, "2").Put(2, "1105").PutRight(15, tlid).PutRight(18, Number(static_cast<long long>(k / 10 + 1)));
            for (size_t j = 0; j < 10; ++j) {
                const int column = 19 + 19 * static_cast<int>(j);
                if (k + j < l->inner.size()) {
                    two.PutRight(column + 9, Millionths(l->inner[k + j].x, -71000000));
                    two.PutRight(column + 18, Millionths(l->inner[k + j].y, 42000000));
                } else {
                    two.PutRight(column + 9, "0").PutRight(column + 18, "0");
                }
            }
            type2.push_back(two);
        }
        RecordLine i(127);
        i.Put(1, "I").Put(2, "1105").Put(6, "25").Put(8, county_).PutRight(20, tlid);
        if (l->left >= 0) i.Put(41, kCenid).PutRight(55, PolyId(l->left));
        if (l->right >= 0) i.Put(56, kCenid).PutRight(70, PolyId(l->right));
        typeI.push_back(i);
    }
    for (size_t p = 0; p < polygons_.size(); ++p) {
        const PolygonRow& row = polygons_[p];
        const std::string polyid = PolyId(static_cast<int>(p));
        RecordLine a(210);
        a.Put(1, "A").Put(2, "1105").Put(11, kCenid).PutRight(25, polyid).Put(26, "25").Put(28, county_);
        for (const auto& [column, value] : row.codes) a.Put(column, value);
        typeA.push_back(a);
        if (row.typeS) {
            RecordLine s(168);
            s.Put(1, "S").Put(2, "1105").Put(11, kCenid).PutRight(25, polyid).Put(26, "25").Put(28, county_);
            typeS.push_back(s);
        }
        if (row.water < 0) continue;  // no type P row
        RecordLine pRow(45);
        pRow.Put(1, "P").Put(2, "1105").Put(11, kCenid).PutRight(25, polyid);
        pRow.PutRight(35, "-71000000").PutRight(44, "42000000").Put(45, Number(row.water));
        typeP.push_back(pRow);
    }
    const std::string base = dir + "/" + stem;
    WriteFile(base + ".RT1", RecordFile(type1));
    WriteFile(base + ".RT2", RecordFile(type2));
    WriteFile(base + ".RTI", RecordFile(typeI));
    WriteFile(base + ".RTA", RecordFile(typeA));
    if (typeS.empty()) std::remove((base + ".RTS").c_str());
    else WriteFile(base + ".RTS", RecordFile(typeS));
    WriteFile(base + ".RTP", RecordFile(typeP));
    WriteFile(base + ".RTC", RecordFile(names_));
    return base + ".RT1";
}

}  // namespace testsupport
