// Places of 1990 (type A sides), current or Census 2000 places,
// consolidated cities and urban growth areas (type S sides). One polygon is
// one code: the entries hold the side's county code at 0, which only fills
// the COUNTY field, and the layer's code at 6, which is compared.
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/polygon_layers.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "tigercore/sort_keys.h"

#include <cstdio>
#include <string>

namespace vornak {

using polygons::CompareTextAt6;
using polygons::PolygonLayerDescriptor;

namespace {

constexpr int kCountyOffset = 0;
constexpr int kCodeOffset = 6;
constexpr int kCodeWidth = 5;

// "%5s" of a code field, then a NUL.
void PutCode(char* out, const char* field) { tigercore::JoinedKey<64>().Right(field, 5).CopyTo(out, kCodeWidth + 1); }

// The side code of a layer keyed by one code: the key "%5s" of the code,
// the entry the county code and the code.
void CountyKeyedCode(const char* code, const char* county, SideCode& out) {
    PutCode(out.key, code);
    PutCodeText(out.entry + kCountyOffset, county, 5);
    PutCode(out.entry + kCodeOffset, code);
}

// 1990 places: the place of the side's type A row; its county is the
// row's own (the line's type 3 row for releases 94 and 95).
void Place1990Code(const SideOf& side, SideCode& out) {
    if (!side.row) return PutCode(out.key, "");
    char county[6];
    PutTypeACounty(side, county);
    CountyKeyedCode(RowA(side).FPL, county, out);
}

// The S-type layers take their county from the line's type I row.
template <auto Field>
void TypeSCode(const SideOf& side, SideCode& out) {
    if (!side.row) return PutCode(out.key, "");
    char county[6];
    PutLineCounty(side.line, county);
    CountyKeyedCode(RowS(side).*Field, county, out);
}

// ------------------------------------------------------------------ records

const DbfFieldDef kPlace1990Fields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0},  {"FPL90", 'C', 5, 0}, {"NAME", 'C', 66, 0},
    {"PLACEDC", 'C', 1, 0}, {"LSADC", 'C', 2, 0},   {"ENTITY", 'C', 1, 0}, {"FIPSCC", 'C', 2, 0},
    {nullptr, 0, 0, 0},
};
const DbfFieldDef kPlaceCurrentFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"FPL_CUR", 'C', 5, 0}, {"NAME", 'C', 66, 0},
    {"PLACEDC", 'C', 1, 0}, {"LSADC", 'C', 2, 0},  {"ENTITY", 'C', 1, 0},  {"FIPSCC", 'C', 2, 0},
    {nullptr, 0, 0, 0},
};
const DbfFieldDef kPlaceFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"PLACE", 'C', 5, 0},  {"NAME", 'C', 66, 0},
    {"PLACEDC", 'C', 1, 0}, {"LSADC", 'C', 2, 0},  {"ENTITY", 'C', 1, 0}, {"FIPSCC", 'C', 2, 0},
    {nullptr, 0, 0, 0},
};
const DbfFieldDef kConsolidatedCityFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"CONCITY", 'C', 5, 0}, {"NAME", 'C', 66, 0}, {nullptr, 0, 0, 0},
};
const DbfFieldDef kUrbanGrowthAreaFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"UGA", 'C', 5, 0}, {"NAME", 'C', 66, 0}, {nullptr, 0, 0, 0},
};

std::string CodeOf(const BorderLineEntry& first) { return EntryText(first, kCodeOffset, kCodeWidth); }

// The county, the code, the name, and PLACEDC, LSADC, ENTITY and FIPSCC of
// the type C row the lookup reported (blanks when it reported none).
void FillPlaceRecord(const BorderLineEntry& first, DbfRecord& record, std::string (*name)(const std::string&)) {
    const std::string code = CodeOf(first);
    gEntityRow = -1;
    const std::string found = name(code);
    const TypeCRecord* row =
        gEntityRow >= 0 && gEntityRow < static_cast<int>(gTypeCRecords.size()) ? &gTypeCRecords[static_cast<size_t>(gEntityRow)] : nullptr;
    record.Add(EntryText(first, kCountyOffset, 5)).Add(code).Add(found);
    record.Add(std::string(1, row ? row->PLACEDC : ' '))
        .Add(row ? row->LSADC : "  ")
        .Add(std::string(1, row ? row->ENTITY : ' '))
        .Add(row ? row->FIPSCC : "  ");
}

void FillPlace1990(const BorderLineEntry& first, DbfRecord& record) {
    FillPlaceRecord(first, record, [](const std::string& code) { return NameByYear(kPlaceEntity, code, "", 1990); });
}

// Without a year (which reports no row) up to release 99, by year 2000 on.
void FillPlaceCurrent(const BorderLineEntry& first, DbfRecord& record) {
    FillPlaceRecord(first, record, [](const std::string& code) { return NameFrom100(kPlaceEntity, code, "", 2000); });
}

template <int Kind>
void FillNamed2000(const BorderLineEntry& first, DbfRecord& record) {
    const std::string code = CodeOf(first);
    record.Add(EntryText(first, kCountyOffset, 5)).Add(code).Add(NameByYear(Kind, code, "", 2000));
}

// ------------------------------------------------------------------- layers

const SideLayer kPlace1990 = {
    PolygonLayerDescriptor()
        .Title("Places 90")
        .SecondTitle("Places 1990", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Place Boundary Lines")
        .NoRecordsText("There are no Places 90 records\n")
        .OverflowText("the number of Places 90 border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting Places 90\n")
        .NoEntriesText("There are no Places 90 border lines\n")
        .Abbreviation("plc")
        .ThemeFolder("places90")
        .Fields(kPlace1990Fields, "NAME")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kPlace1990Level>, Place1990Code, FillPlace1990};

// Texts, abbreviation and folder change at release 99, the field table and
// the name lookup at 100.
SideLayer PlaceCurrent() {
    const bool census2000 = gEditionCode >= 99;
    const char* title = census2000 ? "Places 2000" : "Places Current";
    return {PolygonLayerDescriptor()
                .Title(title)
                .SecondTitle(title, TitleMoment::kAfterAllocation)
                .StatusText(census2000 ? "Gathering Places 2000 Boundary Lines"
                                       : "Gathering Places Current Boundary Lines")
                .NoRecordsText(census2000 ? "There are no Places 2000 records\n"
                                          : "There are no Places current records\n")
                .OverflowText("the number of Places current border lines exceeds the count")
                .NoEntriesClipText("Try turning off the water polygon clipping option before extracting Places\n")
                .NoEntriesText("There are no Places border lines\n")
                .Abbreviation(census2000 ? "plc00" : "plccu")
                .ThemeFolder(census2000 ? "places00" : "placescu")
                .Fields(gEditionCode >= 100 ? kPlaceFields : kPlaceCurrentFields, "NAME")
                .Order(CompareTextAt6),
            SideTable::kTypeS, CountS<kPlaceCurrentLevel>, TypeSCode<&TypeSRecord::PLACE>, FillPlaceCurrent};
}

const SideLayer kConsolidatedCity2000 = {
    PolygonLayerDescriptor()
        .Title("Consolidated City")
        .SecondTitle("Consolidated City", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Consolidated City Boundary Lines")
        .NoRecordsText("There are no Consolidated City records\n")
        .OverflowText("the number of City border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting cities\n")
        .NoEntriesText("There are no city border lines\n")
        .Abbreviation("city")
        .ThemeFolder("city")
        .Fields(kConsolidatedCityFields, "NAME")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kConsolidatedCityLevel>, TypeSCode<&TypeSRecord::CONCIT>,
    FillNamed2000<kConsolidatedCityEntity>};

// The code is filled from release 100 on; before, its count is 0.
const SideLayer kUrbanGrowthArea2000 = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Oregon Urban Growth Area", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Urban Growth Area Boundary Lines")
        .NoRecordsText("There are no Urban Growth Area records\n")
        .OverflowText("the number of UGA border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting UGAs\n")
        .NoEntriesText("There are no UGA border lines\n")
        .Abbreviation("uga")
        .ThemeFolder("urbgrowth")
        .Fields(kUrbanGrowthAreaFields, "NAME")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kUrbanGrowthAreaLevel>, TypeSCode<&TypeSRecord::UGA>,
    FillNamed2000<kUrbanAreaEntity>};

}  // namespace

void AddPlaceLayers(std::vector<SideLayer>& layers) {
    layers.push_back(kPlace1990);
    layers.push_back(PlaceCurrent());
    layers.push_back(kConsolidatedCity2000);
    layers.push_back(kUrbanGrowthArea2000);
}

void BuildPlace1990Polygons() { BuildPolygonLayer(kPlace1990); }
void BuildPlaceCurrentPolygons() { BuildPolygonLayer(PlaceCurrent()); }
void BuildConsolidatedCity2000Polygons() { BuildPolygonLayer(kConsolidatedCity2000); }
void BuildUrbanGrowthArea2000Polygons() { BuildPolygonLayer(kUrbanGrowthArea2000); }

}  // namespace vornak
