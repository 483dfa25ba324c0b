// Current geography of ZIP code tabulation areas, core based and combined
// statistical areas, metropolitan divisions, New England city and town
// areas and state legislative districts, from the type A sides.
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

const DbfFieldDef kZcta5Fields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"ZCTA", 'C', 5, 0}, {nullptr, 0, 0, 0},
};

const DbfFieldDef kZcta3Fields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"ZCTA3", 'C', 3, 0}, {nullptr, 0, 0, 0},
};

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
// Descriptor: title, status text, no-records notice, overflow line, the two
// no-entries notices (clipping on, off), abbreviation, theme folder, fields,
// record length, placemark-name field, order.

using A = TypeARecord;
constexpr auto kStatistical = Attributes::kNameLsadEntityFips;

const Conv2PolygonLayer kZcta5Current = {
    {"ZCTA5 Current", "Gathering ZCTA Boundary Lines", "There are no ZCTA Current records\n",
     "the number of ZCTA border lines exceeds the count", "There are no ZCTA border lines\n",
     "There are no ZCTA border lines\n", "zcta5cu", "zcta5", kZcta5Fields, 19, "ZCTA", shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kZcta5CurrentLevel>, SideCodeOf<&A::ZCTA5CU, 5>,
    FillRecord<5, 0, Attributes::kCodeOnly>};

const Conv2PolygonLayer kZcta3Current = {
    {"ZCTA3 Current", "Gathering ZCTA3 Current Boundary Lines", "There are no ZCTA3 Current records\n",
     "the number of ZCTA3 border lines exceeds the count", "There are no ZCTA3 border lines\n",
     "There are no ZCTA3 border lines\n", "zcta3cu", "zcta3", kZcta3Fields, 17, "ZCTA3", shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kZcta3CurrentLevel>, SideCodeOf<&A::ZCTA3CU, 3>,
    FillRecord<3, 0, Attributes::kCodeOnly>};

const Conv2PolygonLayer kCbsaCurrent = {
    {"CBSA", "Gathering CBSA Boundary Lines", "There are no Cbsacu records\n",
     "the number of CBSA border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting CBSA Current\n",
     "There are no Core Based Statistical Areas border lines\n", "cbsacu", "cbsa", kCbsaFields, 119, "CBSA",
     shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kCbsaCurrentLevel>, SideCodeOf<&A::CBSACU, 5>,
    FillRecord<5, kCbsaEntity, Attributes::kCbsaMetroMicro>};

const Conv2PolygonLayer kCsaCurrent = {
    {"CSA", "Gathering CSA Boundary Lines", "There are no Csacu records\n",
     "the number of CSA border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting CSA Current\n",
     "There are no Combined Statistical Areas border lines\n", "csacu", "csa", kCsaFields, 82, "CSA",
     shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kCsaCurrentLevel>, SideCodeOf<&A::CSACU, 3>,
    FillRecord<3, kCsaEntity, kStatistical>};

const Conv2PolygonLayer kMetropolitanDivisionCurrent = {
    {"METDIVCU", "Gathering METDIV Boundary Lines", "There are no Metdivcu records\n",
     "the number of METDIV border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting METDIV Current\n",
     "There are no Metropolitan Division border lines\n", "metdivcu", "metdiv", kMetropolitanDivisionFields, 84,
     "METDIV", shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kMetropolitanDivisionCurrentLevel>, SideCodeOf<&A::METDIVCU, 5>,
    FillRecord<5, kMetropolitanDivisionEntity, kStatistical>};

const Conv2PolygonLayer kNectaCurrent = {
    {"NECTACU", "Gathering NECTA Boundary Lines", "There are no Nectacu records\n",
     "the number of NECTA border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting NECTA Current\n",
     "There are no NECTA border lines\n", "nectacu", "necta", kNectaFields, 119, "NECTA", shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kNectaCurrentLevel>, SideCodeOf<&A::NECTACU, 5>,
    FillRecord<5, kNectaEntity, Attributes::kNectaMetroMicro>};

const Conv2PolygonLayer kCombinedNectaCurrent = {
    {"CNECTACU", "Gathering CNECTA Boundary Lines", "There are no Cnectacu records\n",
     "the number of CNECTA border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting CNECTA Current\n",
     "There are no CNECTA border lines\n", "cnectacu", "cnecta", kCombinedNectaFields, 82, "CNECTA",
     shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kCombinedNectaCurrentLevel>, SideCodeOf<&A::CNECTACU, 3>,
    FillRecord<3, kCombinedNectaEntity, kStatistical>};

const Conv2PolygonLayer kNectaDivisionCurrent = {
    {"NECTADIVCU", "Gathering NECTA Division Boundary Lines", "There are no Nectadivcu records\n",
     "the number of NECTADIV border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting NECTADIV Current\n",
     "There are no NECTA Division border lines\n", "nectadivcu", "nectadiv", kMetropolitanDivisionFields, 84,
     "METDIV", shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kNectaDivisionCurrentLevel>, SideCodeOf<&A::NECTADIVCU, 5>,
    FillRecord<5, kMetropolitanDivisionEntity, kStatistical>};

const Conv2PolygonLayer kUpperChamberDistrictCurrent = {
    {"SLDUCU", "Gathering SLDUCU Boundary Lines", "There are no SLDU Current records\n",
     "the number of SLDU Current border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting SLDU Current\n",
     "There are no State Legislative Districts Upper House Current border lines\n", "slducu", "sld",
     kUpperChamberFields, 77, "SLDU", shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kUpperChamberCurrentLevel>, SideCodeOf<&A::SLDUCU, 3>,
    FillRecord<3, kUpperChamberEntity, Attributes::kNameOnly>};

const Conv2PolygonLayer kLowerChamberDistrictCurrent = {
    {"SLDLCU", "Gathering SLDLCU Boundary Lines", "There are no SLDL Current records\n",
     "the number of SLDLCU Current border lines exceeds the count",
     "Try turning off the water polygon clipping option before extracting SLDL Current\n",
     "There are no State Legislative Districts Lower House Current border lines\n", "sldlcu", "sld",
     kLowerChamberFields, 77, "SLDL", shapeio::CompareTextAt6},
    SideSource::kTypeA, CountA<kLowerChamberCurrentLevel>, SideCodeOf<&A::SLDLCU, 3>,
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

}  // namespace vornak2
