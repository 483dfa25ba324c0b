// Current geography of places, county subdivisions, school districts, the
// metropolitan areas of the 2002 edition and congressional districts, from
// the type A sides.
#include "conv2/county_keyed_layers.h"
#include "conv2/polygon_sides.h"
#include "conv2/stages.h"

namespace vornak2 {

namespace {

using countykeyed::Attributes;
using countykeyed::FillRecord;
using countykeyed::SideCodeOf;
using shapeio::DbfFieldDef;

// ------------------------------------------------------------ field tables

const DbfFieldDef kConsolidatedCityFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"CONCITY", 'C', 5, 0}, {"NAME", 'C', 60, 0},
    {"LSADC", 'C', 2, 0},   {"ENTITY", 'C', 1, 0}, {"FIPSCC", 'C', 2, 0},  {"PLACEDC", 'C', 1, 0},
    {nullptr, 0, 0, 0},
};

const DbfFieldDef kCountySubdivisionFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"COUSUB", 'C', 5, 0},   {"NAME", 'C', 60, 0},
    {"LSADC", 'C', 2, 0},   {"ENTITY", 'C', 1, 0}, {"COUSUBCC", 'C', 2, 0}, {"PLACEDC", 'C', 1, 0},
    {nullptr, 0, 0, 0},
};

const DbfFieldDef kSubbarrioFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"SUBMCD", 'C', 5, 0},   {"NAME", 'C', 60, 0},
    {"LSADC", 'C', 2, 0},   {"ENTITY", 'C', 1, 0}, {"COUSUBCC", 'C', 2, 0}, {"PLACEDC", 'C', 1, 0},
    {nullptr, 0, 0, 0},
};

const DbfFieldDef kPlaceFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"PLACE", 'C', 5, 0},  {"NAME", 'C', 60, 0},
    {"LSADC", 'C', 2, 0},   {"ENTITY", 'C', 1, 0}, {"FIPSCC", 'C', 2, 0}, {"PLACEDC", 'C', 1, 0},
    {nullptr, 0, 0, 0},
};

const DbfFieldDef kElementarySchoolDistrictFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"ELEMENTARY", 'C', 5, 0},
    {"NAME", 'C', 60, 0},   {"LSADC", 'C', 2, 0},  {"ENTITY", 'C', 1, 0},
    {nullptr, 0, 0, 0},
};

const DbfFieldDef kSecondarySchoolDistrictFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"SECONDARY", 'C', 5, 0},
    {"NAME", 'C', 60, 0},   {"LSADC", 'C', 2, 0},  {"ENTITY", 'C', 1, 0},
    {nullptr, 0, 0, 0},
};

const DbfFieldDef kUnifiedSchoolDistrictFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"UNIFIED", 'C', 5, 0},
    {"NAME", 'C', 60, 0},   {"LSADC", 'C', 2, 0},  {"ENTITY", 'C', 1, 0},
    {nullptr, 0, 0, 0},
};

const DbfFieldDef kCmsaMsaFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"CMSAMSA", 'C', 4, 0},
    {"NAME", 'C', 60, 0},   {"LSADC", 'C', 2, 0},  {"ENTITY", 'C', 1, 0},
    {nullptr, 0, 0, 0},
};

const DbfFieldDef kPmsaFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"PMSA", 'C', 4, 0},
    {"NAME", 'C', 60, 0},   {"LSADC", 'C', 2, 0},  {"ENTITY", 'C', 1, 0},
    {nullptr, 0, 0, 0},
};

const DbfFieldDef kNecmaFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"NECMA", 'C', 4, 0},
    {"NAME", 'C', 60, 0},   {"LSADC", 'C', 2, 0},  {nullptr, 0, 0, 0},
};

// DISTRICT is numeric: the code right-aligned.
const DbfFieldDef kCongressionalDistrictFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"DISTRICT", 'N', 2, 0}, {nullptr, 0, 0, 0},
};

// ------------------------------------------------------------------ layers
// Descriptor: title, status text, no-records notice, overflow line, the two
// no-entries notices (clipping on, off), abbreviation, theme folder, fields,
// record length, placemark-name field, order.

using A = TypeARecord;
constexpr auto kPlaceLike = Attributes::kNameLsadEntityFipsPlacedc;

const Conv2PolygonLayer kConsolidatedCityCurrent = {
    {"Consolidated City Current", "Gathering Consolidated City Boundary Lines", "There are no Concity records\n",
     "the number of Conolidated City Current border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting Concity Current\n",
     "There are no Consolidated City Current border lines\n", "concitcu", "concit", kConsolidatedCityFields, 85,
     "NAME", shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kConsolidatedCityCurrentLevel>, SideCodeOf<&A::CONCITCU, 5>,
    FillRecord<5, kConsolidatedCityEntity, kPlaceLike>};

const Conv2PolygonLayer kCountySubdivisionCurrent = {
    {"County Subdivisions Current", "Gathering County Subdivision Boundary Lines", "There are no Cousub records\n",
     "the number of County Subdivisions border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting Cousub Current\n",
     "There are no County Subdivision Current border lines\n", "cousubcu", "cousub", kCountySubdivisionFields, 85,
     "NAME", shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kCountySubdivisionCurrentLevel>, SideCodeOf<&A::COUSUBCU, 5>,
    FillRecord<5, kCountySubdivisionEntity, kPlaceLike>};

const Conv2PolygonLayer kSubbarrioCurrent = {
    {"Subbarrios Current", "Gathering Subbarrio Boundary Lines", "There are no Subbarrio records\n",
     "the number of Submcd border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting Submcd Current\n",
     "There are no Subbarrio Current border lines\n", "submcdcu", "submcd", kSubbarrioFields, 85, "SUBMCD",
     shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kSubbarrioCurrentLevel>, SideCodeOf<&A::SUBMCDCU, 5>,
    FillRecord<5, kSubbarrioEntity, kPlaceLike>};

const Conv2PolygonLayer kPlaceCurrent = {
    {"Places Current", "Gathering Place Boundary Lines", "There are no Placecu records\n",
     "the number of Place border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting Places Current\n",
     "There are no Places Current border lines\n", "placecu", "place", kPlaceFields, 85, "PLACE",
     shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kPlaceCurrentLevel>, SideCodeOf<&A::PLACECU, 5>,
    FillRecord<5, kPlaceEntity, kPlaceLike>};

// School districts and metropolitan areas log two lines when water clipping
// left nothing: that all polygons lie on water, then the hint.
#define WATER_ONLY_TEXT(what) \
    "All " what " polygons for this county coincide with water polygons\n" \
    "Try turning off the water polygon clipping option\n"

const Conv2PolygonLayer kElementarySchoolDistrictCurrent = {
    {"Elementary School Districts", "Gathering Elementary School Boundary Lines",
     "There are no Elementary School Current records\n", "the number of Elementary border lines exceeds the count",
     WATER_ONLY_TEXT("elementary school"), "There are no lines for elementary school polygons\n", "sdelmcu",
     "elementary", kElementarySchoolDistrictFields, 82, "ELEMENTARY", shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kElementarySchoolCurrentLevel>, SideCodeOf<&A::SDELMCU, 5>,
    FillRecord<5, kSchoolDistrictEntity, Attributes::kNameLsadEntity>};

const Conv2PolygonLayer kSecondarySchoolDistrictCurrent = {
    {"Secondary School Districts", "Gathering Secondary School Boundary Lines",
     "There are no Secondary School Current records\n", "the number of secondary border lines exceeds the count",
     WATER_ONLY_TEXT("secondary school"), "There are no lines for secondary school polygons\n", "sdseccu",
     "secondary", kSecondarySchoolDistrictFields, 82, "SECONDARY", shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kSecondarySchoolCurrentLevel>, SideCodeOf<&A::SDSECCU, 5>,
    FillRecord<5, kSchoolDistrictEntity, Attributes::kNameLsadEntity>};

const Conv2PolygonLayer kUnifiedSchoolDistrictCurrent = {
    {"Unified School Districts", "Gathering Unified School Boundary Lines",
     "There are no Unified School Current records\n", "the number of unified border lines exceeds the count",
     WATER_ONLY_TEXT("unified school"), "There are no lines for unified school polygons\n", "sdunicu", "unified",
     kUnifiedSchoolDistrictFields, 82, "UNIFIED", shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kUnifiedSchoolCurrentLevel>, SideCodeOf<&A::SDUNICU, 5>,
    FillRecord<5, kSchoolDistrictEntity, Attributes::kNameLsadEntity>};

const Conv2PolygonLayer kCmsaMsaCurrent = {
    {"MSA_CMSA Current", "Gathering MSA_CMSA Current Boundary Lines", "There are no MSA_CMSA Current records\n",
     "the number of msacmsa border lines exceeds the count", WATER_ONLY_TEXT("msacmsa"),
     "There are no lines for msacmsa polygons\n", "msacu", "msacmsa", kCmsaMsaFields, 81, "CMSAMSA",
     shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kMsaCmsaCurrentLevel>, SideCodeOf<&A::MSACMASCU, 4>,
    FillRecord<4, kMetropolitanAreaEntity, Attributes::kNameLsadEntity>};

const Conv2PolygonLayer kPmsaCurrent = {
    {"PMSA Current", "Gathering PMSA Current Boundary Lines", "There are no PMSA Current records\n",
     "the number of pmsa border lines exceeds the count", WATER_ONLY_TEXT("pmsa"),
     "There are no lines for pmsa polygons\n", "pmsacu", "pmsa", kPmsaFields, 81, "PMSA", shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kPmsaCurrentLevel>, SideCodeOf<&A::PMSACU, 4>,
    FillRecord<4, kMetropolitanAreaEntity, Attributes::kNameLsadEntity>};

const Conv2PolygonLayer kNecmaCurrent = {
    {"NECMA Current", "Gathering NECMA Current Boundary Lines", "There are no NECMA Current records\n",
     "the number of necma border lines exceeds the count", WATER_ONLY_TEXT("necma"),
     "There are no lines for necma polygons\n", "necmacu", "necma", kNecmaFields, 80, "NECMA",
     shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kNecmaCurrentLevel>, SideCodeOf<&A::NECMACU, 4>,
    FillRecord<4, kMetropolitanAreaEntity, Attributes::kNameLsad>};

#undef WATER_ONLY_TEXT

const Conv2PolygonLayer kCongressionalDistrictCurrent = {
    {"Congressional Districts Current", "Gathering Congressional Districts Current Boundary Lines",
     "There are no Congressional Districts Current records\n", "the number of CDCU border lines exceeds the count",
     "There are no CDCU border lines\n", "There are no CDCU border lines\n", "cdcu", "cd",
     kCongressionalDistrictFields, 16, "DISTRICT", shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kCongressionalDistrictCurrentLevel>, SideCodeOf<&A::CDCU, 2>,
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
        WriteLogText("%s", gSecondEdition ? "Current Congressional Districts are for 109th Congress\n"
                                          : "Current Congressional Districts are for 108th Congress\n");
    BuildPolygonLayer(kCongressionalDistrictCurrent);
}

}  // namespace vornak2
