// Corrected Census 2000 urban areas and redefined 1990 urban areas of
// release 103, from the type S rows. An entry holds the line's county code
// in its first 5 characters, without a terminator, and the urban area code
// right after it; only the code is compared.
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/polygon_layers.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "tigercore/sort_keys.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace vornak {

using polygons::CompareTextAt5;
using polygons::PolygonLayerDescriptor;

namespace {

constexpr int kCountyWidth = 5;
constexpr int kCodeOffset = 5;
constexpr int kCodeWidth = 5;

template <auto Field>
void UrbanCode(const SideOf& side, SideCode& out) {
    const char* code = side.row ? static_cast<const char*>(RowS(side).*Field) : "";
    tigercore::JoinedKey<64>().Right(code, 5).CopyTo(out.key, kCodeWidth + 1);
    if (!side.row) return;
    char county[kCountyWidth + 1];
    PutLineCounty(side.line, county);
    std::memcpy(out.entry, county, kCountyWidth);
    std::memcpy(out.entry + kCodeOffset, out.key, kCodeWidth + 1);
}

const DbfFieldDef kCorrectedUrbanAreaFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"UACODE", 'C', 5, 0},
    {"NAME", 'C', 66, 0},   {"UAUC", 'C', 2, 0},   {nullptr, 0, 0, 0},
};

// COUNTY holds the county code alone. UAUC is the LSADC of the type C row
// the lookup reported (only the year 2000 lookup reports one).
template <int kYear>
void FillUrbanArea(const BorderLineEntry& first, DbfRecord& record) {
    const std::string code = EntryText(first, kCodeOffset, kCodeWidth);
    gEntityRow = -1;
    const std::string name = NameByYear(kUrbanAreaEntity, code, "", kYear);
    const bool found = gEntityRow >= 0 && gEntityRow < static_cast<int>(gTypeCRecords.size());
    record.Add(EntryText(first, 0, kCountyWidth)).Add(code).Add(name);
    record.Add(found ? gTypeCRecords[static_cast<size_t>(gEntityRow)].LSADC : "  ");
}

struct UrbanLayerTexts {
    const char* title;
    const char* noRecords;
    const char* overflow;
    const char* noEntries;
    const char* status;
    const char* abbreviation;
};

constexpr PolygonLayerDescriptor UrbanDescriptor(const UrbanLayerTexts& texts) {
    return PolygonLayerDescriptor()
        .Title(texts.title)
        .SecondTitle(texts.title, TitleMoment::kAfterAllocation)
        .StatusText(texts.status)
        .NoRecordsText(texts.noRecords)
        .OverflowText(texts.overflow)
        .NoEntriesClipText("Try turning off the water polygon clipping option before extracting cities\n")
        .NoEntriesText(texts.noEntries)
        .Abbreviation(texts.abbreviation)
        .ThemeFolder(texts.abbreviation)
        .Fields(kCorrectedUrbanAreaFields, "NAME")
        .Order(CompareTextAt5);
}

const SideLayer kCorrectedUrbanArea2000 = {
    UrbanDescriptor({"Corrected Urban 2000", "There are no Corrected Urban 2000 records\n",
                     "the number of Corrected Urban 2000 border lines exceeds the count",
                     "There are no Corrected Urban 2000 border lines\n", "Gathering Corrected Urban Boundary Lines",
                     "Ua00Cor"}),
    SideTable::kTypeS, CountS<kCorrectedUrbanArea2000Level>, UrbanCode<&TypeSRecord::UA00COR>, FillUrbanArea<2000>};

const SideLayer kRedefinedUrbanArea1990 = {
    UrbanDescriptor({"Redefined Urban 1990", "There are no Redefined Urban 1990 records\n",
                     "the number of Redefined Urban 1990 border lines exceeds the count",
                     "There are no Redefined Urban 1990 border lines\n",
                     "Gathering 1990 Redefined Urban Boundary Lines", "Ua90Red"}),
    SideTable::kTypeS, CountS<kRedefinedUrbanArea1990Level>, UrbanCode<&TypeSRecord::UA90RED>, FillUrbanArea<1990>};

}  // namespace

void AddUrbanCorrectionLayers(std::vector<SideLayer>& layers) {
    if (gEditionCode != 103) return;
    layers.push_back(kCorrectedUrbanArea2000);
    layers.push_back(kRedefinedUrbanArea1990);
}

void BuildCorrectedUrbanArea2000Polygons() { BuildPolygonLayer(kCorrectedUrbanArea2000); }
void BuildRedefinedUrbanArea1990Polygons() { BuildPolygonLayer(kRedefinedUrbanArea1990); }

}  // namespace vornak
