// County subdivisions (minor civil divisions or census county divisions) of
// 1990, from the type A rows, and of the current geography or Census 2000,
// from the type S rows, with their sub-subdivisions. Every entry holds the
// county code at 0 and the subdivision code at 6; the current and 2000
// entries hold the sub-subdivision code at 12.
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/polygon_layers.h"
#include "conv1/stages.h"
#include "tigercore/sort_keys.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace vornak {

using polygons::CompareTextAt6;
using polygons::PolygonLayerDescriptor;

namespace {

using Descriptor = PolygonLayerDescriptor;

constexpr int kCountyOffset = 0;
constexpr int kCodeOffset = 6;
constexpr int kExtraCodeOffset = 12;
constexpr int kCodeWidth = 5;
constexpr int kYear1990 = 1990;
constexpr int kYear2000 = 2000;

// ------------------------------------------------------------ field tables

const DbfFieldDef kFmcd90Fields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"FMCD90", 'C', 5, 0}, {"NAME", 'C', 66, 0}, {nullptr, 0, 0, 0},
};
const DbfFieldDef kCousub90Fields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"COUSUB90", 'C', 5, 0}, {"NAME", 'C', 66, 0}, {nullptr, 0, 0, 0},
};
const DbfFieldDef kMcdCurrentFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0},  {"MCD_CUR", 'C', 5, 0},  {"NAME", 'C', 66, 0},
    {"SUB_MCD", 'C', 5, 0}, {"SUBNAME", 'C', 66, 0}, {nullptr, 0, 0, 0},
};
const DbfFieldDef kMcd2000Fields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0},  {"MCD2000", 'C', 5, 0},  {"NAME", 'C', 66, 0},
    {"SUB_MCD", 'C', 5, 0}, {"SUBNAME", 'C', 66, 0}, {nullptr, 0, 0, 0},
};

// -------------------------------------------------------------- side codes

// 1990: the key is the subdivision code alone, so a line between two
// counties inside one subdivision code is no border. The county code is the
// side's own (from the line's type 3 row before release 97).
void Subdivision1990Code(const SideOf& side, SideCode& out) {
    CodeText code;
    if (!side.row) {
        TypeALevelBlank(kCountySubdivision1990Level, code);
        std::memcpy(out.key, code.text, sizeof out.key);
        return;
    }
    const LineSide lineSide = side.left ? LineSide::kLeft : LineSide::kRight;
    TypeALevelCode(kCountySubdivision1990Level, RowA(side), side.line, lineSide, code);
    std::memcpy(out.key, code.text, sizeof out.key);
    PutTypeACounty(side, out.entry + kCountyOffset);
    PutCodeText(out.entry + kCodeOffset, code.text, kCodeWidth);
}

// Current and 2000: the key is "%5s%5s" of the subdivision and the
// sub-subdivision; the county code is the file's, from the type I row.
void SubdivisionCurrentCode(const SideOf& side, SideCode& out) {
    CodeText key;
    if (!side.row) {
        TypeSLevelBlank(kCountySubdivisionCurrentLevel, key);
        std::memcpy(out.key, key.text, sizeof out.key);
        return;
    }
    TypeSLevelCode(kCountySubdivisionCurrentLevel, RowS(side), key);
    std::memcpy(out.key, key.text, sizeof out.key);
    PutLineCounty(side.line, out.entry + kCountyOffset);
    PutCodeText(out.entry + kCodeOffset, std::string(key.text, kCodeWidth).c_str(), kCodeWidth);
    PutCodeText(out.entry + kExtraCodeOffset, key.text + kCodeWidth, kCodeWidth);
}

int CompareCountySubdivisionKey(const BorderLineEntry& a, const BorderLineEntry& b) {
    using Key = tigercore::JoinedKey<24>;
    const int order = std::strcmp(Key().Right(a.code + kCodeOffset, 5).Right(a.code + kExtraCodeOffset, 5).text(),
                                  Key().Right(b.code + kCodeOffset, 5).Right(b.code + kExtraCodeOffset, 5).text());
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

int CountSubdivision1990() { return gBorderLineCountsA[kCountySubdivision1990Level]; }
int CountSubdivisionCurrent() { return gBorderLineCountsS[kCountySubdivisionCurrentLevel]; }

// ------------------------------------------------------------------ records
// Names of the subdivision and sub-subdivision within the polygon's county
// (that of its first entry).

template <int Year>
void FillSubdivision1990(const BorderLineEntry& first, DbfRecord& record) {
    const std::string county = EntryText(first, kCountyOffset, kCodeWidth);
    const std::string code = EntryText(first, kCodeOffset, kCodeWidth);
    record.Add(county).Add(code).Add(NameFrom100(kCountySubdivisionEntity, code, county, Year));
}

void FillSubdivisionCurrent(const BorderLineEntry& first, DbfRecord& record) {
    const std::string county = EntryText(first, kCountyOffset, kCodeWidth);
    const std::string code = EntryText(first, kCodeOffset, kCodeWidth);
    const std::string extra = EntryText(first, kExtraCodeOffset, kCodeWidth);
    record.Add(county).Add(code).Add(NameFrom100(kCountySubdivisionEntity, code, county, kYear2000));
    record.Add(extra).Add(NameFrom100(kCountySubdivisionEntity, extra, county, kYear2000));
}

// ------------------------------------------------------------------ layers

SideLayer Subdivision1990Layer(const DbfFieldDef* fields, const char* nameField) {
    return {Descriptor()
                .Title("County Subdivisions 90")
                .StatusText("Gathering County Division Boundary Lines", StatusMoment::kBeforeAllocation)
                .NoRecordsText("There are no County Division 90 records\n")
                .OverflowText("the number of CCD or MCD border lines exceeds the count")
                .NoEntriesClipText("Try turning off the water polygon clipping option before extracting CCDs\n")
                .NoEntriesText("There are no CCD border lines\n")
                .Abbreviation("ccd")
                .ThemeFolder("divisions90")
                .Fields(fields, nameField)
                .Order(CompareTextAt6),
            SideTable::kTypeA, CountSubdivision1990, Subdivision1990Code, FillSubdivision1990<kYear1990>};
}

// The two titles differ: the first is spelt "Divisons".
SideLayer SubdivisionCurrentLayer(const char* title, const char* secondTitle, const char* noRecords,
                                  const char* status, const char* abbreviation, const char* folder,
                                  const DbfFieldDef* fields, const char* nameField) {
    return {Descriptor()
                .Title(title)
                .SecondTitle(secondTitle, TitleMoment::kAfterAllocation)
                .StatusText(status, StatusMoment::kBeforeSorting)
                .NoRecordsText(noRecords)
                .OverflowText("the number of CCD or MCD current border lines exceeds the count")
                .NoEntriesClipText("Try turning off the water polygon clipping option before extracting CCDs\n")
                .NoEntriesText("There are no CCD border lines\n")
                .Abbreviation(abbreviation)
                .ThemeFolder(folder)
                .Fields(fields, nameField)
                .Order(CompareCountySubdivisionKey),
            SideTable::kTypeS, CountSubdivisionCurrent, SubdivisionCurrentCode, FillSubdivisionCurrent};
}

const SideLayer kSubdivision1990To99 = Subdivision1990Layer(kFmcd90Fields, "FMCD90");
const SideLayer kSubdivision1990From100 = Subdivision1990Layer(kCousub90Fields, "COUSUB90");

const SideLayer kSubdivisionCurrent = SubdivisionCurrentLayer(
    "County Divisons Current", "County Divisions Current", "There are no County Divsion Current records\n",
    "Gathering County Divisions Current Boundary Lines", "ccdcu", "divisionscu", kMcdCurrentFields, "MCD_CUR");
const SideLayer kSubdivision2000Release99 = SubdivisionCurrentLayer(
    "County Divisons 2000", "County Divisions 2000", "There are no County Divsion 2000 records\n",
    "Gathering County Divisions 2000 Boundary Lines", "ccd00", "divisions00", kMcdCurrentFields, "MCD_CUR");
const SideLayer kSubdivision2000 = SubdivisionCurrentLayer(
    "County Divisons 2000", "County Divisions 2000", "There are no County Divsion 2000 records\n",
    "Gathering County Divisions 2000 Boundary Lines", "ccd00", "divisions00", kMcd2000Fields, "MCD2000");

// The layers of the county's release.
const SideLayer& Subdivision1990() { return gEditionCode >= 100 ? kSubdivision1990From100 : kSubdivision1990To99; }
const SideLayer& SubdivisionCurrent() {
    if (gEditionCode >= 100) return kSubdivision2000;
    return gEditionCode >= 99 ? kSubdivision2000Release99 : kSubdivisionCurrent;
}

}  // namespace

void AddCountySubdivisionLayers(std::vector<SideLayer>& layers) {
    layers.push_back(Subdivision1990());
    layers.push_back(SubdivisionCurrent());
}

void BuildCountySubdivision1990Polygons() { BuildPolygonLayer(Subdivision1990()); }
void BuildCountySubdivisionCurrentPolygons() { BuildPolygonLayer(SubdivisionCurrent()); }

}  // namespace vornak
