// Census 2000 collection blocks (releases 98 to 102): one polygon per
// 17-character code of state, county, collection block, suffix, TEA code
// and ZCTA of the type S rows, with the type of enumeration area of its TEA
// code. Water plays no part: blocks in water are polygons too.
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/polygon_layers.h"
#include "conv1/stages.h"
#include "tigercore/sort_keys.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace vornak {

using polygons::CompareLeadingText;
using polygons::PolygonLayerDescriptor;

namespace {

constexpr int kCodeWidth = 17;
constexpr int kTeaAt = 11;  // the TEA character in the code

// A one-character field as printed: one the release does not fill is a blank.
char Character(char field) { return field == '\0' ? ' ' : field; }

bool Blank(const char* text) { return text[std::strspn(text, " ")] == '\0'; }

// The code of a side. From release 99 on the TEA character reads as a
// blank, and in release 100 the ZCTA too: in this layer's code only, the
// type S rows stay as they are for the layers built after it. A row without
// a collection block (its columns blank, the suffix read as 0) has a code
// all the same, which borders the coded blocks, but is no block itself.
void CollectionBlockCode(const SideOf& side, SideCode& out) {
    if (!side.row) {
        std::memset(out.key, ' ', kCodeWidth);
        out.key[kCodeWidth] = '\0';
        return;
    }
    const TypeSRecord& s = RowS(side);
    const char tea = gEditionCode >= 99 ? ' ' : Character(s.TEA);
    const char* zcta = gEditionCode == 100 ? "" : s.ZCTA;
    tigercore::JoinedKey<64>()
        .Right(s.STATECOL, 2)
        .Right(s.COUNCOL, 3)
        .Right(s.BLKCOL, 5)
        .Char(Character(s.BLKSUFCOL))
        .Char(tea)
        .Right(zcta, 5)
        .CopyTo(out.key, kCodeWidth + 1);
    std::memcpy(out.entry, out.key, kCodeWidth + 1);
    const bool blankSuffix = s.BLKSUFCOL == ' ' || s.BLKSUFCOL == '0' || s.BLKSUFCOL == '\0';
    out.noCode = Blank(s.STATECOL) && Blank(s.COUNCOL) && Blank(s.BLKCOL) && blankSuffix;
}

int CountCollectionBlocks() { return gBorderLineCountsS[kCollectionBlockLevel]; }

const DbfFieldDef kCollectionBlockFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"STATE", 'C', 2, 0}, {"COUNTY", 'C', 3, 0}, {"BLKCOL", 'C', 5, 0},
    {"BLKSUFCOL", 'C', 1, 0}, {"TEA", 'C', 1, 0}, {"ZCTA", 'C', 5, 0},  {"TEA_TYPE", 'C', 16, 0},
    {nullptr, 0, 0, 0},
};

// The type of enumeration area of a TEA code; its texts are known to
// release 98 only. A blank reads as 0; anything but a digit is unknown.
const char* TeaType(char tea) {
    static const char* const kTypes[] = {"Mailout/Mailback", "Update/Leave",     "List/Enumerate",
                                         "Remote Alaska",    "Update/Enumerate", "Military"};
    const int number = tea == ' ' ? 0 : (tea >= '0' && tea <= '9' ? tea - '0' : -1);
    if (gEditionCode != 98 || number < 1 || number > 6) return "unknown";
    return kTypes[number - 1];
}

// The code fills STATE to ZCTA.
void FillCollectionBlock(const BorderLineEntry& first, DbfRecord& record) {
    const std::string code = EntryText(first, 0, kCodeWidth);
    record.Add(code.substr(0, 2)).Add(code.substr(2, 3)).Add(code.substr(5, 5)).Add(code.substr(10, 1));
    record.Add(code.substr(kTeaAt, 1)).Add(code.substr(12, 5)).Add(TeaType(first.code[kTeaAt]));
}

SideLayer CollectionBlock2000() {
    SideLayer layer = {
        PolygonLayerDescriptor()
            .Title("")
            .SecondTitle("Collection Blocks", TitleMoment::kAfterAllocation)
            .StatusText("Gathering Collection Blocks")
            .NoRecordsText("There are no Collection Blocks 2000 records\n")
            .OverflowText("the number of Collection Block border lines exceeds the count")
            .NoEntriesClipText(
                "Try turning off the water polygon clipping option before extracting collection blocks\n")
            .NoEntriesText("There are no collection block border lines\n")
            .Abbreviation("colblk")
            .ThemeFolder("collectblks")
            .Fields(kCollectionBlockFields, "BLKCOL")
            .Order(CompareLeadingText),
        SideTable::kTypeS, CountCollectionBlocks, CollectionBlockCode, FillCollectionBlock};
    layer.ignoresWater = true;
    return layer;
}

}  // namespace

void AddCollectionBlockLayers(std::vector<SideLayer>& layers) {
    if (gEditionCode < 103) layers.push_back(CollectionBlock2000());
}

void BuildCollectionBlock2000Polygons() { BuildPolygonLayer(CollectionBlock2000()); }

}  // namespace vornak
