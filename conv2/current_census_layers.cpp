// Current geography of the census hierarchy and of American Indian areas:
// county, tract, block group, block, AIANHH, ANRC and tribal subdivisions,
// from the type A sides.
#include "conv2/entity_names.h"
#include "conv2/job_state.h"
#include "conv2/polygon_layers.h"
#include "conv2/polygon_sides.h"
#include "conv2/stages.h"

#include <cstdio>
#include <cstring>

namespace vornak2 {

namespace {

using shapeio::BorderLineEntry;
using shapeio::DbfFieldDef;
using shapeio::DbfRecord;

const TypeARecord& RowA(const void* row) { return *static_cast<const TypeARecord*>(row); }

// A layer whose code is one level text, held whole at the start of the entry.
template <int Level>
void LevelCode(const void* row, SideCode& out) {
    CodeText text;
    if (row) CurrentLevelCode(Level, RowA(row), text);
    else CurrentLevelBlank(Level, text);
    std::memcpy(out.key, text.text, sizeof out.key);
    std::memcpy(out.entry, text.text, sizeof out.key);
}

// The county code ("%2s%3s") of a side, for the COUNTY field of layers keyed by other codes.
void PutCountyCode(const TypeARecord& row, char* out) {
    CodeText county;
    CurrentLevelCode(kCountyCurrentLevel, row, county);
    PutCodeText(out, county.text, 5);
}

// ------------------------------------------------------------------ county

// ------------------------------------------------------------------- tract

// ------------------------------------------------------------- block group

// ------------------------------------------------------------------- block

const DbfFieldDef kBlockCurrentFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSSTCO", 'C', 5, 0},   {"TRACT", 'C', 6, 0},  {"BLOCK", 'C', 4, 0},
    {"BLOCKSUFCU", 'C', 1, 0}, {"STFID", 'C', 16, 0}, {nullptr, 0, 0, 0},
};

void FillBlock(const BorderLineEntry& first, DbfRecord& record) {
    std::string code = EntryText(first, 0, 16);
    record.Add(code.substr(0, 5)).Add(code.substr(5, 6)).Add(code.substr(11, 4)).Add(code.substr(15, 1)).Add(code);
}

// ------------------------------------------------------------------ AIANHH
// Entry: county code at 0, AIANHHFP at 6, AIANHH at 12, AIHHTLI at 17.

void AianhhCode(const void* row, SideCode& out) {
    if (!row) {
        PutCodeText(out.key, "", 10);
        return;
    }
    const TypeARecord& a = RowA(row);
    std::snprintf(out.key, sizeof out.key, "%4s%5s%c", a.AIANHHCU, a.AIANHHFPCU, a.AIHHTLICU);
    PutCountyCode(a, out.entry);
    PutCodeText(out.entry + 6, a.AIANHHFPCU, 5);
    PutCodeText(out.entry + 12, a.AIANHHCU, 4);
    out.entry[17] = a.AIHHTLICU ? a.AIHHTLICU : ' ';
}

void FillAianhh(const BorderLineEntry& first, DbfRecord& record) {
    std::string aianhh = EntryText(first, 12, 4);
    std::string aianhhfp = EntryText(first, 6, 5);
    std::string name = EntityName(kAmericanIndianAreaEntity, aianhh, aianhhfp, gEditionYear);
    record.Add(EntryText(first, 0, 5)).Add(aianhh).Add(aianhhfp).Add(std::string(1, first.code[17])).Add(name);
    AddEntityCodes(record);
}

// -------------------------------------------------------------------- ANRC
// Entry: county code at 0, ANRC at 6.

void AnrcCode(const void* row, SideCode& out) {
    if (!row) {
        PutCodeText(out.key, "", 5);
        return;
    }
    const TypeARecord& a = RowA(row);
    PutCodeText(out.key, a.ANRCCU, 5);
    PutCountyCode(a, out.entry);
    PutCodeText(out.entry + 6, a.ANRCCU, 5);
}

void FillAnrc(const BorderLineEntry& first, DbfRecord& record) {
    std::string anrc = EntryText(first, 6, 5);
    std::string name = EntityName(kAnrcEntity, anrc, "", gEditionYear);
    record.Add(EntryText(first, 0, 5)).Add(anrc).Add(name);
    AddEntityCodes(record);
}

// -------------------------------------------------------------------- AITS
// Entry: county code at 0, AITS at 6, AITSCE at 12.

void AitsCode(const void* row, SideCode& out) {
    if (!row) {
        PutCodeText(out.key, "", 8);
        return;
    }
    const TypeARecord& a = RowA(row);
    std::snprintf(out.key, sizeof out.key, "%5s%3s", a.AITSCU, a.AITSCECU);
    PutCountyCode(a, out.entry);
    PutCodeText(out.entry + 6, a.AITSCU, 5);
    PutCodeText(out.entry + 12, a.AITSCECU, 3);
}

void FillAits(const BorderLineEntry& first, DbfRecord& record) {
    std::string aits = EntryText(first, 6, 5);
    std::string aitsce = EntryText(first, 12, 3);
    std::string name = EntityName(kTribalSubdivisionEntity, aits, aitsce, gEditionYear);
    record.Add(EntryText(first, 0, 5)).Add(aits).Add(aitsce).Add(name);
    AddEntityCodes(record);
}

const Conv2PolygonLayer kCountyCurrent = {
    {"County Current", "Gathering County 90 Boundary Lines", "There are no county current records\n",
     "the number of county border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting counties\n",
     "There are no county border lines\n", "ctycu", "county", kCountyFields, 139, "FIPSSTCO",
     shapeio::CompareLeadingText},
    SideSource::kTypeA, CountA<kCountyCurrentLevel>, LevelCode<kCountyCurrentLevel>, FillCountyOf<0>};

const Conv2PolygonLayer kTractCurrent = {
    {"Tract Current", "Building Tracts Current Polygons", "There are no Tract current records\n",
     "the number of tract border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting tracts\n",
     "There are no tract border lines\n", "trtcu", "tracts", kTractFields, 91, "STFID",
     shapeio::CompareLeadingText},
    SideSource::kTypeA, CountA<kTractCurrentLevel>, LevelCode<kTractCurrentLevel>, FillTractOf<0>};

const Conv2PolygonLayer kBlockGroupCurrent = {
    {"Group Current", "Gathering Block Group Current Boundary Lines", "There are no Group Current records\n",
     "the number of block group border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting block groups\n",
     "There are no block group border lines\n", "grpcu", "groups", kBlockGroupFields, 33, "STFID",
     shapeio::CompareLeadingText},
    SideSource::kTypeA, CountA<kBlockGroupCurrentLevel>, LevelCode<kBlockGroupCurrentLevel>, FillBlockGroupRecord};

const Conv2PolygonLayer kBlockCurrent = {
    {"Block Current", "Gathering Blocks Current Boundary Lines", "There are no Block Current records\n",
     "the number of block border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting blocks\n",
     "There are no block border lines\n", "blkcu", "blocks", kBlockCurrentFields, 41, "STFID",
     shapeio::CompareLeadingText},
    SideSource::kTypeA, CountA<kBlockCurrentLevel>, LevelCode<kBlockCurrentLevel>, FillBlock};

const Conv2PolygonLayer kAianhhCurrent = {
    {"AIANHH Current", "Gathering AIANHH Current Boundary Lines", "There are no AIANHH Current records\n",
     "the number of AIANHH border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting AIANHH polys\n",
     "There are no AIANHH border lines\n", "aianhhcu", "aianhh", kAianhhFields, 89, "AIANHH",
     CompareAianhhKey},
    SideSource::kTypeA, CountA<kAianhhCurrentLevel>, AianhhCode, FillAianhh};

const Conv2PolygonLayer kAnrcCurrent = {
    {"ANRC Current", "Building Anrc Current Polygons", "There are no ANRC current records\n",
     "the number of anrccu border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting anrcs\n",
     "There are no anrc border lines\n", "anrccu", "anrc", kAnrcFields, 84, "ANRC", shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kAnrcCurrentLevel>, AnrcCode, FillAnrc};

const Conv2PolygonLayer kAitsCurrent = {
    {"Aits Current", "Gathering Aits Current Boundary Lines", "There are no Aits Current records\n",
     "the number of Aits border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting Aits polys\n",
     "There are no Aits border lines\n", "aitscu", "aits", kAitsFields, 87, "AITS", CompareAitsKey},
    SideSource::kTypeA, CountA<kAitsCurrentLevel>, AitsCode, FillAits};

}  // namespace

void BuildCountyCurrentPolygons() { BuildPolygonLayer(kCountyCurrent); }
void BuildTractCurrentPolygons() { BuildPolygonLayer(kTractCurrent); }
void BuildBlockGroupCurrentPolygons() { BuildPolygonLayer(kBlockGroupCurrent); }
void BuildBlockCurrentPolygons() { BuildPolygonLayer(kBlockCurrent); }
void BuildAmericanIndianAreaCurrentPolygons() { BuildPolygonLayer(kAianhhCurrent); }
void BuildAnrcCurrentPolygons() { BuildPolygonLayer(kAnrcCurrent); }
void BuildAitsCurrentPolygons() { BuildPolygonLayer(kAitsCurrent); }

}  // namespace vornak2
