#include "conv2/polygon_sides.h"

#include "conv2/job_state.h"
#include "conv2/record_search.h"
#include "conv2/record_store.h"
#include "platform/text.h"
#include "tigercore/polygon_key_index.h"
#include "tigercore/scratch_rows.h"

#include <cstddef>
#include <cstring>
#include <new>

namespace vornak2 {

std::vector<SidePair> IAIndex;
std::vector<SidePair> ISIndex;
std::vector<SidePair> IBIndex;
std::vector<SidePair> IEIndex;
std::array<int, kCurrentLevelCount> gBorderLineCountsA{};
std::array<int, kCensus2000LevelCount> gBorderLineCountsS{};
std::array<int, kEconomicLevelCount> gBorderLineCountsE{};
int gLandmarkBorderLineCount = 0;
int gBorderLineTotalA = 0;
int gBorderLineTotalS = 0;
int gBorderLineTotalB = 0;
int gBorderLineTotalE = 0;
std::vector<SideWater> gSideWater;
SideCodes gLeftCodes;
SideCodes gRightCodes;
int gLeftWaterFlag = 0;
int gRightWaterFlag = 0;

namespace {
// The scratch file of the type A rows, mapped once its rows are written.
tigercore::ScratchRows gTypeARows;
}  // namespace

namespace {

constexpr int kEdition2002 = 1;
constexpr int kEdition2003 = 2;  // 2003 to 2005
constexpr int kEdition2006 = 4;
constexpr int kAllEditions = kEdition2002 | kEdition2003 | kEdition2006;

int EditionBit() {
    switch (gEditionCode) {
        case 104: return kEdition2002;
        case 105: return kEdition2003;
        default: return kEdition2006;
    }
}

// One part of a code text: a text field printed at its width ("%Ns"), or a
// single character (the first of its field).
struct CodePart {
    size_t offset;
    int width;
    bool single;
};

struct CodeLevel {
    int level;  // the level of the enum the row stands for: its index in its table
    int width;
    int editions;
    CodePart parts[5];
    int partCount;
};

#define TEXT(Row, field, w) CodePart{offsetof(Row, field), w, false}
#define CHAR(Row, field) CodePart{offsetof(Row, field), 1, true}

using A = TypeARecord;
using S = TypeSRecord;
using E = TypeERecord;

constexpr CodeLevel kCurrentLevels[kCurrentLevelCount] = {
    {kCountyCurrentLevel, 5, kAllEditions, {TEXT(A, STATECU, 2), TEXT(A, COUNTYCU, 3)}, 2},
    {kTractCurrentLevel, 11, kAllEditions, {TEXT(A, STATECU, 2), TEXT(A, COUNTYCU, 3), TEXT(A, TRACTCU, 6)}, 3},
    {kBlockGroupCurrentLevel,
     12,
     kAllEditions,
     {TEXT(A, STATECU, 2), TEXT(A, COUNTYCU, 3), TEXT(A, TRACTCU, 6), CHAR(A, BLOCKCU)},
     4},
    {kBlockCurrentLevel,
     16,
     kAllEditions,
     {TEXT(A, STATECU, 2), TEXT(A, COUNTYCU, 3), TEXT(A, TRACTCU, 6), TEXT(A, BLOCKCU, 4), CHAR(A, BLOCKSUFCU)},
     5},
    {kAianhhCurrentLevel, 10, kAllEditions, {TEXT(A, AIANHHFPCU, 5), TEXT(A, AIANHHCU, 4), CHAR(A, AIHHTLICU)}, 3},
    {kAnrcCurrentLevel, 5, kAllEditions, {TEXT(A, ANRCCU, 5)}, 1},
    {kAitsCurrentLevel, 8, kAllEditions, {TEXT(A, AITSCECU, 3), TEXT(A, AITSCU, 5)}, 2},
    {kConsolidatedCityCurrentLevel, 5, kAllEditions, {TEXT(A, CONCITCU, 5)}, 1},
    {kCountySubdivisionCurrentLevel,
     10,
     kAllEditions,
     {TEXT(A, STATECU, 2), TEXT(A, COUNTYCU, 3), TEXT(A, COUSUBCU, 5)},
     3},
    {kSubbarrioCurrentLevel, 10, kAllEditions, {TEXT(A, STATECU, 2), TEXT(A, COUNTYCU, 3), TEXT(A, SUBMCDCU, 5)}, 3},
    {kPlaceCurrentLevel, 5, kAllEditions, {TEXT(A, PLACECU, 5)}, 1},
    {kElementarySchoolCurrentLevel, 5, kAllEditions, {TEXT(A, SDELMCU, 5)}, 1},
    {kSecondarySchoolCurrentLevel, 5, kAllEditions, {TEXT(A, SDSECCU, 5)}, 1},
    {kUnifiedSchoolCurrentLevel, 5, kAllEditions, {TEXT(A, SDUNICU, 5)}, 1},
    {kMsaCmsaCurrentLevel, 4, kEdition2002, {TEXT(A, MSACMASCU, 4)}, 1},
    {kPmsaCurrentLevel, 4, kEdition2002, {TEXT(A, PMSACU, 4)}, 1},
    {kNecmaCurrentLevel, 4, kEdition2002, {TEXT(A, NECMACU, 4)}, 1},
    {kCongressionalDistrictCurrentLevel, 2, kAllEditions, {TEXT(A, CDCU, 2)}, 1},
    {kZcta5CurrentLevel, 5, kEdition2003 | kEdition2006, {TEXT(A, ZCTA5CU, 5)}, 1},
    {kZcta3CurrentLevel, 3, kEdition2003 | kEdition2006, {TEXT(A, ZCTA3CU, 3)}, 1},
    {kCbsaCurrentLevel, 5, kEdition2003 | kEdition2006, {TEXT(A, CBSACU, 5)}, 1},
    {kCsaCurrentLevel, 3, kEdition2003 | kEdition2006, {TEXT(A, CSACU, 3)}, 1},
    {kNectaCurrentLevel, 5, kEdition2003 | kEdition2006, {TEXT(A, NECTACU, 5)}, 1},
    {kCombinedNectaCurrentLevel, 3, kEdition2003 | kEdition2006, {TEXT(A, CNECTACU, 3)}, 1},
    {kMetropolitanDivisionCurrentLevel, 5, kEdition2003 | kEdition2006, {TEXT(A, METDIVCU, 5)}, 1},
    {kNectaDivisionCurrentLevel, 5, kEdition2003 | kEdition2006, {TEXT(A, NECTADIVCU, 5)}, 1},
    {kUpperChamberCurrentLevel, 3, kEdition2006, {TEXT(A, SLDUCU, 3)}, 1},
    {kLowerChamberCurrentLevel, 3, kEdition2006, {TEXT(A, SLDLCU, 3)}, 1},
    {kUrbanCurrentLevel, 5, kEdition2006, {TEXT(A, UACU, 5)}, 1},
};

constexpr CodeLevel kCensus2000Levels[kCensus2000LevelCount] = {
    {kWaterSidesSlot, 0, kAllEditions, {}, 0},  // water sides: no text
    {kCounty2000Level, 5, kAllEditions, {TEXT(S, STATE00, 2), TEXT(S, COUNTY00, 3)}, 2},
    {kTract2000Level, 11, kAllEditions, {TEXT(S, STATE00, 2), TEXT(S, COUNTY00, 3), TEXT(S, TRACT00, 6)}, 3},
    {kBlockGroup2000Level,
     12,
     kAllEditions,
     {TEXT(S, STATE00, 2), TEXT(S, COUNTY00, 3), TEXT(S, TRACT00, 6), CHAR(S, BLKGRP00)},
     4},
    {kBlock2000Level,
     15,
     kAllEditions,
     {TEXT(S, STATE00, 2), TEXT(S, COUNTY00, 3), TEXT(S, TRACT00, 6), TEXT(S, BLOCK00, 4)},
     4},
    {kAianhh2000Level, 10, kAllEditions, {TEXT(S, AIANHHFP00, 5), TEXT(S, AIANHH00, 4), CHAR(S, AIHHTLI00)}, 3},
    {kAnrc2000Level, 5, kAllEditions, {TEXT(S, ANRC00, 5)}, 1},
    {kAits2000Level, 8, kAllEditions, {TEXT(S, AITS00, 5), TEXT(S, AITSCE00, 3)}, 2},
    {kConsolidatedCity2000Level, 5, kAllEditions, {TEXT(S, CONCIT00, 5)}, 1},
    {kCountySubdivision2000Level, 5, kAllEditions, {TEXT(S, COUSUB00, 5)}, 1},
    {kSubbarrio2000Level, 5, kAllEditions, {TEXT(S, SUBMCD00, 5)}, 1},
    {kPlace2000Level, 5, kAllEditions, {TEXT(S, PLACE00, 5)}, 1},
    {kElementarySchool2000Level, 5, kAllEditions, {TEXT(S, SDELM00, 5)}, 1},
    {kSecondarySchool2000Level, 5, kAllEditions, {TEXT(S, SDSEC00, 5)}, 1},
    {kUnifiedSchool2000Level, 5, kAllEditions, {TEXT(S, SDUNI00, 5)}, 1},
    {kMsaCmsa2000Level, 4, kAllEditions, {TEXT(S, MSACMAS00, 4)}, 1},
    {kPmsa2000Level, 4, kAllEditions, {TEXT(S, PMSA00, 4)}, 1},
    {kNecma2000Level, 4, kAllEditions, {TEXT(S, NECMA00, 4)}, 1},
    {kCongressionalDistrict106Level, 2, kAllEditions, {TEXT(S, CD106, 2)}, 1},
    {kPuma5Level, 5, kAllEditions, {TEXT(S, PUMA5, 5)}, 1},
    {kPuma1Level, 5, kAllEditions, {TEXT(S, PUMA1, 5)}, 1},
    {kZcta52000Level, 5, kAllEditions, {TEXT(S, ZCTA00, 5)}, 1},
    {kZcta32000Level, 3, kAllEditions, {TEXT(S, ZCTA300, 3)}, 1},
    {kTrafficAnalysisZoneLevel, 11, kAllEditions, {TEXT(S, TAZ, 6), TEXT(S, UA, 5)}, 2},
    {kUrban2000Level, 5, kAllEditions, {TEXT(S, UA, 5)}, 1},
    {kVotingDistrict2000Level, 11, kAllEditions, {TEXT(S, STATE00, 2), TEXT(S, COUNTY00, 3), TEXT(S, VTD, 6)}, 3},
    {kUpperChamberLevel, 3, kAllEditions, {TEXT(S, SLDU, 3)}, 1},
    {kLowerChamberLevel, 3, kAllEditions, {TEXT(S, SLDL, 3)}, 1},
    {kUrbanGrowthArea2000Level, 5, kAllEditions, {TEXT(S, UGA, 5)}, 1},
    {kCongressionalDistrict108Level, 2, kEdition2003, {TEXT(S, CD108, 2)}, 1},
};

constexpr CodeLevel kEconomicLevels[kEconomicLevelCount] = {
    {kCountyEconomicLevel, 5, kAllEditions, {TEXT(E, STATEEC, 2), TEXT(E, COUNTYEC, 3)}, 2},
    {kPlaceEconomicLevel, 5, kAllEditions, {TEXT(E, PLACEEC, 5)}, 1},
    {kCommercialRegionLevel, 0, kAllEditions, {}, 0},  // commercial regions: an int
};

#undef TEXT
#undef CHAR

// Each table has a row per level of its enum, in the enum's order: a row
// missing (left zero by a short initializer) or out of place fails here.
template <std::size_t N>
constexpr bool InLevelOrder(const CodeLevel (&levels)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (levels[i].level != static_cast<int>(i)) return false;
    return true;
}
static_assert(InLevelOrder(kCurrentLevels), "kCurrentLevels: a row per CurrentLevel, in its order");
static_assert(InLevelOrder(kCensus2000Levels), "kCensus2000Levels: a row per Census2000Level, in its order");
static_assert(InLevelOrder(kEconomicLevels), "kEconomicLevels: a row per EconomicLevel, in its order");

void FormatLevel(const CodeLevel& level, const void* row, CodeText& out) {
    const char* base = static_cast<const char*>(row);
    size_t at = 0;
    const size_t room = sizeof out.text - 1;
    for (int p = 0; p < level.partCount; ++p) {
        const CodePart& part = level.parts[p];
        const char* field = base + part.offset;
        if (part.single) {
            if (at < room) out.text[at++] = field[0];
            continue;
        }
        size_t length = std::strlen(field);
        for (size_t pad = length; pad < static_cast<size_t>(part.width) && at < room; ++pad) out.text[at++] = ' ';
        for (size_t i = 0; i < length && at < room; ++i) out.text[at++] = field[i];
    }
    out.text[at] = '\0';
}

// Whether two rows have the same code at a level, without making the texts:
// the same field texts make the same code (a level the edition lacks is
// blank for both). Different field texts may still make one text; the
// caller then compares the texts.
bool SameFields(const CodeLevel& level, const void* a, const void* b) {
    if (!(level.editions & EditionBit())) return true;
    const char* x = static_cast<const char*>(a);
    const char* y = static_cast<const char*>(b);
    for (int p = 0; p < level.partCount; ++p) {
        const CodePart& part = level.parts[p];
        if (part.single ? x[part.offset] != y[part.offset] : std::strcmp(x + part.offset, y + part.offset) != 0)
            return false;
    }
    return true;
}

// Whether both sides of a line have the same code at a level: both
// without a row, or both rows with the same fields.
template <typename Row>
bool SameSides(const SidePair& sides, const std::vector<Row>& rows, const CodeLevel& level) {
    if (sides.left < 0 || sides.right < 0) return sides.left < 0 && sides.right < 0;
    return sides.left == sides.right ||
           SameFields(level, &rows[static_cast<size_t>(sides.left)], &rows[static_cast<size_t>(sides.right)]);
}

void Blank(int width, CodeText& out) {
    std::memset(out.text, ' ', static_cast<size_t>(width));
    out.text[width] = '\0';
}

// A border line adds one entry per side that carries a code.
void CountStandard(int& count, const CodeText& l, const CodeText& r, const CodeText& blank) {
    if (l != r) {
        ++count;
        if (l != blank && r != blank) ++count;
    }
}

// Sides by their row numbers (totals and landmark sides).
void CountRows(int& count, int left, int right) {
    if (left != right) {
        ++count;
        if (left >= 0 && right >= 0) ++count;
    }
}

// Levels whose border test uses the joined text but whose blank test looks
// at one part of six characters (traffic analysis zones, voting districts).
void CountByPart(int& count, const CodeText& l, const CodeText& r, const char* leftPart, const char* rightPart) {
    static const char kSixBlanks[] = "      ";
    bool leftCarries = std::strcmp(leftPart, kSixBlanks) != 0;
    bool rightCarries = std::strcmp(rightPart, kSixBlanks) != 0;
    if (l != r && (leftCarries || rightCarries)) {
        ++count;
        if (leftCarries && rightCarries) ++count;
    }
}

// The part text of a side of the traffic analysis zone or voting district
// level: the field as printed at width 6, or six blanks without a row.
void PartText(const char* field, bool present, char (&out)[8]) {
    if (!present) {
        std::memcpy(out, "      ", 7);
        return;
    }
    size_t length = std::strlen(field);
    size_t at = 0;
    for (size_t pad = length; pad < 6; ++pad) out[at++] = ' ';
    for (size_t i = 0; i < length && at < 7; ++i) out[at++] = field[i];
    out[at] = '\0';
}

// Allocates an index of one entry per type I row; false (logged, county
// failed) when it cannot.
bool AllocateIndex(std::vector<SidePair>& index, const char* name) {
    try {
        index.assign(static_cast<size_t>(gTypeICount), SidePair{});
    } catch (const std::bad_alloc&) {
        WriteLogLine(platform::Format("\nMEMORY ALLOCATION ERROR, Record Type %s, size %ld", name,
                            static_cast<long>(gTypeICount) * 8L));
        Services().FailCounty();
        return false;
    }
    return true;
}

void EndStep() {
    Services().SetProgress(0);
    Services().ShowStatus("");
}

const TypeIRecord& IRow(int i) { return gTypeIRecords[static_cast<size_t>(i)]; }

}  // namespace

void CurrentLevelCode(int level, const TypeARecord& row, CodeText& out) {
    const CodeLevel& l = kCurrentLevels[level];
    if (!(l.editions & EditionBit())) return Blank(l.width, out);
    FormatLevel(l, &row, out);
}

void Census2000LevelCode(int level, const TypeSRecord& row, CodeText& out) {
    const CodeLevel& l = kCensus2000Levels[level];
    if (!(l.editions & EditionBit())) return Blank(l.width, out);
    FormatLevel(l, &row, out);
}

void EconomicLevelCode(int level, const TypeERecord& row, CodeText& out) { FormatLevel(kEconomicLevels[level], &row, out); }

void CurrentLevelBlank(int level, CodeText& out) { Blank(kCurrentLevels[level].width, out); }
void Census2000LevelBlank(int level, CodeText& out) { Blank(kCensus2000Levels[level].width, out); }
void EconomicLevelBlank(int level, CodeText& out) { Blank(kEconomicLevels[level].width, out); }

bool ReadTypeARow(int row, TypeARecord& out) { return gTypeARows.Read(gTypeAScratchFile.get(), row, out); }

void PrepareSideIndexes() {
    for (std::vector<SidePair>* index : {&IAIndex, &ISIndex, &IBIndex, &IEIndex})
        index->assign(static_cast<size_t>(gTypeICount), SidePair{});
    gSideWater.assign(static_cast<size_t>(gTypeICount), SideWater{});
}

void ResetPolygonSides() {
    gTypeARows.Unmap();
    for (std::vector<SidePair>* index : {&IAIndex, &ISIndex, &IBIndex, &IEIndex}) std::vector<SidePair>().swap(*index);
    std::vector<SideWater>().swap(gSideWater);
    gBorderLineCountsA.fill(0);
    gBorderLineCountsS.fill(0);
    gBorderLineCountsE.fill(0);
    gLandmarkBorderLineCount = 0;
    gBorderLineTotalA = gBorderLineTotalS = gBorderLineTotalB = gBorderLineTotalE = 0;
}

void ReleasePolygonSides() { ResetPolygonSides(); }

void AssemblePolygonInfoA() {
    gBorderLineCountsA.fill(0);
    if (!AllocateIndex(IAIndex, "IAIndex")) return;
    Services().ShowStatus("Assembling Polygon Information");
    const tigercore::SideLookup find(gTypeARecords, gTypeACount, FindTypeARecord, false);
    CodeText blanks[kCurrentLevelCount];
    for (int level = 0; level < kCurrentLevelCount; ++level) CurrentLevelBlank(level, blanks[level]);
    for (int i = 0; i < gTypeICount; ++i) {
        Services().SetProgress(static_cast<int>(static_cast<long long>(i) * 100 / gTypeICount));
        const TypeIRecord& line = IRow(i);
        SidePair& sides = IAIndex[static_cast<size_t>(i)];
        sides.left = find(line.CENIDL, line.POLYIDL);
        sides.right = find(line.CENIDR, line.POLYIDR);
        const bool last = i == gTypeICount - 1;  // its codes stay in gLeftCodes and gRightCodes
        for (int level = 0; level < kCurrentLevelCount; ++level) {
            // Sides of the same codes add nothing, but in the urban level.
            if (!last && level != kUrbanCurrentLevel && SameSides(sides, gTypeARecords, kCurrentLevels[level])) continue;
            CodeText& l = gLeftCodes.current[static_cast<size_t>(level)];
            CodeText& r = gRightCodes.current[static_cast<size_t>(level)];
            l = r = blanks[level];
            if (sides.left >= 0) CurrentLevelCode(level, gTypeARecords[static_cast<size_t>(sides.left)], l);
            if (sides.right >= 0) CurrentLevelCode(level, gTypeARecords[static_cast<size_t>(sides.right)], r);
            int& count = gBorderLineCountsA[static_cast<size_t>(level)];
            if (level == kUrbanCurrentLevel) {
                // Every side inside an urban area counts, border or not.
                if (l != blanks[level] || r != blanks[level]) {
                    ++count;
                    if (l != blanks[level] && r != blanks[level]) ++count;
                }
            } else {
                CountStandard(count, l, r, blanks[level]);
            }
        }
        CountRows(gBorderLineTotalA, sides.left, sides.right);
    }

    // The rows move to the scratch file; builders read them back by row number.
    size_t rows = static_cast<size_t>(gTypeACount);
    size_t written = std::fwrite(gTypeARecords.data(), sizeof(TypeARecord), rows, gTypeAScratchFile.get());
    if (written < rows || std::fflush(gTypeAScratchFile.get()) != 0) {
        WriteLogLine("Cannot write scratch file.  Disk area too small");
        Services().FailCounty();
        return;
    }
    ReleaseTypeARecords();
    gTypeARows.Map(gTypeAScratchFile.get(), rows * sizeof(TypeARecord));
    EndStep();
}

void AssemblePolygonInfoS() {
    gBorderLineCountsS.fill(0);
    if (!AllocateIndex(ISIndex, "ISIndex")) return;
    if (gSideWater.size() != static_cast<size_t>(gTypeICount)) gSideWater.assign(static_cast<size_t>(gTypeICount), SideWater{});
    Services().ShowStatus("Assembling Polygon Information");
    const tigercore::SideLookup find(gTypeSRecords, gTypeSCount, FindTypeSRecord, false);
    const tigercore::SideLookup findP(gTypePRecords, gTypePCount, FindTypePRecord, false);
    CodeText blanks[kCensus2000LevelCount];
    for (int level = 1; level < kCensus2000LevelCount; ++level) Census2000LevelBlank(level, blanks[level]);
    for (int i = 0; i < gTypeICount; ++i) {
        Services().SetProgress(static_cast<int>(static_cast<long long>(i) * 100 / gTypeICount));
        const TypeIRecord& line = IRow(i);
        SidePair& sides = ISIndex[static_cast<size_t>(i)];
        sides.left = find(line.CENIDL, line.POLYIDL);
        sides.right = find(line.CENIDR, line.POLYIDR);
        const TypeSRecord* left = sides.left >= 0 ? &gTypeSRecords[static_cast<size_t>(sides.left)] : nullptr;
        const TypeSRecord* right = sides.right >= 0 ? &gTypeSRecords[static_cast<size_t>(sides.right)] : nullptr;
        gLeftWaterFlag = gRightWaterFlag = 0;
        if (left) {
            int p = findP(line.CENIDL, line.POLYIDL);
            if (p >= 0) gLeftWaterFlag = gTypePRecords[static_cast<size_t>(p)].WATER;
        }
        if (right) {
            int p = findP(line.CENIDR, line.POLYIDR);
            if (p >= 0) gRightWaterFlag = gTypePRecords[static_cast<size_t>(p)].WATER;
        }
        const bool last = i == gTypeICount - 1;  // its codes stay in gLeftCodes and gRightCodes
        for (int level = 1; level < kCensus2000LevelCount; ++level) {
            // Sides of the same codes add nothing.
            if (!last && SameSides(sides, gTypeSRecords, kCensus2000Levels[level])) continue;
            CodeText& l = gLeftCodes.census2000[static_cast<size_t>(level)];
            CodeText& r = gRightCodes.census2000[static_cast<size_t>(level)];
            l = r = blanks[level];
            if (left) Census2000LevelCode(level, *left, l);
            if (right) Census2000LevelCode(level, *right, r);
            int& count = gBorderLineCountsS[static_cast<size_t>(level)];
            if (level == kTrafficAnalysisZoneLevel || level == kVotingDistrict2000Level) {
                char leftPart[8], rightPart[8];
                bool zone = level == kTrafficAnalysisZoneLevel;
                PartText(left ? (zone ? left->TAZ : left->VTD) : "", left != nullptr, leftPart);
                PartText(right ? (zone ? right->TAZ : right->VTD) : "", right != nullptr, rightPart);
                CountByPart(count, l, r, leftPart, rightPart);
            } else {
                CountStandard(count, l, r, blanks[level]);
            }
        }
        if (static_cast<size_t>(i) < gSideWater.size()) gSideWater[static_cast<size_t>(i)] = {gLeftWaterFlag, gRightWaterFlag};
        if (gLeftWaterFlag != 0) ++gBorderLineCountsS[kWaterSidesSlot];
        if (gRightWaterFlag != 0) ++gBorderLineCountsS[kWaterSidesSlot];
        CountRows(gBorderLineTotalS, sides.left, sides.right);
    }
    EndStep();
}

void AssemblePolygonInfoB() {
    gBorderLineTotalB = 0;
    if (!AllocateIndex(IBIndex, "IBIndex")) return;
    Services().ShowStatus("Assembling Polygon Information");
    const tigercore::SideLookup find(gTypeBRecords, gTypeBCount, FindTypeBRecord, false);
    for (int i = 0; i < gTypeICount; ++i) {
        Services().SetProgress(static_cast<int>(static_cast<long long>(i) * 100 / gTypeICount));
        const TypeIRecord& line = IRow(i);
        SidePair& sides = IBIndex[static_cast<size_t>(i)];
        sides.left = find(line.CENIDL, line.POLYIDL);
        sides.right = find(line.CENIDR, line.POLYIDR);
        CountRows(gBorderLineTotalB, sides.left, sides.right);
    }
    EndStep();
}

void AssemblePolygonInfoE() {
    gBorderLineCountsE.fill(0);
    gBorderLineTotalE = 0;
    if (!AllocateIndex(IEIndex, "IEIndex")) return;
    Services().ShowStatus("Assembling Polygon Information");
    const tigercore::SideLookup find(gTypeERecords, gTypeECount, FindTypeERecord, false);
    CodeText blanks[kEconomicLevelCount];
    for (int level = 0; level < kCommercialRegionLevel; ++level) EconomicLevelBlank(level, blanks[level]);
    for (int i = 0; i < gTypeICount; ++i) {
        Services().SetProgress(static_cast<int>(static_cast<long long>(i) * 100 / gTypeICount));
        const TypeIRecord& line = IRow(i);
        SidePair& sides = IEIndex[static_cast<size_t>(i)];
        sides.left = find(line.CENIDL, line.POLYIDL);
        sides.right = find(line.CENIDR, line.POLYIDR);
        const TypeERecord* left = sides.left >= 0 ? &gTypeERecords[static_cast<size_t>(sides.left)] : nullptr;
        const TypeERecord* right = sides.right >= 0 ? &gTypeERecords[static_cast<size_t>(sides.right)] : nullptr;
        const bool last = i == gTypeICount - 1;  // its codes stay in gLeftCodes and gRightCodes
        for (int level = 0; level < kCommercialRegionLevel; ++level) {
            // Sides of the same codes add nothing.
            if (!last && SameSides(sides, gTypeERecords, kEconomicLevels[level])) continue;
            CodeText& l = gLeftCodes.economic[static_cast<size_t>(level)];
            CodeText& r = gRightCodes.economic[static_cast<size_t>(level)];
            l = r = blanks[level];
            if (left) EconomicLevelCode(level, *left, l);
            if (right) EconomicLevelCode(level, *right, r);
            CountStandard(gBorderLineCountsE[static_cast<size_t>(level)], l, r, blanks[level]);
        }
        gLeftCodes.commercialRegion = left ? left->COMREGEC : 0;
        gRightCodes.commercialRegion = right ? right->COMREGEC : 0;
        if (gLeftCodes.commercialRegion != gRightCodes.commercialRegion) {
            ++gBorderLineCountsE[kCommercialRegionLevel];
            if (gLeftCodes.commercialRegion != 0 && gRightCodes.commercialRegion != 0)
                ++gBorderLineCountsE[kCommercialRegionLevel];
        }
        CountRows(gBorderLineTotalE, sides.left, sides.right);
    }
    EndStep();
}

void ResolveLandmarkSides() {
    Services().ShowStatus("Assembling Polygon Information");
    gLandmarkBorderLineCount = 0;
    const tigercore::SideLookup find(gType8Records, gType8Count, FindType8Record, true);
    for (int i = 0; i < gTypeICount; ++i) {
        Services().SetProgress(static_cast<int>(static_cast<long long>(i) * 100 / gTypeICount));
        TypeIRecord& line = gTypeIRecords[static_cast<size_t>(i)];
        line.leftLandmarkRow = find(line.CENIDL, line.POLYIDL);
        line.rightLandmarkRow = find(line.CENIDR, line.POLYIDR);
        CountRows(gLandmarkBorderLineCount, line.leftLandmarkRow, line.rightLandmarkRow);
    }
    EndStep();
}

}  // namespace vornak2
