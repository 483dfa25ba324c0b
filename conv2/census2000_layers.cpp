// Census 2000 geography of the census hierarchy, American Indian areas and
// places: county, tract, block group, block, AIANHH, ANRC, tribal
// subdivisions, consolidated cities, county subdivisions, subbarrios and
// places, from the type S sides.
#include "conv2/census2000_codes.h"
#include "conv2/entity_names.h"
#include "conv2/job_state.h"
#include "conv2/layer_catalogue.h"
#include "conv2/polygon_layers.h"
#include "conv2/polygon_sides.h"
#include "conv2/stages.h"
#include "tigercore/shared_layer_fields.h"

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
using tigercore::kBlockFields;
using tigercore::kBlockGroupFields;

constexpr int kCensusYear = 2000;

// ------------------------------------------------------------------- block

void FillBlock(const BorderLineEntry& first, DbfRecord& record) {
    std::string code = EntryText(first, 0, 15);
    record.Add(code.substr(0, 5)).Add(code.substr(5, 6)).Add(code.substr(11, 4)).Add(code);
}

// ------------------------------------------------------------------ AIANHH
// Entry: county code at 0, AIANHHFP at 6, AIANHH at 12, AIHHTLI at 17. The
// key compares "%5s%4s%c" of AIANHHFP, AIANHH and AIHHTLI; the entries are
// sorted by AIANHH first.

void AianhhCode(const SideOf& side, SideCode& out) {
    const void* row = side.row;
    CodeText text;
    if (!row) {
        Census2000LevelBlank(kAianhh2000Level, text);
        std::memcpy(out.key, text.text, sizeof out.key);
        return;
    }
    const TypeSRecord& s = RowS(row);
    Census2000LevelCode(kAianhh2000Level, s, text);
    std::memcpy(out.key, text.text, sizeof out.key);
    PutCounty2000(s, out.entry);
    PutCodeText(out.entry + 6, s.AIANHHFP00, 5);
    PutCodeText(out.entry + 12, s.AIANHH00, 4);
    out.entry[17] = s.AIHHTLI00 ? s.AIHHTLI00 : ' ';
}

// -------------------------------------------------------------------- AITS
// Entry: county code at 0, AITS at 6, AITSCE at 12; the key is "%5s%3s" of
// AITS and AITSCE.

void AitsCode(const SideOf& side, SideCode& out) {
    const void* row = side.row;
    CountyKeyedCode2000<kAits2000Level>(side, out);
    if (!row) return;
    const TypeSRecord& s = RowS(row);
    PutCodeText(out.entry + 6, s.AITS00, 5);
    PutCodeText(out.entry + 12, s.AITSCE00, 3);
}

// ------------------------------------------ places and county subdivisions
// One shape for the four layers: the county code, the 5-character code, and
// the names of the entity the layer's lookup finds.

template <int Kind>
void FillPlaceLike(const BorderLineEntry& first, DbfRecord& record) {
    std::string code = EntryText(first, 6, 5);
    std::string name = EntityName(Kind, code, "", kCensusYear);
    record.Add(EntryText(first, 0, 5)).Add(code).Add(name);
    record.Add(FoundLsadc()).Add(FoundEntity()).Add(FoundFipscc()).Add(FoundPlacedc());
}

// ------------------------------------------------------------------ layers

const SideLayer kCounty2000 = {
    PolygonLayerDescriptor()
        .Title("County 2000")
        .StatusText("Gathering County 2000 Boundary Lines")
        .NoRecordsText("There are no County 2000 records\n")
        .OverflowText("the number of county border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping optionbefore extracting counties\n")
        .NoEntriesText("There are no county border lines\n")
        .Abbreviation("cty00")
        .ThemeFolder("county")
        .Fields(kCountyFields, "FIPSSTCO")
        .Order(CompareLeadingText),
    SideTable::kTypeS, CountS<kCounty2000Level>, HierarchyCode2000<kCounty2000Level, 0, 5>, FillCountyOf<2000>};

const SideLayer kTract2000 = {
    PolygonLayerDescriptor()
        .Title("Tract 2000")
        .StatusText("Gathering Tract Boundary Lines", StatusMoment::kAfterGathering)
        .NoRecordsText("There are no Tract 2000 records\n")
        .OverflowText("the number of tracts 2000 border lines exceeds the count")
        .NoEntriesClipText("There are no Census Tracts 2000 in this file\n")
        .NoEntriesText("There are no Census Tracts 2000 in this file\n")
        .Abbreviation("trt00")
        .ThemeFolder("tracts")
        .Fields(kTractFields, "STFID")
        .Order(CompareLeadingText),
    SideTable::kTypeS, CountS<kTract2000Level>, HierarchyCode2000<kTract2000Level, 5, 6>, FillTractOf<2000>};

const SideLayer kBlockGroup2000 = {
    PolygonLayerDescriptor()
        .Title("Group 2000")
        .StatusText("Gathering Block Group 2000 Boundary Lines", StatusMoment::kBeforeSorting)
        .NoRecordsText("There are no Group 2000 records\n")
        .OverflowText("the number of block groups 2000 border lines exceeds the count")
        .NoEntriesClipText("There are no Census Block Groups 2000 for this file\n"
     "Try turning off water clipping before extracting block groups 2000\n")
        .NoEntriesText("There are no Census Block Groups 2000 for this file\n")
        .Abbreviation("grp00")
        .ThemeFolder("groups")
        .Fields(kBlockGroupFields, "STFID")
        .Order(CompareLeadingText),
    SideTable::kTypeS, CountS<kBlockGroup2000Level>, HierarchyCode2000<kBlockGroup2000Level, 11, 1>,
    FillBlockGroupRecord};

const SideLayer kBlock2000 = {
    PolygonLayerDescriptor()
        .Title("Block 2000")
        .StatusText("Gathering Block 2000 Boundary Lines", StatusMoment::kBeforeSorting)
        .NoRecordsText("There are no Block 2000 records\n")
        .OverflowText("the number of blocks 2000 border lines exceeds the count")
        .NoEntriesClipText("There are no Census Blocks 2000 for this file\n")
        .NoEntriesText("There are no Census Blocks 2000 for this file\n")
        .Abbreviation("blk00")
        .ThemeFolder("blocks")
        .Fields(kBlockFields, "STFID")
        .Order(CompareLeadingText),
    SideTable::kTypeS, CountS<kBlock2000Level>, HierarchyCode2000<kBlock2000Level, 11, 4>, FillBlock};

const SideLayer kAianhh2000 = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("AIANHH 2000", TitleMoment::kAfterScratchFiles)
        .StatusText("Gathering AIANHH 2000 Boundary Lines")
        .NoRecordsText("There are no AIANHH 2000 records\n")
        .OverflowText("the number of AIANHH 2000 border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting AIANHH 2000 polys\n")
        .NoEntriesText("There are no AIANHH 2000 border lines\n")
        .Abbreviation("aianhh00")
        .ThemeFolder("aianhh")
        .Fields(kAianhhFields, "AIANHH")
        .Order(CompareAianhhKey),
    SideTable::kTypeS, CountS<kAianhh2000Level>, AianhhCode, FillAianhhOf<kCensusYear>};

const SideLayer kAnrc2000 = {
    PolygonLayerDescriptor()
        .Title("ANRC 2000")
        .StatusText("Building Anrc 2000 Polygons")
        .NoRecordsText("There are no ANRC 2000 records\n")
        .OverflowText("the number of ANRC 2000 border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting anrcs\n")
        .NoEntriesText("There are no anrc 2000 border lines\n")
        .Abbreviation("anrc00")
        .ThemeFolder("anrc")
        .Fields(kAnrcFields, "ANRC")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kAnrc2000Level>, CountyKeyedCode2000<kAnrc2000Level>, FillAnrcOf<kCensusYear>,
    "the number of anrc 2000 border lines exceeds the count"};

const SideLayer kAits2000 = {
    PolygonLayerDescriptor()
        .Title("AITS 2000")
        .StatusText("Gathering Aits 2000 Boundary Lines")
        .NoRecordsText("There are no Aits 2000 records\n")
        .OverflowText("the number of Aits 2000 border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting Aits polys\n")
        .NoEntriesText("There are no Aits 2000 border lines\n")
        .Abbreviation("aits00")
        .ThemeFolder("aits")
        .Fields(kAitsFields, "AITS")
        .Order(CompareAitsKey),
    SideTable::kTypeS, CountS<kAits2000Level>, AitsCode, FillAitsOf<kCensusYear>};

const SideLayer kConsolidatedCity2000 = {
    PolygonLayerDescriptor()
        .Title("Consolidated City 2000")
        .StatusText("Gathering Consolidated City 2000 Boundary Lines")
        .NoRecordsText("There are no Concity 2000 records\n")
        .OverflowText("the number of Conolidated City 2000 border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting Concity 2000\n")
        .NoEntriesText("There are no Consolidated City 2000 border lines\n")
        .Abbreviation("concit00")
        .ThemeFolder("concit")
        .Fields(kConsolidatedCityFields, "NAME")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kConsolidatedCity2000Level>, CountyKeyedCode2000<kConsolidatedCity2000Level>,
    FillPlaceLike<kConsolidatedCityEntity>};

const SideLayer kCountySubdivision2000 = {
    PolygonLayerDescriptor()
        .Title("County Subdivisions 2000")
        .StatusText("Gathering County Subdivision Boundary Lines")
        .NoRecordsText("There are no Cousub 2000 records\n")
        .OverflowText("the number of County Subdivisions 2000 border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting Cousub 2000\n")
        .NoEntriesText("There are no County Subdivision 2000 border lines\n")
        .Abbreviation("cousub00")
        .ThemeFolder("cousub")
        .Fields(kCountySubdivisionFields, "NAME")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kCountySubdivision2000Level>, CountyKeyedCode2000<kCountySubdivision2000Level>,
    FillPlaceLike<kCountySubdivisionEntity>};

const SideLayer kSubbarrio2000 = {
    PolygonLayerDescriptor()
        .Title("Subbarrios 2000")
        .StatusText("Gathering Subbarrio Boundary Lines")
        .NoRecordsText("There are no Subbarrio 2000 records\n")
        .OverflowText("the number of Submcd 2000 border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting Submcd 2000\n")
        .NoEntriesText("There are no Subbarrio 2000 border lines\n")
        .Abbreviation("submcd00")
        .ThemeFolder("submcd")
        .Fields(kSubbarrioFields, "SUBMCD")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kSubbarrio2000Level>, CountyKeyedCode2000<kSubbarrio2000Level>,
    FillPlaceLike<kSubbarrioEntity>};

const SideLayer kPlace2000 = {
    PolygonLayerDescriptor()
        .Title("Places 2000")
        .StatusText("Gathering Place Boundary Lines")
        .NoRecordsText("There are no Place00 records\n")
        .OverflowText("the number of Place 2000 border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting Places 2000\n")
        .NoEntriesText("There are no Places 2000 border lines\n")
        .Abbreviation("place00")
        .ThemeFolder("place")
        .Fields(kPlaceFields, "PLACE")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kPlace2000Level>, CountyKeyedCode2000<kPlace2000Level>, FillPlaceLike<kPlaceEntity>};

}  // namespace

void BuildCounty2000Polygons() { BuildPolygonLayer(kCounty2000); }
void BuildTract2000Polygons() { BuildPolygonLayer(kTract2000); }
void BuildBlockGroup2000Polygons() { BuildPolygonLayer(kBlockGroup2000); }
void BuildBlock2000Polygons() { BuildPolygonLayer(kBlock2000); }
void BuildAmericanIndianArea2000Polygons() { BuildPolygonLayer(kAianhh2000); }
void BuildAnrc2000Polygons() { BuildPolygonLayer(kAnrc2000); }
void BuildAits2000Polygons() { BuildPolygonLayer(kAits2000); }
void BuildConsolidatedCity2000Polygons() { BuildPolygonLayer(kConsolidatedCity2000); }
void BuildCountySubdivision2000Polygons() { BuildPolygonLayer(kCountySubdivision2000); }
void BuildSubbarrio2000Polygons() { BuildPolygonLayer(kSubbarrio2000); }
void BuildPlace2000Polygons() { BuildPolygonLayer(kPlace2000); }

void AddCensus2000Layers(std::vector<SideLayer>& layers) {
    for (const SideLayer* layer : {&kCounty2000, &kTract2000, &kBlockGroup2000, &kBlock2000, &kAianhh2000, &kAnrc2000,
                                   &kAits2000, &kConsolidatedCity2000, &kCountySubdivision2000, &kSubbarrio2000,
                                   &kPlace2000})
        layers.push_back(*layer);
}

}  // namespace vornak2
