// The polygons on the two sides of every line: per type I row, the row of
// the polygon record of each type on its left and its right, and per polygon
// layer the number of border-line sides counted in advance, so that each
// builder sizes its entries once.
#pragma once

#include "conv2/record_layouts.h"
#include "tigercore/code_text.h"
#include "tigercore/county_lines.h"

#include <array>
#include <vector>

namespace vornak2 {

using tigercore::SidePair;

// Entry i for type I row i; {-1, -1} where a side has no record of the type.
extern std::vector<SidePair> IAIndex;
extern std::vector<SidePair> ISIndex;
extern std::vector<SidePair> IBIndex;
extern std::vector<SidePair> IEIndex;

// Code levels of the current geography (type A rows): the slots of
// gBorderLineCountsA.
enum CurrentLevel {
    kCountyCurrentLevel,
    kTractCurrentLevel,
    kBlockGroupCurrentLevel,
    kBlockCurrentLevel,
    kAianhhCurrentLevel,
    kAnrcCurrentLevel,
    kAitsCurrentLevel,
    kConsolidatedCityCurrentLevel,
    kCountySubdivisionCurrentLevel,
    kSubbarrioCurrentLevel,
    kPlaceCurrentLevel,
    kElementarySchoolCurrentLevel,
    kSecondarySchoolCurrentLevel,
    kUnifiedSchoolCurrentLevel,
    kMsaCmsaCurrentLevel,
    kPmsaCurrentLevel,
    kNecmaCurrentLevel,
    kCongressionalDistrictCurrentLevel,
    kZcta5CurrentLevel,
    kZcta3CurrentLevel,
    kCbsaCurrentLevel,
    kCsaCurrentLevel,
    kNectaCurrentLevel,
    kCombinedNectaCurrentLevel,
    kMetropolitanDivisionCurrentLevel,
    kNectaDivisionCurrentLevel,
    kUpperChamberCurrentLevel,
    kLowerChamberCurrentLevel,
    kUrbanCurrentLevel,
    kCurrentLevelCount
};

// Code levels of Census 2000 and other vintages (type S rows): the slots of
// gBorderLineCountsS. Slot 0 counts water sides.
enum Census2000Level {
    kWaterSidesSlot,
    kCounty2000Level,
    kTract2000Level,
    kBlockGroup2000Level,
    kBlock2000Level,
    kAianhh2000Level,
    kAnrc2000Level,
    kAits2000Level,
    kConsolidatedCity2000Level,
    kCountySubdivision2000Level,
    kSubbarrio2000Level,
    kPlace2000Level,
    kElementarySchool2000Level,
    kSecondarySchool2000Level,
    kUnifiedSchool2000Level,
    kMsaCmsa2000Level,
    kPmsa2000Level,
    kNecma2000Level,
    kCongressionalDistrict106Level,
    kPuma5Level,
    kPuma1Level,
    kZcta52000Level,
    kZcta32000Level,
    kTrafficAnalysisZoneLevel,
    kUrban2000Level,
    kVotingDistrict2000Level,
    kUpperChamberLevel,
    kLowerChamberLevel,
    kUrbanGrowthArea2000Level,
    kCongressionalDistrict108Level,
    kCensus2000LevelCount
};

// Code levels of the economic census (type E rows): the slots of gBorderLineCountsE.
enum EconomicLevel { kCountyEconomicLevel, kPlaceEconomicLevel, kCommercialRegionLevel, kEconomicLevelCount };

extern std::array<int, kCurrentLevelCount> gBorderLineCountsA;
extern std::array<int, kCensus2000LevelCount> gBorderLineCountsS;
extern std::array<int, kEconomicLevelCount> gBorderLineCountsE;
extern int gLandmarkBorderLineCount;
extern int gBorderLineTotalA;
extern int gBorderLineTotalS;
extern int gBorderLineTotalB;
extern int gBorderLineTotalE;

using tigercore::CodeText;

// The code texts of one side of the current line, per level (the joined
// text for levels made of parts), as the last assembly step left them.
struct SideCodes {
    std::array<CodeText, kCurrentLevelCount> current;
    std::array<CodeText, kCensus2000LevelCount> census2000;
    std::array<CodeText, kEconomicLevelCount> economic;
    int commercialRegion = 0;
};
extern SideCodes gLeftCodes;
extern SideCodes gRightCodes;
extern int gLeftWaterFlag;
extern int gRightWaterFlag;

// The code text of a level for a polygon's row, as the layers compare it
// (levels made of parts: the joined text); a level the edition does not
// carry gives its blank. Builders rebuild their own layer's text with these.
void CurrentLevelCode(int level, const TypeARecord& row, CodeText& out);
void Census2000LevelCode(int level, const TypeSRecord& row, CodeText& out);
void EconomicLevelCode(int level, const TypeERecord& row, CodeText& out);
// The blank of a level: as many blanks as its text is wide.
void CurrentLevelBlank(int level, CodeText& out);
void Census2000LevelBlank(int level, CodeText& out);
void EconomicLevelBlank(int level, CodeText& out);

// WATER of the type P row of the polygon on each side of a line, for the
// sides that have a type S row (0 elsewhere, and where the type P row is
// missing): entry i for type I row i, made once by the type S assembly so
// that no layer searches type P again.
using tigercore::SideWater;
extern std::vector<SideWater> gSideWater;
// The water flags of type I row i.
inline SideWater WaterOfLine(int i) {
    return i >= 0 && static_cast<size_t>(i) < gSideWater.size() ? gSideWater[static_cast<size_t>(i)] : SideWater{};
}

// Reads type A row `row` back from the scratch file; false when it cannot.
bool ReadTypeARow(int row, TypeARecord& out);

// The four indexes sized for the type I table, every side -1; called when
// the polygon stage starts, so a county without rows of a type reads "no
// polygon" on every side.
void PrepareSideIndexes();

}  // namespace vornak2
