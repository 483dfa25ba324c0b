#include "county_model.h"

#include "model_text.h"
#include "old_edition_layouts.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace countygen {

namespace {

constexpr long long kOriginLon = -71500000;
constexpr long long kOriginLat = 42000000;
constexpr long long kCellSize = 1000;
constexpr long long kFirstTlid = 100000001;
constexpr long long kFirstTzid = 200000001;

const char* const kRowCfcc[8] = {"A41", "A31", "B11", "A41", "E10", "A41", "C31", "P41"};
const char* const kColumnCfcc[8] = {"A41", "A21", "D10", "A41", "X00", "G10", "H11", "A41"};

bool IsRoad(const std::string& cfcc) { return cfcc[0] == 'A' || cfcc[0] == 'P'; }

// The 1994-2000 editions by digit: release number and default VERSION.
struct OldEdition {
    char digit;
    int release;
    int version;
};
constexpr OldEdition kOldEditions[] = {
    {'0', 94, 21}, {'1', 95, 24}, {'2', 97, 897}, {'3', 98, 299},  {'4', 99, 599},
    {'5', 100, 700}, {'6', 101, 401}, {'7', 102, 402}, {'8', 103, 303},
};

const OldEdition* FindOldEdition(char edition) {
    for (const OldEdition& e : kOldEditions) {
        if (e.digit == edition) return &e;
    }
    return nullptr;
}

}  // namespace

CountySpec SpecForChains(long long chains) {
    CountySpec spec;
    int n = 1;
    while (2LL * n * n + 2LL * n < chains) ++n;
    spec.width = spec.height = n;
    return spec;
}

bool IsOldEdition(char edition) { return FindOldEdition(edition) != nullptr; }

std::string RecordSuffix(char edition, char recordType) {
    const char type = static_cast<char>(std::tolower(static_cast<unsigned char>(recordType)));
    const OldEdition* old = FindOldEdition(edition);
    return std::string(old ? SuffixFamily(old->release) : "rt") + type;
}

int EditionCode(char edition) {
    if (const OldEdition* old = FindOldEdition(edition)) return old->release;
    switch (edition) {
        case '9': return 104;
        case 'a': case 'b': case 'c': return 105;
        default: return 106;
    }
}

int DefaultVersion(char edition) {
    if (const OldEdition* old = FindOldEdition(edition)) return old->version;
    switch (edition) {
        case '9': return 1002;
        case 'a': return 1003;
        case 'b': return 504;
        case 'c': return 1105;
        default: return 806;
    }
}

CountyModel::CountyModel(const CountySpec& spec) : spec_(spec) {}

int CountyModel::LineCount() const {
    return spec_.width * (spec_.height + 1) + (spec_.width + 1) * spec_.height;
}

int CountyModel::EditionCode() const { return countygen::EditionCode(spec_.edition); }

int CountyModel::Version() const { return spec_.version >= 0 ? spec_.version : DefaultVersion(spec_.edition); }

std::string CountyModel::Tlid(int line) const { return Right(kFirstTlid + line, 10); }

std::string CountyModel::Tzid(int node) const { return Right(kFirstTzid + node, 10); }

PointM CountyModel::NodePoint(int node) const {
    int i = node % (spec_.width + 1);
    int j = node / (spec_.width + 1);
    return {kOriginLon + kCellSize * i, kOriginLat + kCellSize * j};
}

int CountyModel::CellAt(int i, int j) const {
    if (i < 0 || j < 0 || i >= spec_.width || j >= spec_.height) return -1;
    return j * spec_.width + i;
}

CellCodes CountyModel::Cell(int cell) const {
    const int W = spec_.width, H = spec_.height;
    const int i = cell % W, j = cell / W;
    CellCodes c;
    c.cenid = 2 * i < W ? "CA001" : "CB002";
    c.polyid = Right(cell + 1, 10);
    c.state = spec_.state;
    c.county = spec_.county;
    const int tract = (j / 20) * CeilDiv(W, 20) + i / 20;
    const int group = 1 + 2 * ((j % 20) / 10) + (i % 20) / 10;
    c.tract = ZeroPad(100LL * (1 + tract), 6);
    c.blockGroup = static_cast<char>('0' + group);
    c.block = std::to_string(group) + ZeroPad(((j % 10) / 2) * 5 + (i % 10) / 2, 3);
    c.blockSuffix = " ";
    c.cousub = ZeroPad(10000 + 10LL * ((j / 40) * CeilDiv(W, 40) + i / 40), 5);
    c.submcd = Blank(5);
    const bool inPlace = (i / 30 + j / 30) % 2 == 0;
    c.place = inPlace ? ZeroPad(20000 + 10LL * ((j / 30) * CeilDiv(W, 30) + i / 30), 5) : Blank(5);
    c.concit = Blank(5);
    if (i % 25 >= 5 && i % 25 < 10 && j % 25 >= 5 && j % 25 < 10) {
        const int k = (j / 25) * CeilDiv(W, 25) + i / 25;
        c.aianhh = ZeroPad(1000 + k, 4);
        c.aianhhfp = ZeroPad(30000 + 10LL * k, 5);
        c.aihhtli = k % 2 == 0 ? 'R' : 'T';
    } else {
        c.aianhh = Blank(4);
        c.aianhhfp = Blank(5);
        c.aihhtli = ' ';
    }
    c.anrc = Blank(5);
    c.aitsce = Blank(3);
    c.aits = Blank(5);
    if (2 * i < W) {
        c.sduni = "00010";
        c.sdelm = c.sdsec = Blank(5);
    } else {
        c.sduni = Blank(5);
        c.sdelm = "00030";
        c.sdsec = "00040";
    }
    c.cd = 2 * j < H ? "01" : "02";
    c.cd106 = 2 * i < W ? "03" : "04";
    c.cd108 = 3 * j < H ? "05" : "06";
    c.commercialRegion = 2 * j < H ? 1 : 2;
    c.zcta5 = Zcta5(cell);
    c.zcta3 = c.zcta5.substr(0, 3);
    c.sldu = ZeroPad(100 + i / 4, 3);
    c.sldl = ZeroPad(200 + j / 3, 3);
    c.msacmas = "1120";
    c.pmsa = "1123";
    c.necma = "5350";
    c.cbsa = "14460";
    c.csa = "148";
    c.necta = "71650";
    c.cnecta = "715";
    c.metdiv = "14484";
    c.nectadiv = "71654";
    c.ua = inPlace ? "09271" : Blank(5);
    c.ur = inPlace ? 'U' : 'R';
    c.vtd = ZeroPad(1000 + (j / 15) * CeilDiv(W, 15) + i / 15, 6);
    c.puma5 = ZeroPad(100 + tract / 4, 5);
    c.puma1 = ZeroPad(200 + tract / 8, 5);
    c.taz = ZeroPad(10LL * tract + group, 6);
    c.water = WaterCell(i, j);
    c.centre = {kOriginLon + kCellSize * i + kCellSize / 2, kOriginLat + kCellSize * j + kCellSize / 2};
    return c;
}

std::string CountyModel::Cfcc(bool horizontal, int i, int j, int leftCell, int rightCell) const {
    auto water = [this](int cell) { return cell >= 0 && WaterCell(cell % spec_.width, cell / spec_.width); };
    if (water(leftCell) || water(rightCell)) return "H01";
    if (leftCell < 0 || rightCell < 0) return "F10";
    return horizontal ? kRowCfcc[j % 8] : kColumnCfcc[i % 8];
}

void CountyModel::Place(int line, LineInfo& l) const {
    const int W = spec_.width, H = spec_.height;
    l.horizontal = line < W * (H + 1);
    if (l.horizontal) {
        l.i = line % W;
        l.j = line / W;
        l.leftCell = CellAt(l.i, l.j);
        l.rightCell = CellAt(l.i, l.j - 1);
        l.fromNode = Node(l.i, l.j);
        l.toNode = Node(l.i + 1, l.j);
    } else {
        const int v = line - W * (H + 1);
        l.i = v / H;
        l.j = v % H;
        l.leftCell = CellAt(l.i - 1, l.j);
        l.rightCell = CellAt(l.i, l.j);
        l.fromNode = Node(l.i, l.j);
        l.toNode = Node(l.i, l.j + 1);
    }
}

std::string CountyModel::LineCfcc(int line) const {
    LineInfo l;
    Place(line, l);
    return Cfcc(l.horizontal, l.i, l.j, l.leftCell, l.rightCell);
}

std::string CountyModel::Zcta5(int cell) const {
    const int W = spec_.width;
    const int i = cell % W, j = cell / W;
    return ZeroPad(2100 + (j / 25) * CeilDiv(W, 25) + i / 25, 5);
}

LineInfo CountyModel::Line(int line) const {
    LineInfo l;
    l.number = line;
    l.tlid = Tlid(line);
    Place(line, l);
    l.from = NodePoint(l.fromNode);
    l.to = NodePoint(l.toNode);
    l.cfcc = Cfcc(l.horizontal, l.i, l.j, l.leftCell, l.rightCell);
    const bool named = l.cfcc != "H01" && l.cfcc != "F10";
    l.road = IsRoad(l.cfcc);
    l.fename = named ? (l.horizontal ? "Row " : "Col ") + std::to_string(l.horizontal ? l.j : l.i) : "";
    l.fetype = named && l.road ? (l.horizontal ? "St" : "Ave") : "";
    if (l.road) {
        const long long base = 100LL * ((l.horizontal ? l.i : l.j) + 1);
        l.fraddl = Right(base + 1, 11);
        l.toaddl = Right(base + 99, 11);
        l.fraddr = Right(base, 11);
        l.toaddr = Right(base + 98, 11);
        l.zipl = l.leftCell >= 0 ? Zcta5(l.leftCell) : Blank(5);
        l.zipr = l.rightCell >= 0 ? Zcta5(l.rightCell) : Blank(5);
    } else {
        l.fraddl = l.toaddl = l.fraddr = l.toaddr = Blank(11);
        l.zipl = l.zipr = Blank(5);
    }
    if (line % 7 == 3) {
        const int s = 1 + (line / 7) % 12;
        for (int k = 1; k <= s; ++k) {
            const long long offset = (kCellSize * k) / (s + 1);
            l.shapePoints.push_back(l.horizontal ? PointM{l.from.lon + offset, l.from.lat}
                                                 : PointM{l.from.lon, l.from.lat + offset});
        }
    }
    return l;
}

int CountyModel::ShapeRecordCount(int line) const {
    if (line % 7 != 3) return 0;
    const int s = 1 + (line / 7) % 12;
    return (s + 9) / 10;
}

int CountyModel::MaxRtsq() const {
    int most = 0;
    for (int line = 3; line < LineCount(); line += 7) {
        int n = ShapeRecordCount(line);
        if (n > most) most = n;
    }
    return most;
}

std::array<int, 8> CountyModel::ClassCounts() const {
    std::array<int, 8> counts{};
    const std::string letters = "ABCDEFHX";
    for (int line = 0; line < LineCount(); ++line) {
        char letter = LineCfcc(line)[0];
        if (letter == 'P') letter = 'A';
        if (letter == 'G') letter = 'F';
        ++counts[letters.find(letter)];
    }
    return counts;
}

std::vector<Landmark> CountyModel::Landmarks() const {
    std::vector<Landmark> marks;
    for (int cell = 0; cell < CellCount(); ++cell) {
        const int i = cell % spec_.width, j = cell / spec_.width;
        Landmark m;
        m.cell = cell;
        if (WaterCell(i, j)) {
            m.cfcc = "H31";
            m.laname = "Pond " + std::to_string(cell + 1);
            m.area = true;
        } else if (i % 8 == 2 && j % 8 == 2) {
            m.cfcc = "D85";
            m.laname = "Park " + std::to_string(cell + 1);
            m.area = true;
        } else if (i % 8 == 4 && j % 8 == 4) {
            m.cfcc = "D43";
            m.laname = "School " + std::to_string(cell + 1);
        } else {
            continue;
        }
        m.land = static_cast<long long>(marks.size()) + 1;
        marks.push_back(m);
    }
    return marks;
}

std::vector<Feature> CountyModel::Features() const {
    std::vector<Feature> features;
    for (int j = 1; j < spec_.height; ++j) {
        features.push_back({Right(j + 1, 8), "Row " + std::to_string(j), IsRoad(kRowCfcc[j % 8]) ? "St" : ""});
    }
    for (int i = 1; i < spec_.width; ++i) {
        features.push_back({Right(100001 + i, 8), "Col " + std::to_string(i), IsRoad(kColumnCfcc[i % 8]) ? "Ave" : ""});
    }
    for (int i = 8; i < spec_.width; i += 8) {
        features.push_back({Right(200001 + i, 8), "Route " + std::to_string(i), "Hwy"});
        features.push_back({Right(300001 + i, 8), "Old Col " + std::to_string(i), "Rd"});
    }
    return features;
}

std::vector<AlternateNames> CountyModel::AlternateNameRows() const {
    std::vector<AlternateNames> rows;
    for (int i = 8; i < spec_.width; i += 8) {
        for (int j = 0; j < spec_.height; ++j) {
            const int line = VerticalLine(i, j);
            if (!IsRoad(LineCfcc(line))) continue;
            rows.push_back({line, Right(200001 + i, 8), j % 2 == 0 ? Right(300001 + i, 8) : Blank(8)});
        }
    }
    return rows;
}

std::vector<int> CountyModel::AdditionalAddressLines() const {
    std::vector<int> lines;
    for (int line = 5; line < LineCount(); line += 11) {
        if (IsRoad(LineCfcc(line))) lines.push_back(line);
    }
    return lines;
}

std::vector<int> CountyModel::Zip4Lines() const {
    std::vector<int> lines;
    for (int line = 0; line < LineCount(); line += 3) {
        if (IsRoad(LineCfcc(line))) lines.push_back(line);
    }
    return lines;
}

std::string CountyModel::Zip4Left(int line) { return ZeroPad(1 + line % 9999, 4); }
std::string CountyModel::Zip4Right(int line) { return ZeroPad(1 + (line + 1) % 9999, 4); }

std::vector<OverUnderPass> CountyModel::OverUnderPasses() const {
    std::vector<OverUnderPass> passes;
    for (int j = 1; j < spec_.height; ++j) {
        for (int i = 1; i < spec_.width; ++i) {
            if (i % 8 != 1 || j % 8 != 2) continue;
            passes.push_back({Node(i, j), Tlid(HorizontalLine(i - 1, j)), Tlid(HorizontalLine(i, j)),
                              Tlid(VerticalLine(i, j - 1)), Tlid(VerticalLine(i, j))});
        }
    }
    return passes;
}

std::vector<EntityName> CountyModel::EntityNames() const {
    const int W = spec_.width, H = spec_.height;
    const bool later = EditionCode() >= 105;
    std::vector<EntityName> names;
    auto add = [&names](char entity, const std::string& name) -> EntityName& {
        names.emplace_back();
        names.back().entity = entity;
        names.back().name = name;
        return names.back();
    };
    add('S', "State " + spec_.state).state = spec_.state;
    {
        EntityName& e = add('C', "Synthetic County " + spec_.state + spec_.county);
        e.state = spec_.state;
        e.county = spec_.county;
        e.fipscc = "H1";
        e.lsadc = "06";
    }
    for (int t = 0; t < CeilDiv(W, 20) * CeilDiv(H, 20); ++t) {
        EntityName& e = add('T', std::to_string(t + 1));
        e.state = spec_.state;
        e.county = spec_.county;
        e.vtdtract = ZeroPad(100LL * (1 + t), 6);
    }
    for (int k = 0; k < CeilDiv(W, 40) * CeilDiv(H, 40); ++k) {
        const std::string code = ZeroPad(10000 + 10LL * k, 5);
        EntityName& e = add('M', "Town " + code);
        e.state = spec_.state;
        e.county = spec_.county;
        e.fips = code;
        e.fipscc = "T1";
        e.lsadc = "43";
    }
    std::vector<std::string> places;
    for (int py = 0; py < CeilDiv(H, 30); ++py) {
        for (int px = 0; px < CeilDiv(W, 30); ++px) {
            if ((px + py) % 2 == 0) places.push_back(ZeroPad(20000 + 10LL * (py * CeilDiv(W, 30) + px), 5));
        }
    }
    for (const std::string& code : places) {
        EntityName& e = add('P', "City " + code);
        e.state = spec_.state;
        e.fips = code;
        e.fipscc = "C1";
        e.lsadc = "25";
    }
    add('5', "Unified District 10").sd = "00010";
    if (W >= 2) {
        add('3', "Elementary District 30").sd = "00030";
        add('4', "Secondary District 40").sd = "00040";
    }
    for (int ay = 0; ay < CeilDiv(H, 25); ++ay) {
        for (int ax = 0; ax < CeilDiv(W, 25); ++ax) {
            if (ax * 25 + 5 >= W || ay * 25 + 5 >= H) continue;  // no cell of it in the grid
            const int k = ay * CeilDiv(W, 25) + ax;
            EntityName& e = add('I', "Reservation " + std::to_string(1000 + k));
            e.state = spec_.state;
            e.aianhh = ZeroPad(1000 + k, 4);
            e.fips = ZeroPad(30000 + 10LL * k, 5);
        }
    }
    add('J', "Metro 1120").ma = "1120";
    add('J', "Metro 1123").ma = "1123";
    add('J', "Metro 5350").ma = "5350";
    if (!places.empty()) add('U', "Urban Area 09271").uauga = "09271";
    for (int k = 0; k < CeilDiv(W, 15) * CeilDiv(H, 15); ++k) {
        const std::string code = ZeroPad(1000 + k, 6);
        EntityName& e = add('V', "Precinct " + code);
        e.state = spec_.state;
        e.county = spec_.county;
        e.datayr = "2000";
        e.vtdtract = code;
    }
    for (const std::string& code : places) {
        EntityName& e = add('E', "City " + code);
        e.state = spec_.state;
        e.county = spec_.county;
        e.datayr = "EC02";
        e.fips = code;
    }
    if (later) {
        add(' ', "Metro Area 14460").cbsanecta = "14460";
        add(' ', "Combined Area 148").csanecta = "148";
        add(' ', "Metro Division 14484").cbsanecta = "14484";
        add(' ', "New England Area 71650").cbsanecta = "71650";
        add(' ', "Combined New England Area 715").csanecta = "715";
        add(' ', "New England Division 71654").cbsanecta = "71654";
        add(' ', "Commercial Region 1").commreg = 1;
        if (H >= 2) add(' ', "Commercial Region 2").commreg = 2;
    }
    if (EditionCode() == 106) {
        for (int k = 0; k < CeilDiv(W, 50); ++k) {
            EntityName& e = add(' ', "Upper District " + std::to_string(k + 1));
            e.csanecta = ZeroPad(k + 1, 3);
            e.lsadc = "LU";
        }
        for (int k = 0; k < CeilDiv(H, 50); ++k) {
            EntityName& e = add(' ', "Lower District " + std::to_string(k + 1));
            e.csanecta = ZeroPad(k + 1, 3);
            e.lsadc = "LL";
        }
    }
    return names;
}

}  // namespace countygen
