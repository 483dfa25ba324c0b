// Traffic analysis zones, urban areas of 1990 and 2000 and public use
// microdata areas, from the type A rows. Every entry holds the line's county
// code at 0 (for both sides) and the layer's code at 6.
#include "conv1/entity_names.h"
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/level_layers.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "tigercore/zone_urban_layers.h"

#include <cstring>
#include <string>

namespace vornak {

using polygons::CompareTextAt6;
using polygons::PolygonLayerDescriptor;

namespace {

// ------------------------------------------------ traffic analysis zones
// A side is its zone and the zone's 4-character companion text, as the
// border step compares them: up to release 99 the CTPP text, in releases
// 100 and 101 the 1990 urban area. From release 102 the rows carry no
// companion text and the zones are keyed by the zone alone. Entry: the
// zone at 6, the companion text at 13.

constexpr int kZoneAt = 6;
constexpr int kCompanionAt = 13;
constexpr int kZoneWidth = 6;
constexpr int kCompanionWidth = 4;
constexpr int kFirstReleaseWithoutCompanion = 102;

void TrafficAnalysisZoneSide(const SideOf& side, SideCode& out) {
    CodeText text;
    if (side.row)
        TypeALevelCode(kTrafficAnalysisZoneLevel, RowA(side), side.line,
                       side.left ? LineSide::kLeft : LineSide::kRight, text);
    else
        TypeALevelBlank(kTrafficAnalysisZoneLevel, text);
    if (gEditionCode >= kFirstReleaseWithoutCompanion && std::strlen(text.text) >= kZoneWidth)
        PutCodeText(text.text + kZoneWidth, "", kCompanionWidth);
    out.noCode = !TypeALevelCarriesCode(kTrafficAnalysisZoneLevel, text);
    std::memcpy(out.key, text.text, sizeof out.key);
    if (!side.row) return;
    PutLineCounty(side.line, out.entry);
    const std::string zone(text.text, strnlen(text.text, kZoneWidth));
    PutCodeText(out.entry + kZoneAt, zone.c_str(), kZoneWidth);
    PutCodeText(out.entry + kCompanionAt, std::strlen(text.text) > kZoneWidth ? text.text + kZoneWidth : "",
                kCompanionWidth);
}

// The same record for both releases; only the name of the companion field differs.
const DbfFieldDef kTrafficAnalysisZoneFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"TAZ", 'C', 6, 0}, {"CTPP", 'C', 4, 0}, {nullptr, 0, 0, 0},
};
const DbfFieldDef kTrafficAnalysisZoneUa90Fields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"TAZ", 'C', 6, 0}, {"UA90", 'C', 4, 0}, {nullptr, 0, 0, 0},
};

void FillTrafficAnalysisZone(const BorderLineEntry& first, DbfRecord& record) {
    record.Add(FieldText(EntryText(first, 0, 5)))
        .Add(FieldText(EntryText(first, kZoneAt, kZoneWidth)))
        .Add(FieldText(EntryText(first, kCompanionAt, kCompanionWidth)));
}

constexpr PolygonLayerDescriptor TrafficAnalysisZoneDescriptor(const DbfFieldDef* fields) {
    return tigercore::TrafficAnalysisZoneTexts(
               PolygonLayerDescriptor().Title("").SecondTitle("Traffic Analysis Zones", TitleMoment::kAfterAllocation))
        .Fields(fields, "TAZ")
        .Order(CompareCodesInTurn<kZoneAt, kCompanionAt>);
}

const SideLayer kTrafficAnalysisZoneCtpp = {TrafficAnalysisZoneDescriptor(kTrafficAnalysisZoneFields),
                                            SideTable::kTypeA, CountA<kTrafficAnalysisZoneLevel>,
                                            TrafficAnalysisZoneSide, FillTrafficAnalysisZone};
const SideLayer kTrafficAnalysisZoneUa90 = {TrafficAnalysisZoneDescriptor(kTrafficAnalysisZoneUa90Fields),
                                            SideTable::kTypeA, CountA<kTrafficAnalysisZoneLevel>,
                                            TrafficAnalysisZoneSide, FillTrafficAnalysisZone};

const SideLayer& TrafficAnalysisZoneLayer() {
    return gEditionCode < 100 ? kTrafficAnalysisZoneCtpp : kTrafficAnalysisZoneUa90;
}

// ------------------------------------------------------- urban areas 1990

const DbfFieldDef kUrbanArea1990Fields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"UACODE", 'C', 5, 0}, {"NAME", 'C', 66, 0}, {nullptr, 0, 0, 0},
};

void FillUrbanArea1990(const BorderLineEntry& first, DbfRecord& record) {
    const std::string code = EntryText(first, 6, 5);
    record.Add(FieldText(EntryText(first, 0, 5))).Add(FieldText(code));
    record.Add(TrimmedName(NameFrom100(kUrbanAreaEntity, code, "", 1990)));
}

const SideLayer kUrbanArea1990 = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Urban Areas 1990", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Urban Boundary Lines")
        .NoRecordsText("There are no Urban 90 records\n")
        .OverflowText("the number of Urban border lines exceeds the count")
        .NoEntriesClipText("All urban polygons for this county coincide with water polygons\n"
                           "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for urban polygons\n")
        .Abbreviation("urb")
        .ThemeFolder("urban")
        .Fields(kUrbanArea1990Fields, "UACODE")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kUrbanArea1990Level>,
    LevelSideCode<SideTable::kTypeA, kUrbanArea1990Level, CountyFrom::kLine, 6, 5>, FillUrbanArea1990};

// ---------------------------------------- public use microdata areas

const DbfFieldDef kPumaFields[] = {
    {"GIST_ID", 'N', 8, 0},
    {"COUNTY", 'C', 5, 0},
    {"PUMA", 'C', 5, 0},
    {nullptr, 0, 0, 0},
};

void FillPuma(const BorderLineEntry& first, DbfRecord& record) {
    record.Add(FieldText(EntryText(first, 0, 5))).Add(FieldText(EntryText(first, 6, 5)));
}

const SideLayer kPuma = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Public Use Microdata Areas", TitleMoment::kAfterAllocation)
        .StatusText("Gathering PUMA Boundary Lines")
        .NoRecordsText("There are no Puma records\n")
        .OverflowText("the number of Puma border lines exceeds the count")
        .NoEntriesClipText("All PUMA polygons for this county coincide with water polygons\n"
                           "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for PUMA polygons\n")
        .Abbreviation("puma")
        .ThemeFolder("puma")
        .Fields(kPumaFields, "PUMA")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kPumaLevel>, LevelSideCode<SideTable::kTypeA, kPumaLevel, CountyFrom::kLine, 6, 5>,
    FillPuma};

// ------------------------------------------------------- urban areas 2000
// The name and, where the lookup found a type C row, its LSADC.

const DbfFieldDef kUrbanArea2000Fields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"UACODE", 'C', 5, 0},
    {"NAME", 'C', 66, 0},   {"UAUC", 'C', 2, 0},   {nullptr, 0, 0, 0},
};

void FillUrbanArea2000(const BorderLineEntry& first, DbfRecord& record) {
    const std::string code = EntryText(first, 6, 5);
    gEntityRow = -1;
    const std::string name = TrimmedName(NameFrom100(kUrbanAreaEntity, code, "", 2000));
    std::string lsadc = "  ";
    if (gEntityRow >= 0 && gEntityRow < static_cast<int>(gTypeCRecords.size()))
        lsadc = gTypeCRecords[static_cast<size_t>(gEntityRow)].LSADC;
    record.Add(FieldText(EntryText(first, 0, 5))).Add(FieldText(code)).Add(name).Add(FieldText(lsadc));
}

const SideLayer kUrbanArea2000 = {
    tigercore::UrbanArea2000Texts()
        .ThemeFolder("urban00")
        .Fields(kUrbanArea2000Fields, "NAME")
        .Order(CompareTextAt6),
    SideTable::kTypeA, CountA<kUrbanArea2000Level>,
    LevelSideCode<SideTable::kTypeA, kUrbanArea2000Level, CountyFrom::kLine, 6, 5>, FillUrbanArea2000};

}  // namespace

void BuildTrafficAnalysisZonePolygons() { BuildPolygonLayer(TrafficAnalysisZoneLayer()); }
void BuildUrbanArea1990Polygons() { BuildPolygonLayer(kUrbanArea1990); }
void BuildPumaPolygons() { BuildPolygonLayer(kPuma); }
void BuildUrbanArea2000Polygons() { BuildPolygonLayer(kUrbanArea2000); }

void AddZoneUrbanLayers(std::vector<SideLayer>& layers) {
    layers.push_back(TrafficAnalysisZoneLayer());
    layers.push_back(kUrbanArea1990);
    layers.push_back(kPuma);
    layers.push_back(kUrbanArea2000);
}

}  // namespace vornak
