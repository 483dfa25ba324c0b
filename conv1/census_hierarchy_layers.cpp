// The census hierarchy of a county, each level in its 1990 form (from the
// type A rows; the county part of releases 94 and 95 from the line's type 3
// row) and its current or Census 2000 form (from the type S rows): county,
// tract, block group and block. Every entry holds the level's whole code at
// its start, so the entries sort and group by it.
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/polygon_layers.h"
#include "conv1/stages.h"
#include "tigercore/shared_layer_fields.h"

#include <cstring>
#include <string>

namespace vornak {

using polygons::CompareLeadingText;
using polygons::PolygonLayerDescriptor;
using tigercore::kBlockFields;
using tigercore::kBlockGroupFields;

namespace {

using Descriptor = PolygonLayerDescriptor;

constexpr int kYear1990 = 1990;
constexpr int kYear2000 = 2000;

// ------------------------------------------------------------ field tables

const DbfFieldDef kCountyFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSSTCO", 'C', 5, 0}, {"STATE", 'C', 66, 0}, {"COUNTY", 'C', 66, 0}, {nullptr, 0, 0, 0},
};
const DbfFieldDef kTractFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSSTCO", 'C', 5, 0}, {"TRACT", 'C', 6, 0}, {"STFID", 'C', 11, 0}, {nullptr, 0, 0, 0},
};
const DbfFieldDef kTract2000Fields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSSTCO", 'C', 5, 0}, {"TRT2000", 'C', 6, 0},
    {"STFID", 'C', 11, 0},  {"TRACTID", 'C', 10, 0}, {nullptr, 0, 0, 0},
};
const DbfFieldDef kBlock2000Fields[] = {
    {"GIST_ID", 'N', 8, 0},  {"FIPSSTCO", 'C', 5, 0}, {"TRACT2000", 'C', 6, 0},
    {"BLOCK2000", 'C', 4, 0}, {"STFID", 'C', 15, 0},  {nullptr, 0, 0, 0},
};

// -------------------------------------------------------------- side codes

void PutLevelText(const CodeText& text, SideCode& out) {
    std::memcpy(out.key, text.text, sizeof out.key);
    std::memcpy(out.entry, text.text, sizeof text.text);
}

LineSide SideOfLine(const SideOf& side) { return side.left ? LineSide::kLeft : LineSide::kRight; }

// A type A level's text of the side's row; a side without a row is blank.
template <int Level>
void TypeACode(const SideOf& side, SideCode& out) {
    CodeText text;
    if (side.row) TypeALevelCode(Level, RowA(side), side.line, SideOfLine(side), text);
    else TypeALevelBlank(Level, text);
    PutLevelText(text, out);
}

// The 1990 county before release 97: the side's state and county of the
// line's type 3 row. The side must have a type A row, but the level takes
// nothing from it, so it is not read.
void County1990FromLineCode(const SideOf& side, SideCode& out) {
    static const TypeARecord kUnreadRow{};
    CodeText text;
    if (side.held) TypeALevelCode(kCounty1990Level, kUnreadRow, side.line, SideOfLine(side), text);
    else TypeALevelBlank(kCounty1990Level, text);
    PutLevelText(text, out);
}

// A type S level's text of the side's row. A composite level (the county
// and tract before a tract, block group or block) codes a side only when
// its own last part is not blank; the whole text still decides the border.
template <int Level>
void TypeSCode(const SideOf& side, SideCode& out) {
    CodeText text;
    if (side.row) TypeSLevelCode(Level, RowS(side), text);
    else TypeSLevelBlank(Level, text);
    PutLevelText(text, out);
    out.noCode = side.row && !TypeSLevelCarriesCode(Level, text);
}

// ------------------------------------------------------------------ records
// Code characters: county 0-4, tract 5-10, block group 11, block 11-14.

template <int Year>
void FillCounty(const BorderLineEntry& first, DbfRecord& record) {
    const std::string code = EntryText(first, 0, 5);
    record.Add(code).Add(NameFrom100(kStateEntity, "", code, Year)).Add(NameFrom100(kCountyEntity, "", code, Year));
}

void FillTract(const BorderLineEntry& first, DbfRecord& record) {
    record.Add(EntryText(first, 0, 5)).Add(EntryText(first, 5, 6)).Add(EntryText(first, 0, 11));
}

// TRACTID: the tract's name of the 2000 data year, at most 10 characters.
void FillTract2000(const BorderLineEntry& first, DbfRecord& record) {
    const std::string tract = EntryText(first, 5, 6);
    FillTract(first, record);
    record.Add(NameByYear(kTractEntity, tract, "", kYear2000).substr(0, 10));
}

void FillBlockGroup(const BorderLineEntry& first, DbfRecord& record) {
    record.Add(EntryText(first, 0, 5)).Add(EntryText(first, 5, 6)).Add(EntryText(first, 11, 1));
    record.Add(EntryText(first, 0, 12));
}

void FillBlock(const BorderLineEntry& first, DbfRecord& record) {
    record.Add(EntryText(first, 0, 5)).Add(EntryText(first, 5, 6)).Add(EntryText(first, 11, 4));
    record.Add(EntryText(first, 0, 15));
}

// ------------------------------------------------------------------ layers

const Descriptor kCounty1990Descriptor =
    Descriptor()
        .Title("County 90")
        .SecondTitle("County 1990")
        .StatusText("Gathering County 90 Boundary Lines")
        .NoRecordsText("There are no county 90 records\n")
        .OverflowText("the number of county border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting counties\n")
        .NoEntriesText("There are no county border lines\n")
        .Abbreviation("cty")
        .ThemeFolder("county90")
        .Fields(kCountyFields, "FIPSSTCO")
        .Order(CompareLeadingText);

const SideLayer kCounty1990 = {kCounty1990Descriptor, SideTable::kTypeA, CountA<kCounty1990Level>,
                               TypeACode<kCounty1990Level>, FillCounty<kYear1990>};

SideLayer County1990FromLines() {
    SideLayer layer = {kCounty1990Descriptor, SideTable::kTypeA, CountA<kCounty1990Level>, County1990FromLineCode,
                       FillCounty<kYear1990>};
    layer.codeFromLineOnly = true;
    return layer;
}
const SideLayer kCounty1990BeforeRelease97 = County1990FromLines();

// The county of the current geography (up to release 98) or of Census 2000.
Descriptor CountyCurrentDescriptor(const char* title, const char* noRecords, const char* status,
                                   const char* abbreviation, const char* folder) {
    return Descriptor()
        .Title(title)
        .SecondTitle(title)
        .StatusText(status)
        .NoRecordsText(noRecords)
        .OverflowText("the number of county border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping optionbefore extracting counties\n")
        .NoEntriesText("There are no county border lines\n")
        .Abbreviation(abbreviation)
        .ThemeFolder(folder)
        .Fields(kCountyFields, "FIPSSTCO")
        .Order(CompareLeadingText);
}

const SideLayer kCountyCurrent = {
    CountyCurrentDescriptor("County Current", "There are no County current records\n",
                            "Gathering County Current Boundary Lines", "ctycu", "countycu"),
    SideTable::kTypeS, CountS<kCountyCurrentLevel>, TypeSCode<kCountyCurrentLevel>, FillCounty<kYear2000>};

const SideLayer kCounty2000 = {
    CountyCurrentDescriptor("County 2000", "There are no County 2000 records\n", "Gathering County 2000 Boundary Lines",
                            "cty00", "county00"),
    SideTable::kTypeS, CountS<kCountyCurrentLevel>, TypeSCode<kCountyCurrentLevel>, FillCounty<kYear2000>};

const SideLayer kTract1990 = {
    Descriptor()
        .Title("Tract 90")
        .SecondTitle("Tracts 1990", TitleMoment::kAfterAllocation)
        .StatusText("Building Tracts 1990 Polygons", StatusMoment::kBeforeSorting)
        .NoRecordsText("There are no Tract 90 records\n")
        .OverflowText("the number of tract border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting tracts\n")
        .NoEntriesText("There are no tract border lines\n")
        .Abbreviation("trt")
        .ThemeFolder("tracts90")
        .Fields(kTractFields, "STFID")
        .Order(CompareLeadingText),
    SideTable::kTypeA, CountA<kTract1990Level>, TypeACode<kTract1990Level>, FillTract};

const SideLayer kTract2000 = {
    Descriptor()
        .Title("Tract 2000")
        .SecondTitle("Tracts 2000", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Tract Boundary Lines", StatusMoment::kAfterGathering)
        .NoRecordsText("There are no Tract 2000 records\n")
        .OverflowText("the number of tracts 2000 border lines exceeds the count")
        .NoEntriesClipText("There are no Census Tracts 2000 in this file\n")
        .NoEntriesText("There are no Census Tracts 2000 in this file\n")
        .Abbreviation("trt00")
        .ThemeFolder("tracts00")
        .Fields(kTract2000Fields, "STFID")
        .Order(CompareLeadingText),
    SideTable::kTypeS, CountS<kTract2000Level>, TypeSCode<kTract2000Level>, FillTract2000};

const SideLayer kBlockGroup1990 = {
    Descriptor()
        .Title("Group 90")
        .SecondTitle("Block Groups 1990", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Block Group 1990 Boundary Lines", StatusMoment::kBeforeSorting)
        .NoRecordsText("There are no Group 90 records\n")
        .OverflowText("the number of block group border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting block groups\n")
        .NoEntriesText("There are no block group border lines\n")
        .Abbreviation("grp")
        .ThemeFolder("blkgrps90")
        .Fields(kBlockGroupFields, "STFID")
        .Order(CompareLeadingText),
    SideTable::kTypeA, CountA<kBlockGroup1990Level>, TypeACode<kBlockGroup1990Level>, FillBlockGroup};

const SideLayer kBlockGroup2000 = {
    Descriptor()
        .Title("Group 2000")
        .SecondTitle("Block Groups 2000", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Block Group 2000 Boundary Lines", StatusMoment::kBeforeSorting)
        .NoRecordsText("There are no Group 2000 records\n")
        .OverflowText("the number of block groups 2000 border lines exceeds the count")
        .NoEntriesClipText("There are no Census Block Groups 2000 for this file\n"
                           "Try turning off water clipping before extracting block groups 2000\n")
        .NoEntriesText("There are no Census Block Groups 2000 for this file\n")
        .Abbreviation("grp00")
        .ThemeFolder("blkgrps00")
        .Fields(kBlockGroupFields, "FIPSSTCO")
        .Order(CompareLeadingText),
    SideTable::kTypeS, CountS<kBlockGroup2000Level>, TypeSCode<kBlockGroup2000Level>, FillBlockGroup};

const SideLayer kBlock1990 = {
    Descriptor()
        .Title("Block 90")
        .SecondTitle("Blocks 1990", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Blocks 1990 Boundary Lines", StatusMoment::kBeforeSorting)
        .NoRecordsText("There are no Block 90 records\n")
        .OverflowText("the number of block border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting blocks\n")
        .NoEntriesText("There are no block border lines\n")
        .Abbreviation("blk")
        .ThemeFolder("blocks90")
        .Fields(kBlockFields, "FIPSSTCO")
        .Order(CompareLeadingText),
    SideTable::kTypeA, CountA<kBlock1990Level>, TypeACode<kBlock1990Level>, FillBlock};

const SideLayer kBlock2000 = {
    Descriptor()
        .Title("Block 2000")
        .SecondTitle("Blocks 2000", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Block 2000 Boundary Lines", StatusMoment::kBeforeSorting)
        .NoRecordsText("There are no Block 2000 records\n")
        .OverflowText("the number of blocks 2000 border lines exceeds the count")
        .NoEntriesClipText("There are no Census Blocks 2000 for this file\n")
        .NoEntriesText("There are no Census Blocks 2000 for this file\n")
        .Abbreviation("blk00")
        .ThemeFolder("blocks00")
        .Fields(kBlock2000Fields, "FIPSSTCO")
        .Order(CompareLeadingText),
    SideTable::kTypeS, CountS<kBlock2000Level>, TypeSCode<kBlock2000Level>, FillBlock};

// The county layers of the county's release.
const SideLayer& County1990() { return gEditionCode >= 97 ? kCounty1990 : kCounty1990BeforeRelease97; }
const SideLayer& CountyCurrent() { return gEditionCode >= 99 ? kCounty2000 : kCountyCurrent; }

}  // namespace

void AddCensusHierarchyLayers(std::vector<SideLayer>& layers) {
    for (const SideLayer* layer : {&County1990(), &CountyCurrent(), &kTract1990, &kTract2000, &kBlockGroup1990,
                                   &kBlockGroup2000, &kBlock1990, &kBlock2000})
        layers.push_back(*layer);
}

void BuildCounty1990Polygons() { BuildPolygonLayer(County1990()); }
void BuildCountyCurrentPolygons() { BuildPolygonLayer(CountyCurrent()); }
void BuildTract1990Polygons() { BuildPolygonLayer(kTract1990); }
void BuildTract2000Polygons() { BuildPolygonLayer(kTract2000); }
void BuildBlockGroup1990Polygons() { BuildPolygonLayer(kBlockGroup1990); }
void BuildBlockGroup2000Polygons() { BuildPolygonLayer(kBlockGroup2000); }
void BuildBlock1990Polygons() { BuildPolygonLayer(kBlock1990); }
void BuildBlock2000Polygons() { BuildPolygonLayer(kBlock2000); }

}  // namespace vornak
