// Census 2000 school districts, metropolitan areas, congressional districts
// (106th and 108th), public use microdata areas and ZIP code tabulation
// areas, from the type S sides. Every entry holds the side's county code at 0
// and the layer's code at 6.
#include "conv2/census2000_codes.h"
#include "conv2/entity_names.h"
#include "conv2/job_state.h"
#include "conv2/layer_catalogue.h"
#include "conv2/polygon_layers.h"
#include "conv2/polygon_sides.h"
#include "conv2/stages.h"
#include "tigercore/shared_layer_fields.h"

#include <string>

namespace vornak2 {

namespace {

using polygons::BorderLineEntry;
using polygons::CompareTextAt6;
using polygons::PolygonLayerDescriptor;
using shapeio::DbfFieldDef;
using shapeio::DbfRecord;
using tigercore::kCongressionalDistrictFields;
using tigercore::kZctaFields;

constexpr int kCensusYear = 2000;

// A name as the lookup gives it, without its trailing blanks.
std::string TrimmedName(std::string name) {
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

// --------------------------------------------------------- school districts

// School district codes find their type C row by numeric value.
void FillSchoolDistrict(const BorderLineEntry& first, DbfRecord& record) {
    std::string code = EntryText(first, 6, 5);
    std::string name = TrimmedName(EntityName(kSchoolDistrictEntity, code, "", kCensusYear));
    record.Add(EntryText(first, 0, 5)).Add(code).Add(name).Add(FoundLsadc()).Add(FoundEntity());
}

// ------------------------------------------------------ metropolitan areas

// The three area codes find their names by the one MA field of the type C
// rows, both sides trimmed.
void FillMetropolitanArea(const BorderLineEntry& first, DbfRecord& record) {
    std::string code = EntryText(first, 6, 4);
    std::string name = TrimmedName(EntityName(kMetropolitanAreaEntity, code, "", kCensusYear));
    record.Add(EntryText(first, 0, 5)).Add(code).Add(name).Add(FoundLsadc());
}

void FillMetropolitanAreaWithEntity(const BorderLineEntry& first, DbfRecord& record) {
    FillMetropolitanArea(first, record);
    record.Add(FoundEntity());
}

// -------------------------------------------------- congressional districts

// DISTRICT holds the two characters of the code, a leading zero included.
void FillCongressionalDistrict(const BorderLineEntry& first, DbfRecord& record) {
    record.Add(EntryText(first, 0, 5)).Add(EntryText(first, 6, 2));
}

// ------------------------------------------------------- PUMAs and ZCTAs

const DbfFieldDef kPuma5PercentFields[] = {
    {"GIST_ID", 'N', 8, 0},
    {"COUNTY", 'C', 5, 0},
    {"PUMA5", 'C', 5, 0},
    {nullptr, 0, 0, 0},
};
const DbfFieldDef kPuma1PercentFields[] = {
    {"GIST_ID", 'N', 8, 0},
    {"COUNTY", 'C', 5, 0},
    {"PUMA1", 'C', 5, 0},
    {nullptr, 0, 0, 0},
};

// The county code and the code of `Width` characters; no name.
template <int Width>
void FillCountyAndCode(const BorderLineEntry& first, DbfRecord& record) {
    record.Add(EntryText(first, 0, 5)).Add(EntryText(first, 6, Width));
}

// ------------------------------------------------------------------ layers

const SideLayer kElementarySchool2000 = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Elementary School Districts 2000", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Elementary School 2000 Boundary Lines")
        .NoRecordsText("There are no Elementary School 2000 records\n")
        .OverflowText("the number of Elementary 2000 border lines exceeds the count")
        .NoEntriesClipText("All elementary school 2000 polygons for this county coincide with water polygons\n"
     "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for elementary school 2000 polygons\n")
        .Abbreviation("sdelm00")
        .ThemeFolder("elementary")
        .Fields(kElementarySchoolFields, "ELEMENTARY")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kElementarySchool2000Level>, CountyKeyedCode2000<kElementarySchool2000Level>,
    FillSchoolDistrict};

const SideLayer kSecondarySchool2000 = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Secondary School Districts 2000", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Secondary School 2000 Boundary Lines")
        .NoRecordsText("There are no Secondary School 2000 records\n")
        .OverflowText("the number of secondary border lines 2000 exceeds the count")
        .NoEntriesClipText("All secondary school 2000 polygons for this county coincide with water polygons\n"
     "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for secondary school 2000 polygons\n")
        .Abbreviation("sdsec00")
        .ThemeFolder("secondary")
        .Fields(kSecondarySchoolFields, "SECONDARY")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kSecondarySchool2000Level>, CountyKeyedCode2000<kSecondarySchool2000Level>,
    FillSchoolDistrict};

const SideLayer kUnifiedSchool2000 = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Unified School Districts 2000", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Unified School Boundary Lines")
        .NoRecordsText("There are no Unified School 2000 records\n")
        .OverflowText("the number of unified border lines exceeds the count")
        .NoEntriesClipText("All unified school polygons for this county coincide with water polygons\n"
     "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for unified school polygons\n")
        .Abbreviation("sduni00")
        .ThemeFolder("unified")
        .Fields(kUnifiedSchoolFields, "UNIFIED")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kUnifiedSchool2000Level>, CountyKeyedCode2000<kUnifiedSchool2000Level>,
    FillSchoolDistrict};

const SideLayer kCmsaMsa2000 = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("MSA_CMSA 2000", TitleMoment::kAfterAllocation)
        .StatusText("Gathering MSA_CMSA 2000 Boundary Lines")
        .NoRecordsText("There are no MSA_CMSA 2000 records\n")
        .OverflowText("the number of msacmsa 2000 border lines exceeds the count")
        .NoEntriesClipText("All msacmsa 2000 polygons for this county coincide with water polygons\n"
     "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for msacmsa 2000 polygons\n")
        .Abbreviation("msa00")
        .ThemeFolder("msacmsa")
        .Fields(kCmsaMsaFields, "CMSAMSA")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kMsaCmsa2000Level>, CountyKeyedCode2000<kMsaCmsa2000Level>,
    FillMetropolitanAreaWithEntity};

const SideLayer kPmsa2000 = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("PMSA 2000", TitleMoment::kAfterAllocation)
        .StatusText("Gathering PMSA 2000 Boundary Lines")
        .NoRecordsText("There are no PMSA 2000 records\n")
        .OverflowText("the number of pmsa 2000 border lines exceeds the count")
        .NoEntriesClipText("All pmsa 2000 polygons for this county coincide with water polygons\n"
     "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for pmsa polygons\n")
        .Abbreviation("pmsa00")
        .ThemeFolder("pmsa")
        .Fields(kPmsaFields, "PMSA")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kPmsa2000Level>, CountyKeyedCode2000<kPmsa2000Level>, FillMetropolitanAreaWithEntity};

const SideLayer kNecma2000 = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("NECMA 2000", TitleMoment::kAfterAllocation)
        .StatusText("Gathering NECMA 2000 Boundary Lines")
        .NoRecordsText("There are no NECMA 2000 records\n")
        .OverflowText("the number of necma 2000 border lines exceeds the count")
        .NoEntriesClipText("All necma 2000 polygons for this county coincide with water polygons\n"
     "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for necma 2000 polygons\n")
        .Abbreviation("necma00")
        .ThemeFolder("necma")
        .Fields(kNecmaFields, "NECMA")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kNecma2000Level>, CountyKeyedCode2000<kNecma2000Level>, FillMetropolitanArea};

const SideLayer kCongressionalDistrict106 = {
    PolygonLayerDescriptor()
        .Title("106th Congressional Districts")
        .StatusText("Gathering 106th Congressional Districts Boundary Lines")
        .NoRecordsText("There are no 106th Congressional Districts records\n")
        .OverflowText("the number of CD106 border lines exceeds the count")
        .NoEntriesClipText("There are no CD106 border lines\n")
        .NoEntriesText("There are no CD106 border lines\n")
        .Abbreviation("cd106")
        .ThemeFolder("cd")
        .Fields(kCongressionalDistrictFields, "DISTRICT")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kCongressionalDistrict106Level>, CountyKeyedCode2000<kCongressionalDistrict106Level>,
    FillCongressionalDistrict};

const SideLayer kCongressionalDistrict108 = {
    PolygonLayerDescriptor()
        .Title("108th Congressional Districts")
        .StatusText("Gathering 108th Congressional Districts Boundary Lines")
        .NoRecordsText("There are no 108th Congressional Districts records\n")
        .OverflowText("the number of cd108 border lines exceeds the count")
        .NoEntriesClipText("There are no cd108 border lines\n")
        .NoEntriesText("There are no cd108 border lines\n")
        .Abbreviation("cd108")
        .ThemeFolder("cd")
        .Fields(kCongressionalDistrictFields, "DISTRICT")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kCongressionalDistrict108Level>, CountyKeyedCode2000<kCongressionalDistrict108Level>,
    FillCongressionalDistrict};

const SideLayer kPuma5Percent = {
    PolygonLayerDescriptor()
        .Title("Public Use Microdata Areas 5%")
        .StatusText("Gathering PUMA Boundary Lines")
        .NoRecordsText("There are no Puma5 records\n")
        .OverflowText("the number of Puma border lines exceeds the count")
        .NoEntriesClipText("All PUMA5 polygons for this county coincide with water polygons\n"
     "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for PUMA5 polygons\n")
        .Abbreviation("puma5")
        .ThemeFolder("puma5")
        .Fields(kPuma5PercentFields, "PUMA5")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kPuma5Level>, CountyKeyedCode2000<kPuma5Level>, FillCountyAndCode<5>};

const SideLayer kPuma1Percent = {
    PolygonLayerDescriptor()
        .Title("Public Use Microdata Areas 1%")
        .StatusText("Gathering PUMA1 Boundary Lines")
        .NoRecordsText("There are no Puma1 records\n")
        .OverflowText("the number of Puma1 border lines exceeds the count")
        .NoEntriesClipText("All PUMA1 polygons for this county coincide with water polygons\n"
     "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for PUMA1 polygons\n")
        .Abbreviation("puma1")
        .ThemeFolder("puma1")
        .Fields(kPuma1PercentFields, "PUMA1")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kPuma1Level>, CountyKeyedCode2000<kPuma1Level>, FillCountyAndCode<5>};

const SideLayer kZcta2000 = {
    PolygonLayerDescriptor()
        .Title("ZCTA5 2000")
        .EarlyStatusText("Gathering ZCTA 2000 Boundary Lines")
        .StatusText("Gathering ZCTA 2000 Boundary Lines")
        .NoRecordsText("There are no ZCTA 2000 records\n")
        .OverflowText("the number of ZCTA 2000 border lines exceeds the count")
        .NoEntriesClipText("There are no ZCTA 2000 border lines\n")
        .NoEntriesText("There are no ZCTA 2000 border lines\n")
        .Abbreviation("zcta500")
        .ThemeFolder("zcta")
        .Fields(kZctaFields, "ZCTA")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kZcta52000Level>, CountyKeyedCode2000<kZcta52000Level>, FillCountyAndCode<5>};

const SideLayer kThreeDigitZcta2000 = {
    PolygonLayerDescriptor()
        .Title("ZCTA3 2000")
        .EarlyStatusText("Gathering ZCTA3 Boundary Lines")
        .StatusText("Gathering ZCTA3 2000 Boundary Lines")
        .NoRecordsText("There are no ZCTA3 2000 records\n")
        .OverflowText("the number of ZCTA3 2000 border lines exceeds the count")
        .NoEntriesClipText("There are no ZCTA3 2000 border lines\n")
        .NoEntriesText("There are no ZCTA3 2000 border lines\n")
        .Abbreviation("zcta300")
        .ThemeFolder("zcta3")
        .Fields(kThreeDigitZctaFields, "ZCTA3")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kZcta32000Level>, CountyKeyedCode2000<kZcta32000Level>, FillCountyAndCode<3>};

}  // namespace

void BuildElementarySchoolDistrict2000Polygons() { BuildPolygonLayer(kElementarySchool2000); }
void BuildSecondarySchoolDistrict2000Polygons() { BuildPolygonLayer(kSecondarySchool2000); }
void BuildUnifiedSchoolDistrict2000Polygons() { BuildPolygonLayer(kUnifiedSchool2000); }
void BuildCmsaMsa2000Polygons() { BuildPolygonLayer(kCmsaMsa2000); }
void BuildPmsa2000Polygons() { BuildPolygonLayer(kPmsa2000); }
void BuildNecma2000Polygons() { BuildPolygonLayer(kNecma2000); }
void BuildCongressionalDistrict106Polygons() { BuildPolygonLayer(kCongressionalDistrict106); }
void BuildCongressionalDistrict108Polygons() { BuildPolygonLayer(kCongressionalDistrict108); }
void BuildPuma5PercentPolygons() { BuildPolygonLayer(kPuma5Percent); }
void BuildPuma1PercentPolygons() { BuildPolygonLayer(kPuma1Percent); }
void BuildZcta2000Polygons() { BuildPolygonLayer(kZcta2000); }
void BuildThreeDigitZcta2000Polygons() { BuildPolygonLayer(kThreeDigitZcta2000); }

void AddCensus2000AreaLayers(std::vector<SideLayer>& layers) {
    for (const SideLayer* layer : {&kElementarySchool2000, &kSecondarySchool2000, &kUnifiedSchool2000, &kCmsaMsa2000,
                                   &kPmsa2000, &kNecma2000, &kCongressionalDistrict106, &kCongressionalDistrict108,
                                   &kPuma5Percent, &kPuma1Percent, &kZcta2000, &kThreeDigitZcta2000})
        layers.push_back(*layer);
}

}  // namespace vornak2
