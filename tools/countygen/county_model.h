// A synthetic TIGER/Line county of the 2002-2006 editions or of the
// 1994-2000 editions, laid out by formulas so that a test can predict every
// record, table row and layer. This comment gives the county of 2002-2006;
// old_edition_codes.h gives what the 1994-2000 editions hold beyond it.
//
// Grid. The county is a grid of W x H cells (W east-west, H north-south).
// Node (i, j), 0 <= i <= W, 0 <= j <= H, lies at longitude -71.500000 +
// 0.001 i and latitude 42.000000 + 0.001 j (millionths of a degree:
// -71500000 + 1000 i, 42000000 + 1000 j). Cell (i, j), 0 <= i < W,
// 0 <= j < H, is the square between nodes (i, j) and (i + 1, j + 1); it is
// one TIGER polygon, number c = j W + i, POLYID c + 1, CENID "CA001" when
// 2 i < W, else "CB002". Outside the grid there is no polygon (blank CENID,
// POLYID and codes).
//
// Complete chains (lines), numbered L, TLID 100000001 + L:
//   horizontal h(i, j), 0 <= i < W, 0 <= j <= H: L = j W + i, from node
//     (i, j) east to (i + 1, j); left cell (i, j), right cell (i, j - 1);
//   vertical v(i, j), 0 <= i <= W, 0 <= j < H: L = W (H + 1) + i H + j, from
//     node (i, j) north to (i, j + 1); left cell (i - 1, j), right cell (i, j).
// A side beyond the grid has no cell. Node (i, j) has TZID 200000001 +
// j (W + 1) + i. So there are W (H + 1) + (W + 1) H lines, (W + 1)(H + 1)
// nodes and W H polygons.
//
// Special cells: water when i % 8 == 6 and j % 8 == 6 (type P WATER 1, area
// landmark "H31" "Pond <POLYID>"); park when i % 8 == 2 and j % 8 == 2 (area
// landmark "D85" "Park <POLYID>"); school when i % 8 == 4 and j % 8 == 4
// (point landmark "D43" "School <POLYID>" at the cell's centre). LAND numbers
// run 1, 2, ... over these cells in POLYID order; every area landmark has one
// type 8 row (its cell's CENID and POLYID).
//
// CFCC of a line, first rule that applies: a side in a water cell "H01"; a
// side outside the grid "F10"; horizontal lines by j % 8: A41 A31 B11 A41 E10
// A41 C31 P41; vertical lines by i % 8: A41 A21 D10 A41 X00 G10 H11 A41.
// Lines of the last rule are named: horizontal FENAME "Row <j>", vertical
// "Col <i>", FETYPE "St" / "Ave" for roads (CFCC letter A or P), else blank.
// Roads carry addresses, base b = 100 (i + 1) for h(i, j) and 100 (j + 1) for
// v(i, j): FRADDL b + 1, TOADDL b + 99, FRADDR b, TOADDR b + 98, ZIPL / ZIPR
// the ZCTA5 of the left / right cell. Every line carries the left and right
// cell's STATE, COUNTY, COUSUB, PLACE, TRACT, BLOCK, AIANHHFP and AIHHTLI
// (type 1 columns); SIDE1, SOURCE "J", CENSUS1 and CENSUS2 are fixed.
// Line L has shape points when L % 7 == 3: s = 1 + (L / 7) % 12 points, point
// k = 1..s at offset (1000 k) / (s + 1) millionths (integer division) from the
// start node along the line; ten points per type 2 row, RTSQ 1, 2, ...
//
// Codes of cell (i, j) (current geography in type A and Census 2000 in type
// S are the same; n / m means the integer quotient, ceil the rounding up):
//   TRACT     "%06d" of 100 (1 + t), t = (j / 20) ceil(W / 20) + i / 20
//   block group g = 1 + 2 ((j % 20) / 10) + (i % 20) / 10
//   BLOCK     "%d%03d" of g and ((j % 10) / 2) 5 + (i % 10) / 2 (2 x 2 cells)
//   COUSUB    "%05d" of 10000 + 10 ((j / 40) ceil(W / 40) + i / 40)
//   PLACE     when (i / 30 + j / 30) even: "%05d" of 20000 + 10 ((j / 30)
//             ceil(W / 30) + i / 30); else blank
//   AIANHH    when 5 <= i % 25 < 10 and 5 <= j % 25 < 10, with k = (j / 25)
//             ceil(W / 25) + i / 25: AIANHH "%04d" of 1000 + k, AIANHHFP
//             "%05d" of 30000 + 10 k, AIHHTLI 'R' for even k, 'T' for odd k
//             (an 'R' reads back as a blank); else blank
//   school    2 i < W: SDUNI "00010"; else SDELM "00030" and SDSEC "00040"
//   CD        "01" when 2 j < H, else "02" (also COMREGEC 1/2); CD106 "03"
//             when 2 i < W, else "04"; CD108 "05" when 3 j < H, else "06"
//   ZCTA5     "%05d" of 2100 + (j / 25) ceil(W / 25) + i / 25; ZCTA3 its
//             first three characters
//   SLDU      "%03d" of 100 + i / 4 (columns of 4 cells); SLDL "%03d" of
//             200 + j / 3 (rows of 3): unlike in any county
//   urban     in a place: UA "09271", UR 'U'; else UA blank, UR 'R'
//   VTD       "%06d" of 1000 + (j / 15) ceil(W / 15) + i / 15
//   PUMA5     "%05d" of 100 + t / 4; PUMA1 "%05d" of 200 + t / 8;
//   TAZ       "%06d" of 10 t + g
//   metro     MSACMAS "1120", PMSA "1123", NECMA "5350" (type A: edition
//             2002 only; type S: always); CBSA "14460", CSA "148", NECTA
//             "71650", CNECTA "715", METDIV "14484", NECTADIV "71654"
//             (type A, editions 2003 and later)
// ANRC, AITS, CONCIT, SUBMCD, TAZCOMB, UGA and the block suffix are blank.
// Type B repeats the current codes (BLOCKCQ = BLOCK and a blank suffix,
// UACC / URCC = UA / UR); type E has STATE, COUNTY, PLACE and the commercial
// region (COMREGEC = 1 when 2 j < H, else 2).
//
// Other records: type I one per line (TZIDS / TZIDE of its nodes, the
// left / right CENID and POLYID); type T one per node; type M one per line
// (RTSQ 1, SOURCEID "COUNTYGEN"); type P one per cell (the cell's centre,
// WATER); type 5 one feature per interior row j (FEAT j + 1) and column i
// (FEAT 100001 + i), and for interior columns with i % 8 == 0 two alternate
// names "Route <i>" "Hwy" (FEAT 200001 + i) and "Old Col <i>" "Rd" (FEAT
// 300001 + i); type 4 one row (RTSQ 1) for each road line in such a column:
// FEAT1 200001 + i, and FEAT2 300001 + i when j is even; type 6 one row
// (RTSQ 1) for each road line with L % 11 == 5 (the line's addresses + 100);
// type Z one row (RTSQ 1) for each road line with L % 3 == 0, ZIP4L "%04d"
// of 1 + L % 9999, ZIP4R of 1 + (L + 1) % 9999; type U one row (RTSQ 1) per
// interior node with i % 8 == 1 and j % 8 == 2 (railroad over road: TLIDOV1
// h(i - 1, j), TLIDOV2 h(i, j), TLIDUN1 v(i, j - 1), TLIDUN2 v(i, j)); type C
// the entity names of the codes above (see EntityNames()); a .met text.
//
// Record order: with seed 0 every file is in the natural order above; any
// other seed shuffles each file's records (deterministically for the seed).
// Nothing else depends on the seed.
#pragma once

#include "old_edition_codes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace countygen {

struct CountySpec {
    int width = 4;           // W, cells east-west
    int height = 3;          // H, cells north-south
    // '9' (2002), 'a' (2003), 'b', 'c' (2004-2005), 'd' (2006); '0' to '8'
    // the releases 94 (1994), 95, 97, 98, 99, 100, 101, 102, 103 (2000 CD108)
    char edition = 'c';
    std::uint64_t seed = 0;  // 0: natural record order
    std::string state = "25";
    std::string county = "901";
    int version = -1;        // VERSION of every record; -1: the edition's own
    bool crlf = true;        // CR LF line ends (else LF) in the record files and the .met
    bool loneCr = false;     // lone CR line ends instead (the ends of old Macintosh files)
    bool upperCaseNames = true;  // TGR25901.RT1 rather than tgr25901.rt1
    // 2002-2006: whether the type B file (corrections) is written; without
    // it the county is like the real ones of 2005 on, which have none.
    bool typeB = true;
    // 2002-2006: the .met text's "Title:" line (as in the real files,
    // "TIGER/Line Files, 2005 Second Edition, ..."); empty: none.
    std::string metTitle = "";
};

// The smallest square grid with at least `chains` lines.
CountySpec SpecForChains(long long chains);

// The edition code the libraries use: 104, 105 or 106 for 2002-2006, the
// release number 94, 95, 97 ... 103 for '0' to '8'.
int EditionCode(char edition);
// The default VERSION of an edition ('c': 1105, '6': 0401).
int DefaultVersion(char edition);
// Whether the edition is one of 1994-2000 ('0' to '8').
bool IsOldEdition(char edition);
// The lower-case suffix of a record type's file: "rt1", "rta"; for 1994
// "f61" ... "f6z", for 1995 "bw1" ... "bwz".
std::string RecordSuffix(char edition, char recordType);

struct PointM {  // millionths of a degree
    long long lon = 0;
    long long lat = 0;
};

// The geographic codes of one cell, as written (text at full width).
struct CellCodes {
    std::string cenid, polyid;
    std::string state, county, tract, block, blockSuffix;  // blockSuffix: one character
    char blockGroup = '1';
    std::string cousub, submcd, place, concit;
    std::string aianhhfp, aianhh;
    char aihhtli = ' ';
    std::string anrc, aitsce, aits;
    std::string sdelm, sdsec, sduni, cd, cd106, cd108;
    std::string zcta5, zcta3, sldu, sldl;
    std::string msacmas, pmsa, necma, cbsa, csa, necta, cnecta, metdiv, nectadiv;
    std::string ua;
    char ur = 'R';
    std::string vtd, puma5, puma1, taz;
    int commercialRegion = 1;
    bool water = false;
    PointM centre;
};

struct LineInfo {
    int number = 0;  // L
    std::string tlid;  // right-aligned, 10 columns
    bool horizontal = true;
    int i = 0, j = 0;
    int leftCell = -1, rightCell = -1;  // cell numbers, -1 outside
    int fromNode = 0, toNode = 0;
    PointM from, to;
    std::string cfcc, fename, fetype;
    bool road = false;
    std::string fraddl, toaddl, fraddr, toaddr;  // blank when no road
    std::string zipl, zipr;
    std::vector<PointM> shapePoints;
};

struct Landmark {
    long long land = 0;
    int cell = 0;
    std::string cfcc, laname;
    bool area = false;  // area landmarks have a type 8 row, point ones coordinates
};

struct Feature {  // a type 5 row
    std::string feat, fename, fetype;
};

struct AlternateNames {  // a type 4 row
    int line = 0;
    std::string feat1, feat2;
};

struct OverUnderPass {  // a type U row
    int node = 0;
    std::string tlidov1, tlidov2, tlidun1, tlidun2;
};

struct EntityName {  // a type C row
    char entity = ' ';
    std::string state, county, datayr, fips, fipscc, lsadc, ma, sd, aianhh, vtdtract, uauga, csanecta,
        cbsanecta, name;
    char placedc = ' ';
    int commreg = -1;  // -1: blank
};

class CountyModel {
public:
    explicit CountyModel(const CountySpec& spec);

    const CountySpec& Spec() const { return spec_; }
    int Width() const { return spec_.width; }
    int Height() const { return spec_.height; }
    int CellCount() const { return spec_.width * spec_.height; }
    int LineCount() const;
    int NodeCount() const { return (spec_.width + 1) * (spec_.height + 1); }
    int EditionCode() const;
    int Version() const;

    std::string Tlid(int line) const;
    std::string Tzid(int node) const;
    PointM NodePoint(int node) const;
    int HorizontalLine(int i, int j) const { return j * spec_.width + i; }
    int VerticalLine(int i, int j) const { return spec_.width * (spec_.height + 1) + i * spec_.height + j; }
    int Node(int i, int j) const { return j * (spec_.width + 1) + i; }

    CellCodes Cell(int cell) const;
    LineInfo Line(int line) const;
    std::string LineCfcc(int line) const;
    std::string Zcta5(int cell) const;

    std::vector<Landmark> Landmarks() const;
    std::vector<Feature> Features() const;
    std::vector<AlternateNames> AlternateNameRows() const;
    std::vector<int> AdditionalAddressLines() const;  // type 6 rows, by line
    std::vector<int> Zip4Lines() const;               // type Z rows, by line
    std::vector<OverUnderPass> OverUnderPasses() const;
    std::vector<EntityName> EntityNames() const;

    // Type 6 / type Z values of a line.
    static std::string Zip4Left(int line);
    static std::string Zip4Right(int line);

    // The number of type 2 rows of a line and the largest RTSQ of the county.
    int ShapeRecordCount(int line) const;
    int MaxRtsq() const;
    // The type 1 counts by class slot A, B, C, D, E, F (with G), H, X.
    std::array<int, 8> ClassCounts() const;

    // The 1994-2000 editions (old_edition_codes.h; old_edition_model.cpp).
    // Each answers for the county's own release.
    // The type A and S codes of a cell.
    OldCellCodes OldCell(int cell) const;
    // The type 1 and 3 codes of one side of a line: those of `cell`, all
    // blank for -1 (beyond the grid).
    OldSideCodes OldSide(int cell) const;
    // The type C rows, in file order.
    std::vector<OldEntityName> OldEntityNames() const;
    // The type 9 rows, by cell.
    std::vector<KeyLocation> KeyLocations() const;
    // A level's code text of a cell: its parts as the file carries them,
    // joined; empty when the release builds no such level. The blank test
    // of a composite level (a county with a tract, block, voting district,
    // ZCTA or block group) looks at its own last part only.
    std::string LevelCode(int cell, LevelA level) const;
    std::string LevelCode(int cell, LevelS level) const;

private:
    bool WaterCell(int i, int j) const { return i % 8 == 6 && j % 8 == 6; }
    int CellAt(int i, int j) const;  // -1 outside
    void Place(int line, LineInfo& l) const;  // position, sides and nodes
    std::string Cfcc(bool horizontal, int i, int j, int leftCell, int rightCell) const;

    CountySpec spec_;
};

}  // namespace countygen
