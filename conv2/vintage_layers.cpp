// Traffic analysis zones, urban areas (2000 and, from the type A rows,
// current), voting districts 2000, state legislative districts and urban
// growth areas. Every entry holds the side's county code at 0 and the
// layer's code at 6.
#include "conv2/census2000_codes.h"
#include "conv2/entity_names.h"
#include "conv2/job_state.h"
#include "conv2/layer_catalogue.h"
#include "conv2/polygon_layers.h"
#include "conv2/polygon_sides.h"
#include "conv2/stages.h"
#include "tigercore/sort_keys.h"
#include "tigercore/zone_urban_layers.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace vornak2 {

namespace {

using polygons::BorderLineEntry;
using polygons::CompareTextAt6;
using polygons::PolygonLayerDescriptor;
using shapeio::DbfFieldDef;
using shapeio::DbfRecord;

constexpr int kCensusYear = 2000;

// ------------------------------------------------ traffic analysis zones
// Key "%6s%5s" of TAZ and UA: a zone cut by an urban area boundary is one
// polygon per urban area. A side without a zone code carries no code,
// whatever its UA. Entry: county code at 0, TAZ at 6, UA at 13.

void TrafficAnalysisZoneCode(const SideOf& side, SideCode& out) {
    const void* row = side.row;
    CountyKeyedCode2000<kTrafficAnalysisZoneLevel>(side, out);
    if (!row) return;
    const TypeSRecord& s = RowS(row);
    PutCodeText(out.entry + 6, s.TAZ, 6);
    PutCodeText(out.entry + 13, s.UA, 5);
    out.noCode = BlankPart(out.entry, 6, 6);
}

int CompareTazKey(const BorderLineEntry& a, const BorderLineEntry& b) {
    using Key = tigercore::JoinedKey<16>;
    return std::strcmp(Key().Right(a.code + 6, 6).Right(a.code + 13, 5).text(),
                       Key().Right(b.code + 6, 6).Right(b.code + 13, 5).text());
}

const DbfFieldDef kTrafficAnalysisZoneFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"TAZ", 'C', 6, 0}, {"UA", 'C', 5, 0}, {nullptr, 0, 0, 0},
};

void FillTrafficAnalysisZone(const BorderLineEntry& first, DbfRecord& record) {
    record.Add(EntryText(first, 0, 5)).Add(EntryText(first, 6, 6)).Add(EntryText(first, 13, 5));
}

// ------------------------------------------- urban and urban growth areas

const DbfFieldDef kUrbanAreaFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"UACODE", 'C', 5, 0}, {"NAME", 'C', 60, 0},
    {"LSADC", 'C', 2, 0},   {"ENTITY", 'C', 1, 0}, {"FIPSCC", 'C', 2, 0}, {"PLACEDC", 'C', 1, 0},
    {nullptr, 0, 0, 0},
};

void FillUrbanAreaOfYear(const BorderLineEntry& first, DbfRecord& record, int year) {
    std::string code = EntryText(first, 6, 5);
    std::string name = EntityName(kUrbanAreaEntity, code, "", year);
    record.Add(EntryText(first, 0, 5)).Add(code).Add(name);
    record.Add(FoundLsadc()).Add(FoundEntity()).Add(FoundFipscc()).Add(FoundPlacedc());
}

void FillUrbanArea2000(const BorderLineEntry& first, DbfRecord& record) {
    FillUrbanAreaOfYear(first, record, kCensusYear);
}

void FillUrbanAreaCurrent(const BorderLineEntry& first, DbfRecord& record) {
    FillUrbanAreaOfYear(first, record, gEditionYear);
}

// Urban Current: UACU of the side's type A row, with the county code of its
// current geography.
void UrbanCurrentCode(const SideOf& side, SideCode& out) {
    const void* row = side.row;
    CodeText text;
    if (!row) {
        CurrentLevelBlank(kUrbanCurrentLevel, text);
        std::memcpy(out.key, text.text, sizeof out.key);
        return;
    }
    const TypeARecord& a = *static_cast<const TypeARecord*>(row);
    CurrentLevelCode(kUrbanCurrentLevel, a, text);
    std::memcpy(out.key, text.text, sizeof out.key);
    CodeText county;
    CurrentLevelCode(kCountyCurrentLevel, a, county);
    PutCodeText(out.entry, county.text, 5);
    PutCodeText(out.entry + 6, text.text, 5);
}

int CountUrbanCurrent() { return gBorderLineCountsA[kUrbanCurrentLevel]; }

// ---------------------------------------------------- voting districts 2000
// Key "%5s%6s" of the county code and VTD: one polygon is one voting
// district of one county. A side without a VTD code carries no code.

void VotingDistrictCode(const SideOf& side, SideCode& out) {
    const void* row = side.row;
    CountyKeyedCode2000<kVotingDistrict2000Level>(side, out);
    if (!row) return;
    PutCodeText(out.entry + 6, RowS(row).VTD, 6);
    out.noCode = BlankPart(out.entry, 6, 6);
}

int CompareVotingDistrictKey(const BorderLineEntry& a, const BorderLineEntry& b) {
    using Key = tigercore::JoinedKey<16>;
    return std::strcmp(Key().Right(a.code, 5, true).Right(a.code + 6, 6, true).text(),
                       Key().Right(b.code, 5, true).Right(b.code + 6, 6, true).text());
}

const DbfFieldDef kVotingDistrict2000Fields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"VOTE00", 'C', 6, 0},  {"NAME", 'C', 60, 0},
    {"LSADC", 'C', 2, 0},   {"ENTITY", 'C', 1, 0}, {"PLACEDC", 'C', 1, 0}, {nullptr, 0, 0, 0},
};

void FillVotingDistrict(const BorderLineEntry& first, DbfRecord& record) {
    std::string county = EntryText(first, 0, 5);
    std::string code = EntryText(first, 6, 6);
    std::string name = EntityName(kVotingDistrictEntity, code, county, kCensusYear);
    record.Add(county).Add(code).Add(name).Add(FoundLsadc()).Add(FoundEntity()).Add(FoundPlacedc());
}

// ------------------------------------------ state legislative districts

const DbfFieldDef kUpperChamberDistrictFields[] = {
    {"GIST_ID", 'N', 8, 0},
    {"COUNTY", 'C', 5, 0},
    {"SLDU", 'C', 3, 0},
    {nullptr, 0, 0, 0},
};
const DbfFieldDef kLowerChamberDistrictFields[] = {
    {"GIST_ID", 'N', 8, 0},
    {"COUNTY", 'C', 5, 0},
    {"SLDL", 'C', 3, 0},
    {nullptr, 0, 0, 0},
};

void FillChamberDistrict(const BorderLineEntry& first, DbfRecord& record) {
    record.Add(EntryText(first, 0, 5)).Add(EntryText(first, 6, 3));
}

// ------------------------------------------------------------------ layers

const SideLayer kTrafficAnalysisZone = {
    tigercore::TrafficAnalysisZoneTexts(PolygonLayerDescriptor().Title("Traffic Analysis Zones"))
        .Fields(kTrafficAnalysisZoneFields, "TAZ")
        .Order(CompareTazKey),
    SideTable::kTypeS, CountS<kTrafficAnalysisZoneLevel>, TrafficAnalysisZoneCode, FillTrafficAnalysisZone};

const SideLayer kUrbanArea2000 = {
    tigercore::UrbanArea2000Texts()
        .ThemeFolder("urban")
        .Fields(kUrbanAreaFields, "UACODE")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kUrban2000Level>, CountyKeyedCode2000<kUrban2000Level>, FillUrbanArea2000};

// Water sides come from the Census 2000 sides, as for every layer.
const SideLayer kUrbanAreaCurrent = {
    PolygonLayerDescriptor()
        .Title("Urban Current")
        .StatusText("Gathering Urban Current Boundary Lines")
        .NoRecordsText("There are no Urban Current records\n")
        .OverflowText("the number of Urban Current border lines exceeds the count")
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting Urban Current\n")
        .NoEntriesText("There are no Urban Current border lines\n")
        .Abbreviation("urbcu")
        .ThemeFolder("urban")
        .Fields(kUrbanAreaFields, "UACODE")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountUrbanCurrent, UrbanCurrentCode, FillUrbanAreaCurrent};

const SideLayer kVotingDistrict2000 = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Voting Districts 2000", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Voting District 2000 Boundary Lines")
        .NoRecordsText("There are no Voting District 2000 records\n")
        .OverflowText("the number of voting district 2000 border lines exceeds the count")
        .NoEntriesClipText("There are no Voting Districts 2000 in this file\n")
        .NoEntriesText("There are no Voting Districts 2000 in this file\n")
        .Abbreviation("vtd00")
        .ThemeFolder("voting")
        .Fields(kVotingDistrict2000Fields, "VOTE00")
        .Order(CompareVotingDistrictKey),
    SideTable::kTypeS, CountS<kVotingDistrict2000Level>, VotingDistrictCode, FillVotingDistrict};

const SideLayer kUpperChamberDistrict = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("State Legislative Upper Chamber Districts", TitleMoment::kAfterAllocation)
        .StatusText("Gathering State Upper Chamber Lines")
        .NoRecordsText("There are no State Legislative Upper Chamber records\n")
        .OverflowText("the number of State Legislative Upper border lines exceeds the count")
        .NoEntriesClipText("All SLDU for this county coincide with water polygons\n"
     "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for SLDU polygons\n")
        .Abbreviation("sldu")
        .ThemeFolder("sldu")
        .Fields(kUpperChamberDistrictFields, "SLDU")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kUpperChamberLevel>, CountyKeyedCode2000<kUpperChamberLevel>, FillChamberDistrict};

const SideLayer kLowerChamberDistrict = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("State Legislative Lower Chamber Districts", TitleMoment::kAfterAllocation)
        .StatusText("Gathering State Lower Chamber Lines")
        .NoRecordsText("There are no State Legislative Lower Chamber records\n")
        .OverflowText("the number of State Legislative Lower border lines exceeds the count")
        .NoEntriesClipText("All SLDL for this county coincide with water polygons\n"
     "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for SLDL polygons\n")
        .Abbreviation("sldl")
        .ThemeFolder("sldl")
        .Fields(kLowerChamberDistrictFields, "SLDL")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kLowerChamberLevel>, CountyKeyedCode2000<kLowerChamberLevel>, FillChamberDistrict};

const SideLayer kUrbanGrowthArea2000 = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Urban Growth Areas 2000", TitleMoment::kAfterAllocation)
        .StatusText("Gathering UGA 2000 Boundary Lines")
        .NoRecordsText("There are no UGA 00 records\n")
        .OverflowText("the number of UGA 2000 border lines exceeds the count")
        .NoEntriesClipText("All UGA 2000 polygons for this county coincide with water polygons\n"
     "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for UGA 2000 polygons\n")
        .Abbreviation("uga00")
        .ThemeFolder("uga")
        .Fields(kUrbanAreaFields, "UACODE")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kUrbanGrowthArea2000Level>, CountyKeyedCode2000<kUrbanGrowthArea2000Level>,
    FillUrbanArea2000};

}  // namespace

void BuildTrafficAnalysisZonePolygons() { BuildPolygonLayer(kTrafficAnalysisZone); }
void BuildUrbanArea2000Polygons() { BuildPolygonLayer(kUrbanArea2000); }
void BuildUrbanAreaCurrentPolygons() { BuildPolygonLayer(kUrbanAreaCurrent); }
void BuildVotingDistrict2000Polygons() { BuildPolygonLayer(kVotingDistrict2000); }
void BuildUpperChamberDistrictPolygons() { BuildPolygonLayer(kUpperChamberDistrict); }
void BuildLowerChamberDistrictPolygons() { BuildPolygonLayer(kLowerChamberDistrict); }
void BuildUrbanGrowthArea2000Polygons() { BuildPolygonLayer(kUrbanGrowthArea2000); }

void AddVintageLayers(std::vector<SideLayer>& layers) {
    for (const SideLayer* layer : {&kTrafficAnalysisZone, &kUrbanArea2000, &kUrbanAreaCurrent, &kVotingDistrict2000,
                                   &kUpperChamberDistrict, &kLowerChamberDistrict, &kUrbanGrowthArea2000})
        layers.push_back(*layer);
}

}  // namespace vornak2
