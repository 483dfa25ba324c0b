// Current geography of ZIP code tabulation areas, core based and combined
// statistical areas, metropolitan divisions, New England city and town
// areas and state legislative districts, from the type A sides.
#include "conv2/county_keyed_layers.h"
#include "conv2/layer_catalogue.h"
#include "conv2/polygon_sides.h"
#include "conv2/stages.h"
#include "tigercore/shared_layer_fields.h"

namespace vornak2 {

namespace {

using countykeyed::Attributes;
using countykeyed::FillRecord;
using countykeyed::SideCodeOf;
using polygons::CompareTextAt6;
using polygons::PolygonLayerDescriptor;
using shapeio::DbfFieldDef;
using tigercore::kZctaFields;

// ------------------------------------------------------------ field tables

const DbfFieldDef kCbsaFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSSTCO", 'C', 5, 0}, {"CBSA", 'C', 5, 0},       {"NAME", 'C', 60, 0},
    {"LSADC", 'C', 2, 0},   {"ENTITY", 'C', 1, 0},   {"FIPSCC", 'C', 2, 0},     {"METROMICRO", 'C', 35, 0},
    {nullptr, 0, 0, 0},
};

const DbfFieldDef kCsaFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSTTCO", 'C', 5, 0}, {"CSA", 'C', 3, 0},    {"NAME", 'C', 60, 0},
    {"LSADC", 'C', 2, 0},   {"ENTITY", 'C', 1, 0},   {"FIPSCC", 'C', 2, 0}, {nullptr, 0, 0, 0},
};

// NECTA divisions share this table: their code field is called METDIV too.
const DbfFieldDef kMetropolitanDivisionFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSSTCO", 'C', 5, 0}, {"METDIV", 'C', 5, 0}, {"NAME", 'C', 60, 0},
    {"LSADC", 'C', 2, 0},   {"ENTITY", 'C', 1, 0},   {"FIPSCC", 'C', 2, 0}, {nullptr, 0, 0, 0},
};

const DbfFieldDef kNectaFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSSTCO", 'C', 5, 0}, {"NECTA", 'C', 5, 0},      {"NAME", 'C', 60, 0},
    {"LSADC", 'C', 2, 0},   {"ENTITY", 'C', 1, 0},   {"FIPSCC", 'C', 2, 0},     {"METROMICRO", 'C', 35, 0},
    {nullptr, 0, 0, 0},
};

const DbfFieldDef kCombinedNectaFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSTTCO", 'C', 5, 0}, {"CNECTA", 'C', 3, 0}, {"NAME", 'C', 60, 0},
    {"LSADC", 'C', 2, 0},   {"ENTITY", 'C', 1, 0},   {"FIPSCC", 'C', 2, 0}, {nullptr, 0, 0, 0},
};

const DbfFieldDef kUpperChamberFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"SLDU", 'C', 3, 0}, {"NAME", 'C', 60, 0}, {nullptr, 0, 0, 0},
};

const DbfFieldDef kLowerChamberFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"SLDL", 'C', 3, 0}, {"NAME", 'C', 60, 0}, {nullptr, 0, 0, 0},
};

// ------------------------------------------------------------------ layers
// Descriptor: title, (early) status text, no-records notice, overflow line, the two
// no-entries notices (clipping on, off), abbreviation, theme folder, fields,
// record length, placemark-name field, order.

using A = TypeARecord;
constexpr auto kStatistical = Attributes::kNameLsadEntityFips;

const SideLayer kZcta5Current = {
    PolygonLayerDescriptor()
        .Title("ZCTA5 Current")
        .EarlyStatusText("Gathering ZCTA Boundary Lines")
        .StatusText("Gathering ZCTA Boundary Lines")
        .NoRecordsText("There are no ZCTA Current records\n")
        .OverflowText("the number of ZCTA border lines exceeds the count")
        .NoEntriesClipText("There are no ZCTA border lines\n")
        .NoEntriesText("There are no ZCTA border lines\n")
        .Abbreviation("zcta5cu")
        .ThemeFolder("zcta5")
        .Fields(kZctaFields, "ZCTA")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kZcta5CurrentLevel>, SideCodeOf<&A::ZCTA5CU, 5>,
    FillRecord<5, 0, Attributes::kCodeOnly>};

const SideLayer kZcta3Current = {
    PolygonLayerDescriptor()
        .Title("ZCTA3 Current")
        .EarlyStatusText("Gathering ZCTA3 Boundary Lines")
        .StatusText("Gathering ZCTA3 Current Boundary Lines")
        .NoRecordsText("There are no ZCTA3 Current records\n")
        .OverflowText("the number of ZCTA3 border lines exceeds the count")
        .NoEntriesClipText("There are no ZCTA3 border lines\n")
        .NoEntriesText("There are no ZCTA3 border lines\n")
        .Abbreviation("zcta3cu")
        .ThemeFolder("zcta3")
        .Fields(kThreeDigitZctaFields, "ZCTA3")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kZcta3CurrentLevel>, SideCodeOf<&A::ZCTA3CU, 3>,
    FillRecord<3, 0, Attributes::kCodeOnly>};

const SideLayer kCbsaCurrent = {
    PolygonLayerDescriptor()
        .Title("CBSA")
        .StatusText("Gathering CBSA Boundary Lines")
        .NoRecordsText("There are no Cbsacu records\n")
        .OverflowText("the number of CBSA border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting CBSA Current\n")
        .NoEntriesText("There are no Core Based Statistical Areas border lines\n")
        .Abbreviation("cbsacu")
        .ThemeFolder("cbsa")
        .Fields(kCbsaFields, "CBSA")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kCbsaCurrentLevel>, SideCodeOf<&A::CBSACU, 5>,
    FillRecord<5, kCbsaEntity, Attributes::kCbsaMetroMicro>};

const SideLayer kCsaCurrent = {
    PolygonLayerDescriptor()
        .Title("CSA")
        .StatusText("Gathering CSA Boundary Lines")
        .NoRecordsText("There are no Csacu records\n")
        .OverflowText("the number of CSA border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting CSA Current\n")
        .NoEntriesText("There are no Combined Statistical Areas border lines\n")
        .Abbreviation("csacu")
        .ThemeFolder("csa")
        .Fields(kCsaFields, "CSA")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kCsaCurrentLevel>, SideCodeOf<&A::CSACU, 3>,
    FillRecord<3, kCsaEntity, kStatistical>};

const SideLayer kMetropolitanDivisionCurrent = {
    PolygonLayerDescriptor()
        .Title("METDIVCU")
        .StatusText("Gathering METDIV Boundary Lines")
        .NoRecordsText("There are no Metdivcu records\n")
        .OverflowText("the number of METDIV border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting METDIV Current\n")
        .NoEntriesText("There are no Metropolitan Division border lines\n")
        .Abbreviation("metdivcu")
        .ThemeFolder("metdiv")
        .Fields(kMetropolitanDivisionFields, "METDIV")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kMetropolitanDivisionCurrentLevel>, SideCodeOf<&A::METDIVCU, 5>,
    FillRecord<5, kMetropolitanDivisionEntity, kStatistical>};

const SideLayer kNectaCurrent = {
    PolygonLayerDescriptor()
        .Title("NECTACU")
        .StatusText("Gathering NECTA Boundary Lines")
        .NoRecordsText("There are no Nectacu records\n")
        .OverflowText("the number of NECTA border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting NECTA Current\n")
        .NoEntriesText("There are no NECTA border lines\n")
        .Abbreviation("nectacu")
        .ThemeFolder("necta")
        .Fields(kNectaFields, "NECTA")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kNectaCurrentLevel>, SideCodeOf<&A::NECTACU, 5>,
    FillRecord<5, kNectaEntity, Attributes::kNectaMetroMicro>};

const SideLayer kCombinedNectaCurrent = {
    PolygonLayerDescriptor()
        .Title("CNECTACU")
        .StatusText("Gathering CNECTA Boundary Lines")
        .NoRecordsText("There are no Cnectacu records\n")
        .OverflowText("the number of CNECTA border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting CNECTA Current\n")
        .NoEntriesText("There are no CNECTA border lines\n")
        .Abbreviation("cnectacu")
        .ThemeFolder("cnecta")
        .Fields(kCombinedNectaFields, "CNECTA")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kCombinedNectaCurrentLevel>, SideCodeOf<&A::CNECTACU, 3>,
    FillRecord<3, kCombinedNectaEntity, kStatistical>};

const SideLayer kNectaDivisionCurrent = {
    PolygonLayerDescriptor()
        .Title("NECTADIVCU")
        .StatusText("Gathering NECTA Division Boundary Lines")
        .NoRecordsText("There are no Nectadivcu records\n")
        .OverflowText("the number of NECTADIV border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting NECTADIV Current\n")
        .NoEntriesText("There are no NECTA Division border lines\n")
        .Abbreviation("nectadivcu")
        .ThemeFolder("nectadiv")
        .Fields(kMetropolitanDivisionFields, "METDIV")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kNectaDivisionCurrentLevel>, SideCodeOf<&A::NECTADIVCU, 5>,
    FillRecord<5, kMetropolitanDivisionEntity, kStatistical>};

const SideLayer kUpperChamberDistrictCurrent = {
    PolygonLayerDescriptor()
        .Title("SLDUCU")
        .StatusText("Gathering SLDUCU Boundary Lines")
        .NoRecordsText("There are no SLDU Current records\n")
        .OverflowText("the number of SLDU Current border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting SLDU Current\n")
        .NoEntriesText("There are no State Legislative Districts Upper House Current border lines\n")
        .Abbreviation("slducu")
        .ThemeFolder("sld")
        .Fields(kUpperChamberFields, "SLDU")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kUpperChamberCurrentLevel>, SideCodeOf<&A::SLDUCU, 3>,
    FillRecord<3, kUpperChamberEntity, Attributes::kNameOnly>};

const SideLayer kLowerChamberDistrictCurrent = {
    PolygonLayerDescriptor()
        .Title("SLDLCU")
        .StatusText("Gathering SLDLCU Boundary Lines")
        .NoRecordsText("There are no SLDL Current records\n")
        .OverflowText("the number of SLDLCU Current border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting SLDL Current\n")
        .NoEntriesText("There are no State Legislative Districts Lower House Current border lines\n")
        .Abbreviation("sldlcu")
        .ThemeFolder("sld")
        .Fields(kLowerChamberFields, "SLDL")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kLowerChamberCurrentLevel>, SideCodeOf<&A::SLDLCU, 3>,
    FillRecord<3, kLowerChamberEntity, Attributes::kNameOnly>};

}  // namespace

void BuildZctaCurrentPolygons() { BuildPolygonLayer(kZcta5Current); }
void BuildThreeDigitZctaCurrentPolygons() { BuildPolygonLayer(kZcta3Current); }
void BuildCbsaCurrentPolygons() { BuildPolygonLayer(kCbsaCurrent); }
void BuildCsaCurrentPolygons() { BuildPolygonLayer(kCsaCurrent); }
void BuildMetropolitanDivisionCurrentPolygons() { BuildPolygonLayer(kMetropolitanDivisionCurrent); }
void BuildNectaCurrentPolygons() { BuildPolygonLayer(kNectaCurrent); }
void BuildCombinedNectaCurrentPolygons() { BuildPolygonLayer(kCombinedNectaCurrent); }
void BuildNectaDivisionCurrentPolygons() { BuildPolygonLayer(kNectaDivisionCurrent); }
void BuildUpperChamberDistrictCurrentPolygons() { BuildPolygonLayer(kUpperChamberDistrictCurrent); }
void BuildLowerChamberDistrictCurrentPolygons() { BuildPolygonLayer(kLowerChamberDistrictCurrent); }

void AddCurrentStatisticalLayers(std::vector<SideLayer>& layers) {
    for (const SideLayer* layer : {&kZcta5Current, &kZcta3Current, &kCbsaCurrent, &kCsaCurrent,
                                   &kMetropolitanDivisionCurrent, &kNectaCurrent, &kCombinedNectaCurrent,
                                   &kNectaDivisionCurrent, &kUpperChamberDistrictCurrent,
                                   &kLowerChamberDistrictCurrent})
        layers.push_back(*layer);
}

}  // namespace vornak2
