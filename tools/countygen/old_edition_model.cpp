// The county model's answers for the 1994-2000 editions (old_edition_codes.h).
#include "county_model.h"
#include "model_text.h"
#include "old_edition_layouts.h"

namespace countygen {

namespace {

// From release 100 on, most layers look their names up by year: a named
// entity then has a 1990 and a 2000 row; before, one row of any year.
constexpr int kYearLookups = 100;

// The squares of the grid that the codes follow: a cell's square of side
// `size` and the square's number, counted row by row.
struct Square {
    int size;
    int Number(int i, int j, int width) const { return (j / size) * CeilDiv(width, size) + i / size; }
    // Whether (i, j) lies in the part [low, high) of its square on both axes.
    bool Inner(int i, int j, int low, int high) const {
        return i % size >= low && i % size < high && j % size >= low && j % size < high;
    }
};
constexpr Square kIndianAreaSquare{25}, kSubdivisionSquare{40}, kPlaceSquare{30}, kVotingSquare{15};

bool InIndianArea(int i, int j) { return kIndianAreaSquare.Inner(i, j, 5, 10); }
bool InAnrc(int i, int j) { return kIndianAreaSquare.Inner(i, j, 15, 20); }
bool InPlace(int i, int j) { return (i / 30 + j / 30) % 2 == 0; }
// The tribal subdivision (1 or 2) of a cell of an American Indian area.
int TribalPart(int i) { return 1 + (i % 25 - 5) / 3; }

std::string SubdivisionPart(int i, int j, int width) {
    return j % 40 >= 20 ? ZeroPad(60000 + 10LL * kSubdivisionSquare.Number(i, j, width), 5) : Blank(5);
}
std::string Anrc5(int i, int j, int width) {
    return InAnrc(i, j) ? ZeroPad(50000 + 10LL * kIndianAreaSquare.Number(i, j, width), 5) : Blank(5);
}
std::string TribalSubdivision(int i, int j) { return InIndianArea(i, j) ? ZeroPad(TribalPart(i), 3) : Blank(3); }
std::string TribalArea(int i, int j, int width) {
    return InIndianArea(i, j) ? ZeroPad(40000 + 10LL * kIndianAreaSquare.Number(i, j, width) + TribalPart(i), 5)
                              : Blank(5);
}
int VotingNumber(int i, int j, int width) { return 1000 + kVotingSquare.Number(i, j, width); }

template <class Row>
bool Carries(const std::vector<Column<Row>>& table, std::string Row::*field, int release) {
    for (const Column<Row>& c : table) {
        if (c.text == field && c.Carries(release)) return true;
    }
    return false;
}

std::string LevelText(const OldCellCodes& cell, const std::vector<LevelPart>& parts, int release) {
    std::string code;
    for (const LevelPart& p : parts) {
        if (release < p.from || release > p.to) continue;
        std::string text = p.text ? cell.*p.text : std::string(1, cell.*p.character);
        if (p.width > 0) text.resize(static_cast<size_t>(p.width), ' ');
        code += text;
    }
    return code;
}

}  // namespace

OldCellCodes CountyModel::OldCell(int cell) const {
    const int W = spec_.width, H = spec_.height;
    const int i = cell % W, j = cell / W;
    const CellCodes c = Cell(cell);
    const bool inPlace = InPlace(i, j);
    OldCellCodes o;
    o.STATE = o.STATECU = o.STATEPOLY = o.STATECOL = c.state;
    o.COUNTY = o.COUNTYCU = o.COUNTYPOLY = o.COUNCOL = c.county;
    o.CENID = c.cenid;
    o.POLYID = c.polyid;
    o.FAIR = o.AIANHHFP = c.aianhhfp;
    o.AIR = o.AIANHH = c.aianhh;
    o.AIHHTLI = c.aihhtli;
    o.FMCD = o.COUSUB = c.cousub;
    o.SUBMCD = SubdivisionPart(i, j, W);
    o.FPL = o.PLACE = c.place;
    o.TRACT = o.TRACT00 = c.tract;
    o.BLOCK = o.BLOCK00 = c.block;
    o.BLKGRP00 = c.blockGroup;
    o.CDCU = c.cd;
    o.CD106 = c.cd106;
    o.CD108 = c.cd108;
    o.SDELM = c.sdelm;
    o.SDSEC = c.sdsec;
    o.SDUNI = c.sduni;
    o.SDMID = 2 * i >= W ? "00020" : Blank(5);
    o.TAZ = c.taz;
    o.TAZPART = ZeroPad(1 + (i % 20) / 10, 4);
    o.UA90 = inPlace ? "9271" : Blank(4);
    o.UR90 = c.ur;
    o.UA00 = o.UA00COR = c.ua;
    o.UA90RED = inPlace ? "9271 " : Blank(5);
    o.PUMA = c.puma5;
    o.WATER = c.water ? 1 : 0;
    o.MSACMSA = c.msacmas;
    o.PMSA = c.pmsa;
    o.ANRC = InAnrc(i, j) ? ZeroPad(10 + kIndianAreaSquare.Number(i, j, W) % 90, 2) : Blank(2);
    o.CONCIT = inPlace && 2 * j >= H ? "04000" : Blank(5);
    o.TEA = 2 * i < W ? '1' : '2';
    o.SLDU = c.sldu + "   ";
    o.SLDL = c.sldl + "   ";
    o.RS91 = Blank(5);
    o.BLKCOL = ZeroPad(1000LL * (c.blockGroup - '0') + 3 * ((j % 10) / 4) + (i % 10) / 4, 5);
    o.ZCTA = c.zcta5;
    o.VTD00 = c.vtd;
    o.UGA = inPlace && i % 30 < 10 ? ZeroPad(41000 + 10LL * kPlaceSquare.Number(i, j, W), 5) : Blank(5);
    return CarriedFields(o, CellColumns(), EditionCode());
}

OldSideCodes CountyModel::OldSide(int cell) const {
    OldSideCodes s;
    if (cell < 0) {
        s.CENID = s.FAIR = s.FMCD = s.FSMCD = s.FPL = s.ANRC = s.AITS = Blank(5);
        s.POLYID = Blank(10);
        s.STATE = s.STATE90 = Blank(2);
        s.COUNTY = s.COUN90 = s.AITSCE = Blank(3);
        s.TRACT = Blank(6);
        s.BLOCK = s.VTD = s.AIR = Blank(4);
        return s;
    }
    const int W = spec_.width;
    const int i = cell % W, j = cell / W;
    const CellCodes c = Cell(cell);
    s.CENID = c.cenid;
    s.POLYID = c.polyid;
    s.FAIR = c.aianhhfp;
    s.TRUST = s.TRUST90 = c.aihhtli;
    s.STATE = s.STATE90 = c.state;
    s.COUNTY = s.COUN90 = c.county;
    s.FMCD = c.cousub;
    s.FSMCD = SubdivisionPart(i, j, W);
    s.FPL = c.place;
    s.TRACT = c.tract;
    s.BLOCK = c.block;
    s.VTD = ZeroPad(VotingNumber(i, j, W), 4);
    s.AIR = c.aianhh;
    s.ANRC = Anrc5(i, j, W);
    s.AITSCE = TribalSubdivision(i, j);
    s.AITS = TribalArea(i, j, W);
    return CarriedFields(s, SideColumns(), EditionCode());
}

std::vector<OldEntityName> CountyModel::OldEntityNames() const {
    const int W = spec_.width, H = spec_.height;
    const int release = EditionCode();
    const std::string& state = spec_.state;
    const std::string& county = spec_.county;
    const std::vector<int> years = release >= kYearLookups ? std::vector<int>{1990, 2000} : std::vector<int>{0};
    const int year2000 = release >= kYearLookups ? 2000 : 0;

    std::vector<OldEntityName> rows;
    auto add = [&rows](EntityKind kind, const std::string& code, int year, const std::string& name,
                       char entity) -> OldEntityName& {
        OldEntityName e;
        e.kind = kind;
        e.code = code;
        e.year = year;
        e.NAME = year != 0 ? name + " (" + std::to_string(year) + ")" : name;
        e.DATAYR = year != 0 ? std::to_string(year) : Blank(4);
        e.YEAR = year != 0 ? ZeroPad(year % 100, 2) : Blank(2);
        e.ENTITY = entity;
        e.STATE = e.FIPSCC = e.LSADC = e.ANRC = Blank(2);
        e.COUNTY = e.RS52 = e.AITSCE = Blank(3);
        e.FIPS = e.SD = e.UA = Blank(5);
        e.MA = e.AIR = e.MSACMSA = e.PMSA = Blank(4);
        e.VTD = Blank(6);
        rows.push_back(e);
        return rows.back();
    };

    {
        OldEntityName& e = add(EntityKind::State, state, 0, "State " + state, 'S');
        e.STATE = state;
        e.LSADC = "01";
    }
    for (int year : years) {
        OldEntityName& e = add(EntityKind::County, state + county, year, "Synthetic County " + state + county, 'C');
        e.STATE = state;
        e.COUNTY = county;
        e.FIPSCC = "H1";
        e.LSADC = "06";
    }
    for (int k = 0; k < CeilDiv(W, 40) * CeilDiv(H, 40); ++k) {
        const std::string code = ZeroPad(10000 + 10LL * k, 5);
        for (int year : years) {
            OldEntityName& e = add(EntityKind::Subdivision, code, year, "Town " + code, 'M');
            e.STATE = state;
            e.COUNTY = county;
            e.FIPS = code;
            e.FIPSCC = "T1";
            e.LSADC = "43";
        }
        if ((k / CeilDiv(W, 40)) * 40 + 20 < H) {  // the square reaches its upper half
            const std::string part = ZeroPad(60000 + 10LL * k, 5);
            OldEntityName& e = add(EntityKind::Subdivision, part, year2000, "Subtown " + part, 'M');
            e.STATE = state;
            e.COUNTY = county;
            e.FIPS = part;
            e.FIPSCC = "T5";
            e.LSADC = "46";
        }
    }
    std::vector<int> places;
    for (int p = 0; p < CeilDiv(W, 30) * CeilDiv(H, 30); ++p) {
        if (InPlace(30 * (p % CeilDiv(W, 30)), 30 * (p / CeilDiv(W, 30)))) places.push_back(p);
    }
    for (int p : places) {
        const std::string code = ZeroPad(20000 + 10LL * p, 5);
        for (int year : years) {
            OldEntityName& e = add(EntityKind::Place, code, year, "City " + code, 'P');
            e.STATE = state;
            e.FIPS = code;
            e.FIPSCC = "C1";
            e.PLACEDC = 'C';
            e.LSADC = "55";
        }
    }
    for (int k = 0; k < CeilDiv(W, 25) * CeilDiv(H, 25); ++k) {
        const int x = 25 * (k % CeilDiv(W, 25)), y = 25 * (k / CeilDiv(W, 25));
        if (x + 5 >= W || y + 5 >= H) continue;  // no cell of it in the grid
        const std::string code = ZeroPad(1000 + k, 4);
        for (int year : years) {
            OldEntityName& e = add(EntityKind::IndianArea, code, year, "Reservation " + code, 'I');
            e.STATE = state;
            e.AIR = code;
            e.FIPS = ZeroPad(30000 + 10LL * k, 5);
        }
    }
    if (Carries(EntityColumns(), &OldEntityName::ANRC, release)) {
        for (int m = 0; m < CeilDiv(W, 25) * CeilDiv(H, 25); ++m) {
            const int x = 25 * (m % CeilDiv(W, 25)), y = 25 * (m / CeilDiv(W, 25));
            if (x + 15 >= W || y + 15 >= H) continue;
            const std::string code = ZeroPad(10 + m % 90, 2);
            OldEntityName& e = add(EntityKind::Anrc, code, 0, "Native Corporation " + code, 'B');
            e.STATE = state;
            e.ANRC = code;
        }
    }
    const int votingDistricts = CeilDiv(W, 15) * CeilDiv(H, 15);
    if (Carries(SideColumns(), &OldSideCodes::VTD, release)) {
        for (int v = 0; v < votingDistricts; ++v) {
            const std::string code = ZeroPad(1000 + v, 4);
            OldEntityName& e = add(EntityKind::VotingDistrict1990, code, 1990, "Precinct " + code, 'V');
            e.STATE = state;
            e.COUNTY = county;
            e.VTD = "  " + code;
        }
    }
    if (Carries(CellColumns(), &OldCellCodes::VTD00, release)) {
        for (int v = 0; v < votingDistricts; ++v) {
            const std::string code = ZeroPad(1000 + v, 6);
            OldEntityName& e = add(EntityKind::VotingDistrict2000, code, 2000, "Precinct " + code, 'V');
            e.STATE = state;
            e.COUNTY = county;
            e.VTD = code;
            e.PLACEDC = 'P';
        }
    }
    if (!places.empty()) {
        add(EntityKind::UrbanArea1990, "9271", release >= kYearLookups ? 1990 : 0, "Urban Area 9271", 'U').UA =
            "9271 ";
        if (Carries(CellColumns(), &OldCellCodes::UA00, release)) {
            OldEntityName& e = add(EntityKind::UrbanArea2000, "09271", 2000, "Urban Area 09271", 'U');
            e.UA = "09271";
            e.LSADC = "76";
        }
    }
    if (Carries(CellColumns(), &OldCellCodes::UGA, release)) {
        for (int p : places) {
            const std::string code = ZeroPad(41000 + 10LL * p, 5);
            OldEntityName& e = add(EntityKind::UrbanGrowthArea, code, 2000, "Growth Area " + code, 'G');
            e.UA = code;
            e.FIPS = code;
            e.LSADC = "77";
        }
    }
    struct Metro {
        EntityKind kind;
        const char* code;
        const char* lsadc;
        std::string OldEntityName::*oldField;  // the field of releases 94 and 95
    };
    for (const Metro& m : {Metro{EntityKind::CmsaMsa, "1120", "72", &OldEntityName::MSACMSA},
                           Metro{EntityKind::Pmsa, "1123", "73", &OldEntityName::PMSA}}) {
        OldEntityName& e = add(m.kind, m.code, year2000, std::string("Metro Area ") + m.code, 'J');
        e.MA = e.*m.oldField = m.code;
        e.LSADC = m.lsadc;
    }
    if (Carries(EntityColumns(), &OldEntityName::SD, release)) {
        add(EntityKind::SchoolDistrict, "00010", year2000, "Unified District 10", '5').SD = "00010";
        if (W >= 2) {
            add(EntityKind::SchoolDistrict, "00030", year2000, "Elementary District 30", '3').SD = "00030";
            add(EntityKind::SchoolDistrict, "00040", year2000, "Secondary District 40", '4').SD = "00040";
        }
    }
    if (release >= kYearLookups) {
        for (int t = 0; t < CeilDiv(W, 20) * CeilDiv(H, 20); ++t) {
            const std::string code = ZeroPad(100LL * (1 + t), 6);
            OldEntityName& e =
                add(EntityKind::Tract, code, 2000, "Tract " + std::to_string(t + 1) + " of " + state + county, 'T');
            e.STATE = state;
            e.COUNTY = county;
            e.VTD = code;
        }
        bool concit = false;
        for (int j = (H + 1) / 2; j < H && !concit; ++j) {
            for (int i = 0; i < W && !concit; i += 30) concit = InPlace(i, j);
        }
        if (concit) {
            OldEntityName& e = add(EntityKind::ConsolidatedCity, "04000", 2000, "Consolidated City 04000", 'A');
            e.STATE = state;
            e.FIPS = "04000";
        }
    }
    if (Carries(EntityColumns(), &OldEntityName::AITSCE, release)) {
        for (int k = 0; k < CeilDiv(W, 25) * CeilDiv(H, 25); ++k) {
            const int x = 25 * (k % CeilDiv(W, 25)), y = 25 * (k / CeilDiv(W, 25));
            for (int part = 1; part <= 2; ++part) {
                if (x + 5 + 3 * (part - 1) >= W || y + 5 >= H) continue;
                const std::string area = ZeroPad(40000 + 10LL * k + part, 5), sub = ZeroPad(part, 3);
                OldEntityName& e =
                    add(EntityKind::TribalSubdivision, area + sub, 2000, "Tribal Subdivision " + area, 'D');
                e.STATE = state;
                e.FIPS = area;
                e.AITSCE = sub;
            }
        }
    }
    for (OldEntityName& e : rows) e = CarriedFields(e, EntityColumns(), release);
    return rows;
}

std::vector<KeyLocation> CountyModel::KeyLocations() const {
    const int W = spec_.width;
    std::vector<KeyLocation> locations;
    for (int cell = 0; cell < CellCount(); ++cell) {
        const int i = cell % W, j = cell / W;
        if (j % 8 != 4) continue;
        const bool school = i % 8 == 4;
        const bool hospitalLeft = i % 8 == 0 && i + 1 < W;
        const bool hospitalRight = i % 8 == 1;
        if (!school && !hospitalLeft && !hospitalRight) continue;
        const CellCodes c = Cell(cell);
        KeyLocation k;
        k.cell = cell;
        k.CENID = c.cenid;
        k.POLYID = c.polyid;
        k.ZIPCODE = c.zcta5;
        if (school) {  // on the row street of its lower edge
            k.CFCC = "D43";
            k.KGLNAME = "School " + std::to_string(cell + 1);
            k.ADDRESS = Right(100LL * (i + 1) + 50, 11);
            k.ZIP4 = ZeroPad(1 + cell % 9999, 4);
            k.FEAT = Right(j + 1, 8);
        } else {  // two cells, named by the left one; no street, or one missing from type 5
            const int left = hospitalLeft ? cell : cell - 1;
            k.CFCC = "D31";
            k.KGLNAME = "Hospital " + std::to_string(left + 1);
            k.ADDRESS = hospitalLeft ? Blank(11) : Right(1, 11);
            k.ZIP4 = Blank(4);
            k.FEAT = hospitalLeft ? Blank(8) : Right(900000LL + left + 1, 8);
        }
        locations.push_back(k);
    }
    return locations;
}

std::string CountyModel::LevelCode(int cell, LevelA level) const {
    return LevelText(OldCell(cell), LevelParts(level), EditionCode());
}

std::string CountyModel::LevelCode(int cell, LevelS level) const {
    return LevelText(OldCell(cell), LevelParts(level), EditionCode());
}

}  // namespace countygen
