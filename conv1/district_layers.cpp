// Metropolitan areas (CMSA/MSA, PMSA), congressional districts (current and
// 106th Congress) and state legislative districts (lower and upper
// chamber). The metropolitan entries hold the county code at 0 and the code
// at 6; the district entries the county code and the district right after
// it. The county code is the line's, but for the 106th Congress, whose
// county is the file's of the side's own type A row.
#include "conv1/entity_names.h"
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/level_layers.h"
#include "conv1/stages.h"
#include "tigercore/shared_layer_fields.h"

namespace vornak {

using polygons::CompareTextAt5;
using polygons::CompareTextAt6;
using polygons::PolygonLayerDescriptor;
using tigercore::kCongressionalDistrictFields;

namespace {

constexpr int kCensusYear = 2000;
constexpr int kFirstRenamedRelease = 100;      // file names, folders, tables, no-records texts
constexpr int kFirstRetitledChamberRelease = 99;  // the chambers' titles and status texts

// ----------------------------------------------------- metropolitan areas

const DbfFieldDef kCmsaMsaFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"CMSAMSA", 'C', 4, 0}, {"NAME", 'C', 66, 0}, {nullptr, 0, 0, 0},
};
const DbfFieldDef kPmsaFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"PMSA", 'C', 4, 0}, {"NAME", 'C', 66, 0}, {nullptr, 0, 0, 0},
};

template <int Kind>
void FillMetropolitanArea(const BorderLineEntry& first, DbfRecord& record) {
    const std::string code = EntryText(first, 6, 4);
    record.Add(FieldText(EntryText(first, 0, 5))).Add(FieldText(code));
    record.Add(TrimmedName(NameFrom100(Kind, code, "", kCensusYear)));
}

constexpr PolygonLayerDescriptor CmsaMsaDescriptor(const char* abbreviation, const char* folder) {
    return PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("CMSA and MSAs 1990", TitleMoment::kAfterAllocation)
        .StatusText("Gathering CMSA/MSA Boundary Lines")
        .NoRecordsText("There are no CMSA-MSA records\n")
        .OverflowText("the number of CMSAMSA border lines exceeds the count")
        .NoEntriesClipText("All CMSA and MSA polygons for this county coincide with water polygons\n"
                           "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for CMSA/MSA polygons\n")
        .Abbreviation(abbreviation)
        .ThemeFolder(folder)
        .Fields(kCmsaMsaFields, "NAME")
        .Order(CompareTextAt6);
}

constexpr PolygonLayerDescriptor PmsaDescriptor(const char* abbreviation, const char* folder) {
    return PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("PMSAs", TitleMoment::kAfterAllocation)
        .StatusText("Gathering PMSA Boundary Lines")
        .NoRecordsText("There are no PMSA records\n")
        .OverflowText("the number of PMSA border lines exceeds the count")
        .NoEntriesClipText("All PMSA polygons for this county coincide with water polygons\n"
                           "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for PMSA polygons\n")
        .Abbreviation(abbreviation)
        .ThemeFolder(folder)
        .Fields(kPmsaFields, "NAME")
        .Order(CompareTextAt6);
}

SideLayer CmsaMsaLayer() {
    const bool renamed = gEditionCode >= kFirstRenamedRelease;
    return {renamed ? CmsaMsaDescriptor("msa00", "msa00") : CmsaMsaDescriptor("msa", "msa"), SideTable::kTypeS,
            CountS<kCmsaMsaLevel>, LevelSideCode<SideTable::kTypeS, kCmsaMsaLevel, CountyFrom::kLine, 6, 4>,
            FillMetropolitanArea<kCmsaMsaEntity>};
}

SideLayer PmsaLayer() {
    const bool renamed = gEditionCode >= kFirstRenamedRelease;
    return {renamed ? PmsaDescriptor("pms00", "pmsa00") : PmsaDescriptor("pms", "pmsa"), SideTable::kTypeS,
            CountS<kPmsaLevel>, LevelSideCode<SideTable::kTypeS, kPmsaLevel, CountyFrom::kLine, 6, 4>,
            FillMetropolitanArea<kPmsaEntity>};
}

// -------------------------------------------------- congressional districts

// DISTRICT holds the two characters of the code as they are.
void FillCongressionalDistrict(const BorderLineEntry& first, DbfRecord& record) {
    record.Add(FieldText(EntryText(first, 0, 5))).Add(FieldText(EntryText(first, 5, 2)));
}

const SideLayer kCongressionalDistrictCurrent = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Congressional Districts Current", TitleMoment::kAfterAllocation)
        .StatusText("Gathering CDCU Boundary Lines")
        .NoRecordsText("There are no Congressional Districts Current records\n")
        .OverflowText("the number of CDCU border lines exceeds the count")
        .NoEntriesClipText("All CDCU for this county coincide with water polygons\n"
                           "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for CDCU polygons\n")
        .Abbreviation("cdc")
        .ThemeFolder("congress")
        .Fields(kCongressionalDistrictFields, "DISTRICT")
        .Order(CompareTextAt5),
    SideTable::kTypeS, CountS<kCongressionalDistrictCurrentLevel>,
    LevelSideCode<SideTable::kTypeS, kCongressionalDistrictCurrentLevel, CountyFrom::kLine, 5, 2>,
    FillCongressionalDistrict};

const SideLayer kCongressionalDistrict106 = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("106th Congressional Districts", TitleMoment::kAfterAllocation)
        .StatusText("Gathering CD106 Boundary Lines")
        .NoRecordsText("There are no 106 Congressional Districts records\n")
        .OverflowText("the number of CD106 border lines exceeds the count")
        .NoEntriesClipText("There are no CD106 border lines\n")
        .NoEntriesText("There are no CD106 border lines\n")
        .Abbreviation("cd106")
        .ThemeFolder("106congress")
        .Fields(kCongressionalDistrictFields, "DISTRICT")
        .Order(CompareTextAt5),
    SideTable::kTypeA, CountA<kCongressionalDistrict106Level>,
    LevelSideCode<SideTable::kTypeA, kCongressionalDistrict106Level, CountyFrom::kRowAFile, 5, 2>,
    FillCongressionalDistrict};

// ----------------------------------------------- state legislative districts

const DbfFieldDef kStateHouseFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"ST_HOUSE", 'C', 6, 0}, {nullptr, 0, 0, 0}};
const DbfFieldDef kLowerChamberDistrictFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"SLDL", 'C', 6, 0}, {nullptr, 0, 0, 0}};
const DbfFieldDef kStateSenateFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"ST_SENATE", 'C', 6, 0}, {nullptr, 0, 0, 0}};
const DbfFieldDef kUpperChamberDistrictFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"SLDU", 'C', 6, 0}, {nullptr, 0, 0, 0}};

void FillChamberDistrict(const BorderLineEntry& first, DbfRecord& record) {
    record.Add(FieldText(EntryText(first, 0, 5))).Add(FieldText(EntryText(first, 5, 6)));
}

// One chamber's texts and files: before and from the release that renamed
// them (titles and status texts change one release earlier).
struct ChamberLayer {
    const char* title[2];
    const char* status[2];
    const char* noRecords[2];
    const char* overflow;
    const char* noLines;
    const char* allWater;
    const char* abbreviation[2];
    const char* folder[2];
    const DbfFieldDef* fields[2];
    const char* nameField[2];
    const char* partsFileLogName;  // null: "parts.tmp"
};

constexpr ChamberLayer kLowerChamber = {
    {"State House Districts", "State Legislative Lower Chamber Districts"},
    {"Gathering State House Boundary Lines", "Gathering State Lower Chamber Lines"},
    {"There are no State House records\n", "There are no State Legislative Lower Chamber records\n"},
    "the number of State House border lines exceeds the count",
    "There are no lines for State House polygons\n",
    "All State House polygons for this county coincide with water polygons\n"
    "Try turning off the water polygon clipping option\n",
    {"hse", "sldl"},
    {"statehouse", "statelower"},
    {kStateHouseFields, kLowerChamberDistrictFields},
    {"ST_HOUSE", "SLDL"},
    "pats.tmp"};

constexpr ChamberLayer kUpperChamber = {
    {"State Senate Districts", "State Legislative Upper Chamber Districts"},
    {"Gathering State Senate Boundary Lines", "Gathering State Upper Chamber Lines"},
    {"There are no State Senate records\n", "There are no State Legislative Upper Chamber records\n"},
    "the number of State Senate border lines exceeds the count",
    "There are no lines for State Senate polygons\n",
    "All State Senate for this county coincide with water polygons\n"
    "Try turning off the water polygon clipping option\n",
    {"sen", "sldu"},
    {"statesenate", "stateupper"},
    {kStateSenateFields, kUpperChamberDistrictFields},
    {"ST_SENATE", "SLDU"},
    nullptr};

template <int Level>
SideLayer ChamberLayerOfRelease(const ChamberLayer& c) {
    const int titled = gEditionCode >= kFirstRetitledChamberRelease ? 1 : 0;
    const int renamed = gEditionCode >= kFirstRenamedRelease ? 1 : 0;
    return {PolygonLayerDescriptor()
                .Title("")
                .SecondTitle(c.title[titled], TitleMoment::kAfterAllocation)
                .StatusText(c.status[titled])
                .NoRecordsText(c.noRecords[renamed])
                .OverflowText(c.overflow)
                .NoEntriesClipText(c.allWater)
                .NoEntriesText(c.noLines)
                .Abbreviation(c.abbreviation[renamed])
                .ThemeFolder(c.folder[renamed])
                .Fields(c.fields[renamed], c.nameField[renamed])
                .Order(CompareTextAt5)
                .PartsFileLogName(c.partsFileLogName),
            SideTable::kTypeS, CountS<Level>, LevelSideCode<SideTable::kTypeS, Level, CountyFrom::kLine, 5, 6>,
            FillChamberDistrict};
}

SideLayer LowerChamberLayer() { return ChamberLayerOfRelease<kLowerChamberLevel>(kLowerChamber); }
SideLayer UpperChamberLayer() { return ChamberLayerOfRelease<kUpperChamberLevel>(kUpperChamber); }

}  // namespace

void BuildCmsaMsaPolygons() { BuildPolygonLayer(CmsaMsaLayer()); }
void BuildPmsaPolygons() { BuildPolygonLayer(PmsaLayer()); }
void BuildCongressionalDistrictCurrentPolygons() { BuildPolygonLayer(kCongressionalDistrictCurrent); }
void BuildCongressionalDistrict106Polygons() { BuildPolygonLayer(kCongressionalDistrict106); }
void BuildLowerChamberDistrictPolygons() { BuildPolygonLayer(LowerChamberLayer()); }
void BuildUpperChamberDistrictPolygons() { BuildPolygonLayer(UpperChamberLayer()); }

void AddDistrictLayers(std::vector<SideLayer>& layers) {
    for (const SideLayer& layer : {CmsaMsaLayer(), PmsaLayer(), kCongressionalDistrictCurrent,
                                   kCongressionalDistrict106, LowerChamberLayer(), UpperChamberLayer()})
        layers.push_back(layer);
}

}  // namespace vornak
