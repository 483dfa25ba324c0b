// Current geography of places, county subdivisions, school districts, the
// metropolitan areas of the 2002 edition and congressional districts, from
// the type A sides.
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
using tigercore::kCongressionalDistrictFields;

// ------------------------------------------------------------------ layers

using A = TypeARecord;
constexpr auto kPlaceLike = Attributes::kNameLsadEntityFipsPlacedc;

const SideLayer kConsolidatedCityCurrent = {
    PolygonLayerDescriptor()
        .Title("Consolidated City Current")
        .StatusText("Gathering Consolidated City Boundary Lines")
        .NoRecordsText("There are no Concity records\n")
        .OverflowText("the number of Conolidated City Current border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting Concity Current\n")
        .NoEntriesText("There are no Consolidated City Current border lines\n")
        .Abbreviation("concitcu")
        .ThemeFolder("concit")
        .Fields(kConsolidatedCityFields, "NAME")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kConsolidatedCityCurrentLevel>, SideCodeOf<&A::CONCITCU, 5>,
    FillRecord<5, kConsolidatedCityEntity, kPlaceLike>};

const SideLayer kCountySubdivisionCurrent = {
    PolygonLayerDescriptor()
        .Title("County Subdivisions Current")
        .StatusText("Gathering County Subdivision Boundary Lines")
        .NoRecordsText("There are no Cousub records\n")
        .OverflowText("the number of County Subdivisions border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting Cousub Current\n")
        .NoEntriesText("There are no County Subdivision Current border lines\n")
        .Abbreviation("cousubcu")
        .ThemeFolder("cousub")
        .Fields(kCountySubdivisionFields, "NAME")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kCountySubdivisionCurrentLevel>, SideCodeOf<&A::COUSUBCU, 5>,
    FillRecord<5, kCountySubdivisionEntity, kPlaceLike>};

const SideLayer kSubbarrioCurrent = {
    PolygonLayerDescriptor()
        .Title("Subbarrios Current")
        .StatusText("Gathering Subbarrio Boundary Lines")
        .NoRecordsText("There are no Subbarrio records\n")
        .OverflowText("the number of Submcd border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting Submcd Current\n")
        .NoEntriesText("There are no Subbarrio Current border lines\n")
        .Abbreviation("submcdcu")
        .ThemeFolder("submcd")
        .Fields(kSubbarrioFields, "SUBMCD")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kSubbarrioCurrentLevel>, SideCodeOf<&A::SUBMCDCU, 5>,
    FillRecord<5, kSubbarrioEntity, kPlaceLike>};

const SideLayer kPlaceCurrent = {
    PolygonLayerDescriptor()
        .Title("Places Current")
        .StatusText("Gathering Place Boundary Lines")
        .NoRecordsText("There are no Placecu records\n")
        .OverflowText("the number of Place border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting Places Current\n")
        .NoEntriesText("There are no Places Current border lines\n")
        .Abbreviation("placecu")
        .ThemeFolder("place")
        .Fields(kPlaceFields, "PLACE")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kPlaceCurrentLevel>, SideCodeOf<&A::PLACECU, 5>,
    FillRecord<5, kPlaceEntity, kPlaceLike>};

// School districts and metropolitan areas log two lines when water clipping
// left nothing: that all polygons lie on water, then the hint.
#define WATER_ONLY_TEXT(what) \
    "All " what " polygons for this county coincide with water polygons\n" \
    "Try turning off the water polygon clipping option\n"

const SideLayer kElementarySchoolDistrictCurrent = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Elementary School Districts", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Elementary School Boundary Lines")
        .NoRecordsText("There are no Elementary School Current records\n")
        .OverflowText("the number of Elementary border lines exceeds the count")
        .NoEntriesClipText(WATER_ONLY_TEXT("elementary school"))
        .NoEntriesText("There are no lines for elementary school polygons\n")
        .Abbreviation("sdelmcu")
        .ThemeFolder("elementary")
        .Fields(kElementarySchoolFields, "ELEMENTARY")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kElementarySchoolCurrentLevel>, SideCodeOf<&A::SDELMCU, 5>,
    FillRecord<5, kSchoolDistrictEntity, Attributes::kNameLsadEntity>};

const SideLayer kSecondarySchoolDistrictCurrent = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Secondary School Districts", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Secondary School Boundary Lines")
        .NoRecordsText("There are no Secondary School Current records\n")
        .OverflowText("the number of secondary border lines exceeds the count")
        .NoEntriesClipText(WATER_ONLY_TEXT("secondary school"))
        .NoEntriesText("There are no lines for secondary school polygons\n")
        .Abbreviation("sdseccu")
        .ThemeFolder("secondary")
        .Fields(kSecondarySchoolFields, "SECONDARY")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kSecondarySchoolCurrentLevel>, SideCodeOf<&A::SDSECCU, 5>,
    FillRecord<5, kSchoolDistrictEntity, Attributes::kNameLsadEntity>};

const SideLayer kUnifiedSchoolDistrictCurrent = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Unified School Districts", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Unified School Boundary Lines")
        .NoRecordsText("There are no Unified School Current records\n")
        .OverflowText("the number of unified border lines exceeds the count")
        .NoEntriesClipText(WATER_ONLY_TEXT("unified school"))
        .NoEntriesText("There are no lines for unified school polygons\n")
        .Abbreviation("sdunicu")
        .ThemeFolder("unified")
        .Fields(kUnifiedSchoolFields, "UNIFIED")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kUnifiedSchoolCurrentLevel>, SideCodeOf<&A::SDUNICU, 5>,
    FillRecord<5, kSchoolDistrictEntity, Attributes::kNameLsadEntity>};

const SideLayer kCmsaMsaCurrent = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("MSA_CMSA Current", TitleMoment::kAfterAllocation)
        .StatusText("Gathering MSA_CMSA Current Boundary Lines")
        .NoRecordsText("There are no MSA_CMSA Current records\n")
        .OverflowText("the number of msacmsa border lines exceeds the count")
        .NoEntriesClipText(WATER_ONLY_TEXT("msacmsa"))
        .NoEntriesText("There are no lines for msacmsa polygons\n")
        .Abbreviation("msacu")
        .ThemeFolder("msacmsa")
        .Fields(kCmsaMsaFields, "CMSAMSA")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kMsaCmsaCurrentLevel>, SideCodeOf<&A::MSACMASCU, 4>,
    FillRecord<4, kMetropolitanAreaEntity, Attributes::kNameLsadEntity>};

const SideLayer kPmsaCurrent = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("PMSA Current", TitleMoment::kAfterAllocation)
        .StatusText("Gathering PMSA Current Boundary Lines")
        .NoRecordsText("There are no PMSA Current records\n")
        .OverflowText("the number of pmsa border lines exceeds the count")
        .NoEntriesClipText(WATER_ONLY_TEXT("pmsa"))
        .NoEntriesText("There are no lines for pmsa polygons\n")
        .Abbreviation("pmsacu")
        .ThemeFolder("pmsa")
        .Fields(kPmsaFields, "PMSA")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kPmsaCurrentLevel>, SideCodeOf<&A::PMSACU, 4>,
    FillRecord<4, kMetropolitanAreaEntity, Attributes::kNameLsadEntity>};

const SideLayer kNecmaCurrent = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("NECMA Current", TitleMoment::kAfterAllocation)
        .StatusText("Gathering NECMA Current Boundary Lines")
        .NoRecordsText("There are no NECMA Current records\n")
        .OverflowText("the number of necma border lines exceeds the count")
        .NoEntriesClipText(WATER_ONLY_TEXT("necma"))
        .NoEntriesText("There are no lines for necma polygons\n")
        .Abbreviation("necmacu")
        .ThemeFolder("necma")
        .Fields(kNecmaFields, "NECMA")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kNecmaCurrentLevel>, SideCodeOf<&A::NECMACU, 4>,
    FillRecord<4, kMetropolitanAreaEntity, Attributes::kNameLsad>};

#undef WATER_ONLY_TEXT

const SideLayer kCongressionalDistrictCurrent = {
    PolygonLayerDescriptor()
        .Title("Congressional Districts Current")
        .StatusText("Gathering Congressional Districts Current Boundary Lines", StatusMoment::kBeforeAllocation)
        .NoRecordsText("There are no Congressional Districts Current records\n")
        .OverflowText("the number of CDCU border lines exceeds the count")
        .NoEntriesClipText("There are no CDCU border lines\n")
        .NoEntriesText("There are no CDCU border lines\n")
        .Abbreviation("cdcu")
        .ThemeFolder("cd")
        .Fields(kCongressionalDistrictFields, "DISTRICT")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kCongressionalDistrictCurrentLevel>, SideCodeOf<&A::CDCU, 2>,
    FillRecord<2, 0, Attributes::kCodeOnly>};

}  // namespace

void BuildConsolidatedCityCurrentPolygons() { BuildPolygonLayer(kConsolidatedCityCurrent); }
void BuildCountySubdivisionCurrentPolygons() { BuildPolygonLayer(kCountySubdivisionCurrent); }
void BuildSubbarrioCurrentPolygons() { BuildPolygonLayer(kSubbarrioCurrent); }
void BuildPlaceCurrentPolygons() { BuildPolygonLayer(kPlaceCurrent); }
void BuildElementarySchoolDistrictCurrentPolygons() { BuildPolygonLayer(kElementarySchoolDistrictCurrent); }
void BuildSecondarySchoolDistrictCurrentPolygons() { BuildPolygonLayer(kSecondarySchoolDistrictCurrent); }
void BuildUnifiedSchoolDistrictCurrentPolygons() { BuildPolygonLayer(kUnifiedSchoolDistrictCurrent); }
void BuildCmsaMsaCurrentPolygons() { BuildPolygonLayer(kCmsaMsaCurrent); }
void BuildPmsaCurrentPolygons() { BuildPolygonLayer(kPmsaCurrent); }
void BuildNecmaCurrentPolygons() { BuildPolygonLayer(kNecmaCurrent); }

void BuildCongressionalDistrictCurrentPolygons() {
    // The 2004 editions tell which Congress their districts are for.
    if (gBorderLineCountsA[kCongressionalDistrictCurrentLevel] > 0 && gEditionYear == 2004)
        Services().WriteLogText(gSecondEdition ? "Current Congressional Districts are for 109th Congress\n"
                                               : "Current Congressional Districts are for 108th Congress\n");
    BuildPolygonLayer(kCongressionalDistrictCurrent);
}

void AddCurrentPlaceLayers(std::vector<SideLayer>& layers) {
    for (const SideLayer* layer : {&kConsolidatedCityCurrent, &kCountySubdivisionCurrent, &kSubbarrioCurrent,
                                   &kPlaceCurrent, &kElementarySchoolDistrictCurrent, &kSecondarySchoolDistrictCurrent,
                                   &kUnifiedSchoolDistrictCurrent, &kCmsaMsaCurrent, &kPmsaCurrent, &kNecmaCurrent,
                                   &kCongressionalDistrictCurrent})
        layers.push_back(*layer);
}

}  // namespace vornak2
