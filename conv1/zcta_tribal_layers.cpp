// ZIP code tabulation areas and Alaska Native Regional Corporations from the
// type S rows, and tribal subdivisions from the lines' type 3 rows.
#include "conv1/entity_names.h"
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/level_layers.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "conv1/type3_layers.h"
#include "tigercore/shared_layer_fields.h"
#include "tigercore/sort_keys.h"

#include <cstdio>
#include <cstring>

namespace vornak {

using polygons::CompareLeadingText;
using polygons::CompareTextAt5;
using polygons::CompareTextAt6;
using polygons::PolygonLayerDescriptor;
using tigercore::kZctaFields;

namespace {

constexpr int kCensusYear = 2000;

// ----------------------------------------------------------------- ZCTAs
// Entry: the side's county code and the ZCTA right after it. Sorted by
// county and ZCTA, dissolved by the ZCTA: the parts of one ZCTA in two
// counties are one polygon only where they meet in that order.

void FillZcta(const BorderLineEntry& first, DbfRecord& record) {
    record.Add(FieldText(EntryText(first, 0, 5))).Add(FieldText(EntryText(first, 5, 5)));
}

const SideLayer kZcta = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Zip Code Tabulation Areas", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Zipcode Tabulation Area Boundary Lines")
        .NoRecordsText("There are no ZCTA records\n")
        .OverflowText("the number of ZCTA border lines exceeds the count")
        .NoEntriesClipText("There are no ZCTA polygons in this file\n")
        .NoEntriesText("There are no ZCTA polygons in this file\n")
        .Abbreviation("zcta")
        .ThemeFolder("zcta")
        .Fields(kZctaFields, "ZCTA")
        .Order(CompareLeadingText)
        .GroupBy(CompareTextAt5),
    SideTable::kTypeS, CountS<kZctaLevel>, LevelSideCode<SideTable::kTypeS, kZctaLevel, CountyFrom::kRowS, 5, 5>,
    FillZcta};

// ----------------------------------------------------------------- ANRCs
// Entry: the line's county code for both sides and the ANRC at 6.

const DbfFieldDef kAnrcFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"ANRC", 'C', 2, 0}, {"NAME", 'C', 66, 0}, {nullptr, 0, 0, 0},
};

void FillAnrc(const BorderLineEntry& first, DbfRecord& record) {
    const std::string code = EntryText(first, 6, 2);
    record.Add(FieldText(EntryText(first, 0, 5))).Add(FieldText(code));
    record.Add(FieldText(NameWithoutYear(kAnrcEntity, code, "")));
}

const SideLayer kAnrc = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Alaska Native Regional Corporations", TitleMoment::kAfterAllocation)
        .StatusText("Gathering ANRC Boundary Lines")
        .NoRecordsText("There are no ANRC records\n")
        .OverflowText("the number of Anrc border lines exceeds the count")
        .NoEntriesClipText("All the ANRCs for this county coincide with water polygons\n"
                           "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for Alaska Native Regional Coorporations\n")
        .Abbreviation("arc")
        .ThemeFolder("anrc")
        .Fields(kAnrcFields, "ANRC")
        .Order(CompareTextAt6),
    SideTable::kTypeS, CountS<kAnrcLevel>, LevelSideCode<SideTable::kTypeS, kAnrcLevel, CountyFrom::kLine, 6, 2>,
    FillAnrc};

// --------------------------------------------------- tribal subdivisions
// A side is its tribal subdivision and tribal area of the line's type 3
// row; the line is a border where the type 3 reader marked it so. Entry:
// the line's county code, the tribal area at 6 and the subdivision at 12.

constexpr int kTribalAreaAt = 6;
constexpr int kTribalSubdivisionAt = 12;

void TribalSubdivisionSide(const Type3Record& row, int line, bool left, SideCode& out) {
    const char* subdivision = left ? row.AITSCEL : row.AITSCER;
    const char* area = left ? row.AITSL : row.AITSR;
    tigercore::JoinedKey<64>().Right(subdivision, 3).Right(area, 5).CopyTo(out.key, sizeof out.key);
    out.noCode = std::strcmp(out.key, "        ") == 0;
    PutLineCounty(line, out.entry);
    PutCodeText(out.entry + kTribalAreaAt, area, 5);
    PutCodeText(out.entry + kTribalSubdivisionAt, subdivision, 3);
}

bool IsTribalBorder(const Type3Record& row) { return row.tribalBorderFlag == 1; }

int CountTribalSubdivisions() { return gTribalSubdivisionBorderLineCount; }

const DbfFieldDef kAitsFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"FIPSCODE", 'C', 5, 0},
    {"AITSCE", 'C', 3, 0},  {"NAME", 'C', 66, 0},  {nullptr, 0, 0, 0},
};

void FillTribalSubdivision(const BorderLineEntry& first, DbfRecord& record) {
    const std::string area = EntryText(first, kTribalAreaAt, 5);
    const std::string subdivision = EntryText(first, kTribalSubdivisionAt, 3);
    record.Add(FieldText(EntryText(first, 0, 5))).Add(FieldText(area)).Add(FieldText(subdivision));
    record.Add(FieldText(NameByYear(kTribalSubdivisionEntity, area, subdivision, kCensusYear)));
}

const Type3Layer kTribalSubdivision = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Tribal Subdivisions", TitleMoment::kAfterAllocation)
        .StatusText("Gathering AITS Boundary Lines")
        .NoRecordsText("There are no AITS records\n")
        .OverflowText("the number of AITS border lines exceeds the count")
        .NoEntriesClipText("All the AITSs for this county coincide with water polygons\n"
                           "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for American Indian Tribal Subdivisions\n")
        .Abbreviation("aits")
        .ThemeFolder("aits")
        .Fields(kAitsFields, "AITSCE")
        .Order(CompareCodesInTurn<kTribalAreaAt, kTribalSubdivisionAt>),
    CountTribalSubdivisions, TribalSubdivisionSide, IsTribalBorder, FillTribalSubdivision, nullptr};

}  // namespace

void BuildZcta2000Polygons() { BuildPolygonLayer(kZcta); }
void BuildAnrcPolygons() { BuildPolygonLayer(kAnrc); }
void ReportNoAnrcRecords() { Services().WriteLogText("There are no ANRC Records in record type 3\n"); }
void BuildAits2000Polygons() { BuildType3Layer(kTribalSubdivision); }

void AddZctaTribalLayers(std::vector<SideLayer>& layers) {
    layers.push_back(kZcta);
    if (gEditionCode < 100) layers.push_back(kAnrc);
}

void AddZctaTribalDescriptors(std::vector<PolygonLayerDescriptor>& layers) {
    layers.push_back(kTribalSubdivision.layer);
}

}  // namespace vornak
