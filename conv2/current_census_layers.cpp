// Current geography of the census hierarchy and of American Indian areas:
// county, tract, block group, block, AIANHH, ANRC and tribal subdivisions,
// from the type A sides.
#include "conv2/entity_names.h"
#include "conv2/job_state.h"
#include "conv2/layer_catalogue.h"
#include "conv2/polygon_layers.h"
#include "conv2/polygon_sides.h"
#include "conv2/stages.h"
#include "tigercore/shared_layer_fields.h"
#include "tigercore/sort_keys.h"

#include <cstdio>
#include <cstring>

namespace vornak2 {

namespace {

using polygons::BorderLineEntry;
using polygons::CompareLeadingText;
using polygons::CompareTextAt6;
using polygons::PolygonLayerDescriptor;
using shapeio::DbfFieldDef;
using shapeio::DbfRecord;
using tigercore::kBlockGroupFields;

const TypeARecord& RowA(const void* row) { return *static_cast<const TypeARecord*>(row); }

// A layer whose code is one level text, held whole at the start of the entry.
template <int Level>
void LevelCode(const SideOf& side, SideCode& out) {
    const void* row = side.row;
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

void AianhhCode(const SideOf& side, SideCode& out) {
    const void* row = side.row;
    if (!row) {
        PutCodeText(out.key, "", 10);
        return;
    }
    const TypeARecord& a = RowA(row);
    tigercore::JoinedKey<64>().Right(a.AIANHHCU, 4).Right(a.AIANHHFPCU, 5).Char(a.AIHHTLICU).CopyTo(out.key, sizeof out.key);
    PutCountyCode(a, out.entry);
    PutCodeText(out.entry + 6, a.AIANHHFPCU, 5);
    PutCodeText(out.entry + 12, a.AIANHHCU, 4);
    out.entry[17] = a.AIHHTLICU ? a.AIHHTLICU : ' ';
}

// -------------------------------------------------------------------- ANRC
// Entry: county code at 0, ANRC at 6.

void AnrcCode(const SideOf& side, SideCode& out) {
    const void* row = side.row;
    if (!row) {
        PutCodeText(out.key, "", 5);
        return;
    }
    const TypeARecord& a = RowA(row);
    PutCodeText(out.key, a.ANRCCU, 5);
    PutCountyCode(a, out.entry);
    PutCodeText(out.entry + 6, a.ANRCCU, 5);
}

// -------------------------------------------------------------------- AITS
// Entry: county code at 0, AITS at 6, AITSCE at 12.

void AitsCode(const SideOf& side, SideCode& out) {
    const void* row = side.row;
    if (!row) {
        PutCodeText(out.key, "", 8);
        return;
    }
    const TypeARecord& a = RowA(row);
    tigercore::JoinedKey<64>().Right(a.AITSCU, 5).Right(a.AITSCECU, 3).CopyTo(out.key, sizeof out.key);
    PutCountyCode(a, out.entry);
    PutCodeText(out.entry + 6, a.AITSCU, 5);
    PutCodeText(out.entry + 12, a.AITSCECU, 3);
}

const SideLayer kCountyCurrent = {
    PolygonLayerDescriptor()
        .Title("County Current")
        .StatusText("Gathering County 90 Boundary Lines")
        .NoRecordsText("There are no county current records\n")
        .OverflowText("the number of county border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting counties\n")
        .NoEntriesText("There are no county border lines\n")
        .Abbreviation("ctycu")
        .ThemeFolder("county")
        .Fields(kCountyFields, "FIPSSTCO")
        .Order(CompareLeadingText),
    SideTable::kTypeA, CountA<kCountyCurrentLevel>, LevelCode<kCountyCurrentLevel>, FillCountyOf<0>};

const SideLayer kTractCurrent = {
    PolygonLayerDescriptor()
        .Title("Tract Current")
        .StatusText("Building Tracts Current Polygons", StatusMoment::kBeforeSorting)
        .NoRecordsText("There are no Tract current records\n")
        .OverflowText("the number of tract border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting tracts\n")
        .NoEntriesText("There are no tract border lines\n")
        .Abbreviation("trtcu")
        .ThemeFolder("tracts")
        .Fields(kTractFields, "STFID")
        .Order(CompareLeadingText),
    SideTable::kTypeA, CountA<kTractCurrentLevel>, LevelCode<kTractCurrentLevel>, FillTractOf<0>};

const SideLayer kBlockGroupCurrent = {
    PolygonLayerDescriptor()
        .Title("Group Current")
        .StatusText("Gathering Block Group Current Boundary Lines", StatusMoment::kBeforeSorting)
        .NoRecordsText("There are no Group Current records\n")
        .OverflowText("the number of block group border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting block groups\n")
        .NoEntriesText("There are no block group border lines\n")
        .Abbreviation("grpcu")
        .ThemeFolder("groups")
        .Fields(kBlockGroupFields, "STFID")
        .Order(CompareLeadingText),
    SideTable::kTypeA, CountA<kBlockGroupCurrentLevel>, LevelCode<kBlockGroupCurrentLevel>, FillBlockGroupRecord};

const SideLayer kBlockCurrent = {
    PolygonLayerDescriptor()
        .Title("Block Current")
        .StatusText("Gathering Blocks Current Boundary Lines", StatusMoment::kBeforeSorting)
        .NoRecordsText("There are no Block Current records\n")
        .OverflowText("the number of block border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting blocks\n")
        .NoEntriesText("There are no block border lines\n")
        .Abbreviation("blkcu")
        .ThemeFolder("blocks")
        .Fields(kBlockCurrentFields, "STFID")
        .Order(CompareLeadingText),
    SideTable::kTypeA, CountA<kBlockCurrentLevel>, LevelCode<kBlockCurrentLevel>, FillBlock};

const SideLayer kAianhhCurrent = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("AIANHH Current", TitleMoment::kAfterScratchFiles)
        .StatusText("Gathering AIANHH Current Boundary Lines", StatusMoment::kBeforeSorting)
        .ProgressToZeroBeforeSorting()
        .NoRecordsText("There are no AIANHH Current records\n")
        .OverflowText("the number of AIANHH border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting AIANHH polys\n")
        .NoEntriesText("There are no AIANHH border lines\n")
        .Abbreviation("aianhhcu")
        .ThemeFolder("aianhh")
        .Fields(kAianhhFields, "AIANHH")
        .Order(CompareAianhhKey),
    SideTable::kTypeA, CountA<kAianhhCurrentLevel>, AianhhCode, FillAianhhOf<0>};

const SideLayer kAnrcCurrent = {
    PolygonLayerDescriptor()
        .Title("ANRC Current")
        .StatusText("Building Anrc Current Polygons", StatusMoment::kBeforeSorting)
        .NoRecordsText("There are no ANRC current records\n")
        .OverflowText("the number of anrccu border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting anrcs\n")
        .NoEntriesText("There are no anrc border lines\n")
        .Abbreviation("anrccu")
        .ThemeFolder("anrc")
        .Fields(kAnrcFields, "ANRC")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kAnrcCurrentLevel>, AnrcCode, FillAnrcOf<0>};

const SideLayer kAitsCurrent = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Aits Current", TitleMoment::kAfterScratchFiles)
        .StatusText("Gathering Aits Current Boundary Lines", StatusMoment::kBeforeSorting)
        .NoRecordsText("There are no Aits Current records\n")
        .OverflowText("the number of Aits border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting Aits polys\n")
        .NoEntriesText("There are no Aits border lines\n")
        .Abbreviation("aitscu")
        .ThemeFolder("aits")
        .Fields(kAitsFields, "AITS")
        .Order(CompareAitsKey),
    SideTable::kTypeA, CountA<kAitsCurrentLevel>, AitsCode, FillAitsOf<0>};

}  // namespace

void BuildCountyCurrentPolygons() { BuildPolygonLayer(kCountyCurrent); }
void BuildTractCurrentPolygons() { BuildPolygonLayer(kTractCurrent); }
void BuildBlockGroupCurrentPolygons() { BuildPolygonLayer(kBlockGroupCurrent); }
void BuildBlockCurrentPolygons() { BuildPolygonLayer(kBlockCurrent); }
void BuildAmericanIndianAreaCurrentPolygons() { BuildPolygonLayer(kAianhhCurrent); }
void BuildAnrcCurrentPolygons() { BuildPolygonLayer(kAnrcCurrent); }
void BuildAitsCurrentPolygons() { BuildPolygonLayer(kAitsCurrent); }

void AddCurrentCensusLayers(std::vector<SideLayer>& layers) {
    for (const SideLayer* layer : {&kCountyCurrent, &kTractCurrent, &kBlockGroupCurrent, &kBlockCurrent,
                                   &kAianhhCurrent, &kAnrcCurrent, &kAitsCurrent})
        layers.push_back(*layer);
}

}  // namespace vornak2
