// Economic census geography from the type E sides: economic census counties
// and places, and commercial regions.
#include "conv2/entity_names.h"
#include "conv2/job_state.h"
#include "conv2/layer_catalogue.h"
#include "conv2/polygon_layers.h"
#include "conv2/polygon_sides.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"

#include <cstdio>
#include <cstring>

namespace vornak2 {

namespace {

using polygons::BorderLineEntry;
using polygons::CompareIntAt8Descending;
using polygons::CompareLeadingText;
using polygons::CompareTextAt6;
using polygons::PolygonLayerDescriptor;
using shapeio::DbfFieldDef;
using shapeio::DbfRecord;

const TypeERecord& RowE(const void* row) { return *static_cast<const TypeERecord*>(row); }

// The side's economic census county ("%2s%3s") at the start of the entry.
void PutEconomicCounty(const TypeERecord& row, char* out) {
    CodeText county;
    EconomicLevelCode(kCountyEconomicLevel, row, county);
    PutCodeText(out, county.text, 5);
}

// The type C row the last name lookup found, or null.
const TypeCRecord* FoundEntity() { return gEntityRow < 0 ? nullptr : &gTypeCRecords[static_cast<size_t>(gEntityRow)]; }
// A one-character field of that row; a blank when there is none.
std::string EntityChar(const TypeCRecord* row, char TypeCRecord::*field) {
    char c = row ? row->*field : ' ';
    return std::string(1, c ? c : ' ');
}

// --------------------------------------------------- economic census county
// Entry: the county code at 0.

void CountyCode(const SideOf& side, SideCode& out) {
    const void* row = side.row;
    CodeText text;
    if (row) EconomicLevelCode(kCountyEconomicLevel, RowE(row), text);
    else EconomicLevelBlank(kCountyEconomicLevel, text);
    std::memcpy(out.key, text.text, sizeof text.text);
    std::memcpy(out.entry, text.text, sizeof text.text);
}

// ---------------------------------------------------- economic census place
// Entry: the county code at 0, PLACEEC at 6.

void PlaceCode(const SideOf& side, SideCode& out) {
    const void* row = side.row;
    CodeText text;
    if (!row) {
        EconomicLevelBlank(kPlaceEconomicLevel, text);
        std::memcpy(out.key, text.text, sizeof text.text);
        return;
    }
    EconomicLevelCode(kPlaceEconomicLevel, RowE(row), text);
    std::memcpy(out.key, text.text, sizeof text.text);
    PutEconomicCounty(RowE(row), out.entry);
    PutCodeText(out.entry + 6, text.text, 5);
}

void FillPlace(const BorderLineEntry& first, DbfRecord& record) {
    std::string place = EntryText(first, 6, 5);
    std::string name = EntityName(kEconomicPlaceEntity, place, "", gEditionYear);
    const TypeCRecord* c = FoundEntity();
    record.Add(EntryText(first, 0, 5)).Add(place).Add(name);
    record.Add(c ? c->LSADC : "").Add(EntityChar(c, &TypeCRecord::ENTITY)).Add(c ? c->FIPSCC : "");
    record.Add(EntityChar(c, &TypeCRecord::PLACEDC));
}

// ------------------------------------------------------- commercial region
// Entry: the county code at 0; the region number in the integer key. The
// key text is the number, "0" for no region.

void CommercialRegionCode(const SideOf& side, SideCode& out) {
    const void* row = side.row;
    int region = row ? RowE(row).COMREGEC : 0;
    std::snprintf(out.key, sizeof out.key, "%d", region);
    out.intKey = region;
    if (row) PutEconomicCounty(RowE(row), out.entry);
}

const DbfFieldDef kCommercialRegionFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSSTCOEC", 'C', 5, 0}, {"COMMREG", 'N', 1, 0}, {"NAME", 'C', 60, 0},
    {"LSADC", 'C', 2, 0},   {"ENTITY", 'C', 1, 0},     {"FIPSCC", 'C', 2, 0},  {nullptr, 0, 0, 0},
};

void FillCommercialRegion(const BorderLineEntry& first, DbfRecord& record) {
    std::string name = LookupCommercialRegionName(first.intKey);
    const TypeCRecord* c = FoundEntity();
    record.Add(EntryText(first, 0, 5)).AddNumber(static_cast<long long>(first.intKey)).Add(name);
    record.Add(c ? c->LSADC : "").Add(EntityChar(c, &TypeCRecord::ENTITY)).Add(c ? c->FIPSCC : "");
}

const SideLayer kCountyEconomicCensus = {
    PolygonLayerDescriptor()
        .Title("County Economic Census")
        .StatusText("Gathering County Economic Census Boundary Lines")
        .NoRecordsText("There are no county economic census 2002 records\n")
        .OverflowText("the number of county border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting counties\n")
        .NoEntriesText("There are no county economic census border lines\n")
        .Abbreviation("ctyec")
        .ThemeFolder("county")
        .Fields(kCountyFields, "FIPSSTCO")
        .Order(CompareLeadingText),
    SideTable::kTypeE, CountE<kCountyEconomicLevel>, CountyCode, FillCountyOf<0>};

const SideLayer kPlaceEconomicCensus = {
    PolygonLayerDescriptor()
        .Title("Places Economic Census")
        .StatusText("Gathering Place Boundary Lines")
        .NoRecordsText("There are no Placeec records\n")
        .OverflowText("the number of Place border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting Places Economic Census\n")
        .NoEntriesText("There are no Places Economic Census border lines\n")
        .Abbreviation("placeec")
        .ThemeFolder("place")
        .Fields(kPlaceFields, "PLACE")
        .Order(CompareTextAt6),
    SideTable::kTypeE, CountE<kPlaceEconomicLevel>, PlaceCode, FillPlace};

// Regions come out in descending order of their number.
const SideLayer kCommercialRegions = {
    PolygonLayerDescriptor()
        .Title("Commercial Regions")
        .StatusText("Gathering Commercial Region Boundary Lines")
        .NoRecordsText("There are no Commercial Region records\n")
        .OverflowText("the number of Commercial Region border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting Commercial Regions\n")
        .NoEntriesText("There are no Commercial Region border lines\n")
        .Abbreviation("comreg")
        .ThemeFolder("comreg")
        .Fields(kCommercialRegionFields, "NAME")
        .Order(CompareIntAt8Descending),
    SideTable::kTypeE, CountE<kCommercialRegionLevel>, CommercialRegionCode, FillCommercialRegion};

}  // namespace

void BuildCountyEconomicCensusPolygons() { BuildPolygonLayer(kCountyEconomicCensus); }
void BuildPlaceEconomicCensusPolygons() { BuildPolygonLayer(kPlaceEconomicCensus); }
void BuildCommercialRegionPolygons() { BuildPolygonLayer(kCommercialRegions); }

void AddEconomicLayers(std::vector<SideLayer>& layers) {
    for (const SideLayer* layer : {&kCountyEconomicCensus, &kPlaceEconomicCensus, &kCommercialRegions})
        layers.push_back(*layer);
}

}  // namespace vornak2
