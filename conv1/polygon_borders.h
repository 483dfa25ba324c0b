// The polygons on the two sides of every line and the side counts of the
// polygon layers. The border step finds, for each type I row, the polygon
// row on its left and on its right (type A and type S rows in the side
// indexes, type 9 and type 8 rows in the type I row itself) and counts per
// layer the (line, side) entries that the layer's builder will gather: its
// capacity. The builders rebuild the same code texts from the rows with the
// level functions below.
#pragma once

#include "conv1/record_layouts.h"
#include "tigercore/code_text.h"
#include "tigercore/county_lines.h"

#include <array>
#include <cstddef>
#include <vector>

namespace vornak {

using tigercore::SidePair;

// Entry i for type I row i: the type A rows (record numbers of the scratch
// file a.tmp once the rows are there) and the type S rows of its sides,
// {-1, -1} where a side has no row.
extern std::vector<SidePair> IAIndex;
extern std::vector<SidePair> ISIndex;

// The sides of type I row `line` in an index; "no polygon" on both sides
// for a row the index does not hold.
inline SidePair SidesOfLine(const std::vector<SidePair>& index, int line) {
    return line >= 0 && static_cast<size_t>(line) < index.size() ? index[static_cast<size_t>(line)] : SidePair{};
}

// Code levels of the type A rows (1990 geography and the code-only
// layers): the slots of gBorderLineCountsA.
enum TypeALevel {
    kCounty1990Level,
    kTract1990Level,
    kBlockGroup1990Level,
    kBlock1990Level,
    kPlace1990Level,
    kCountySubdivision1990Level,
    kAmericanIndianArea1990Level,
    kTrafficAnalysisZoneLevel,
    kUrbanArea1990Level,
    kElementarySchoolLevel,
    kSecondarySchoolLevel,
    kUnifiedSchoolLevel,
    kMiddleSchoolLevel,
    kUnusedTypeASlot,
    kCongressionalDistrict106Level,
    kUrbanArea2000Level,
    kPumaLevel,
    kTypeALevelCount
};

// Code levels of the type S rows (current and 2000 geography): the slots of
// gBorderLineCountsS. Slot 0 counts the sides whose WATER flag is 1.
enum TypeSLevel {
    kWaterSidesSlot,
    kCmsaMsaLevel,
    kPmsaLevel,
    kCongressionalDistrictCurrentLevel,
    kLowerChamberLevel,  // state house
    kUpperChamberLevel,  // state senate
    kAnrcLevel,
    kPlaceCurrentLevel,
    kCountySubdivisionCurrentLevel,
    kAmericanIndianAreaCurrentLevel,
    kCollectionBlockLevel,
    kTract2000Level,
    kBlock2000Level,
    kVotingDistrict2000Level,
    kCountyCurrentLevel,
    kZctaLevel,
    kBlockGroup2000Level,
    kUrbanGrowthAreaLevel,
    kConsolidatedCityLevel,
    kCorrectedUrbanArea2000Level,
    kRedefinedUrbanArea1990Level,
    kTypeSLevelCount
};

// Replaced by the type A and type S modes of the border step.
extern std::array<int, kTypeALevelCount> gBorderLineCountsA;
extern std::array<int, kTypeSLevelCount> gBorderLineCountsS;
// Sides of lines between two different type A (type S) rows, one per side
// that has a row: the capacity of the all-polygons layers. Counted on by
// the border step; zeroed at the start of a county (ReleasePolygonBorders).
extern int gAllPolygonsLineCountA;
extern int gAllPolygonsLineCountS;

using tigercore::CodeText;

// The code texts of one side of the line the border step is at, per level.
struct SideCodes {
    std::array<CodeText, kTypeALevelCount> typeA;
    std::array<CodeText, kTypeSLevelCount> typeS;  // slot 0 unused: see the water flags
};
extern SideCodes gLeftCodes;
extern SideCodes gRightCodes;
extern int gLeftWaterFlag;
extern int gRightWaterFlag;

enum class LineSide { kLeft, kRight };

// The code text of a level for a side's row, as the border step compares
// it; a level the county's release does not carry gives its blank. A level
// made of parts gives the joined text: the county code first where the
// level is one of the county's (tract, block group, block, voting district,
// ZCTA), the level's own part last. Type A county codes of releases 94 and
// 95 come from the line's type 3 row (`line`, the side's state and county);
// a line without one gives blanks there.
void TypeALevelCode(int level, const TypeARecord& row, int line, LineSide side, CodeText& out);
void TypeSLevelCode(int level, const TypeSRecord& row, CodeText& out);
// The blank of a level: as many blanks as its text is wide.
void TypeALevelBlank(int level, CodeText& out);
void TypeSLevelBlank(int level, CodeText& out);
// Where a type S level's own part starts in its text (0 but for the
// composite levels), and whether a side's text carries a code of the level:
// its own part is not all blanks (type A levels: the whole text).
size_t TypeSLevelOwnOffset(int level);
bool TypeALevelCarriesCode(int level, const CodeText& code);
bool TypeSLevelCarriesCode(int level, const CodeText& code);

// What the code of a side takes from its line besides the side's row, in
// any layer: the state and county of the line's type I row and the fields
// of the side in the line's type 3 row that the release's type A levels
// read. Sides of one row and equal contexts have one code.
tigercore::SideContext SideContextOf(int line, LineSide side);

// Reads record `row` of the scratch file a.tmp (type A row `row`, once the
// border step has moved the table there); false when it cannot.
bool ReadTypeARow(int row, TypeARecord& out);

// Both side indexes sized for the type I table, every side "no polygon",
// and the type 9 and type 8 rows of every type I row set to none; called
// when the type I rows have been read, so that a side the border step never
// resolves reads as having no polygon.
void PrepareSideIndexes();

}  // namespace vornak
