// Side codes and attribute fields shared by the polygon layers of Census 2000
// and the other vintages, made from the type S rows.
#pragma once

#include "conv2/polygon_layers.h"
#include "conv2/polygon_sides.h"
#include "conv2/record_layouts.h"

#include <cstring>
#include <string>

namespace vornak2 {

inline const TypeSRecord& RowS(const void* row) { return *static_cast<const TypeSRecord*>(row); }

// "%2s%3s" of the row's 2000 state and county codes, five characters and a NUL.
void PutCounty2000(const TypeSRecord& row, char* out);

// Whether `width` characters of `text` from `offset` are all blanks.
bool BlankPart(const char* text, int offset, int width);

// The side's key and code: the level's text, held whole at the start of the
// entry (the census hierarchy). A side whose part of `partWidth` characters
// at `partOffset` is blank carries no code of the layer.
template <int Level, int PartOffset, int PartWidth>
void HierarchyCode2000(const SideOf& side, SideCode& out) {
    const void* row = side.row;
    CodeText text;
    if (row) Census2000LevelCode(Level, RowS(row), text);
    else Census2000LevelBlank(Level, text);
    std::memcpy(out.key, text.text, sizeof out.key);
    std::memcpy(out.entry, text.text, sizeof out.key);
    out.noCode = row && BlankPart(text.text, PartOffset, PartWidth);
}

// The side's key is the level's text; the entry holds the side's county code
// at 0 and the level's text at 6 (layers sorted with CompareTextAt6).
template <int Level>
void CountyKeyedCode2000(const SideOf& side, SideCode& out) {
    const void* row = side.row;
    CodeText text;
    if (!row) {
        Census2000LevelBlank(Level, text);
        std::memcpy(out.key, text.text, sizeof out.key);
        return;
    }
    Census2000LevelCode(Level, RowS(row), text);
    std::memcpy(out.key, text.text, sizeof out.key);
    PutCounty2000(RowS(row), out.entry);
    PutCodeText(out.entry + 6, text.text, static_cast<int>(std::strlen(text.text)));
}

// Fields of the type C row that the last name lookup found; blanks of the
// field's width when it found none.
std::string FoundLsadc();
std::string FoundFipscc();
std::string FoundEntity();
std::string FoundPlacedc();

}  // namespace vornak2
