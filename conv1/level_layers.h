// What the layers keyed by one code level of the border step share: their
// side counts, their side codes rebuilt from the level's text (so that a
// builder takes exactly the sides its count was made of), the county code
// of an entry and the texts of their attribute records.
#pragma once

#include "conv1/polygon_borders.h"
#include "conv1/polygon_layers.h"
#include "conv1/record_layouts.h"
#include "polygons/border_line_entry.h"
#include "tigercore/sort_keys.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace vornak {

// A record text as a field holds it: control characters (a NUL included)
// become blanks.
inline std::string FieldText(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7f') c = ' ';
    return out;
}
// A name without its trailing blanks, as a field holds it.
inline std::string TrimmedName(const std::string& name) {
    std::string out = FieldText(name);
    out.erase(out.find_last_not_of(' ') + 1);
    return out;
}

// Where the county code of an entry (5 characters at its start) comes from.
enum class CountyFrom {
    kLine,       // the state and county of the line's type I row
    kRowS,       // the county level of the side's type S row
    kRowAFile,   // the file's state and county of the side's type A row
};

inline void PutEntryCounty(CountyFrom from, const SideOf& side, char* out) {
    switch (from) {
        case CountyFrom::kLine: PutLineCounty(side.line, out); break;
        case CountyFrom::kRowS: {
            const TypeSRecord& s = RowS(side);
            tigercore::JoinedKey<64>().Right(s.STATECU, 2).Right(s.COUNTYCU, 3).CopyTo(out, 6);
            break;
        }
        case CountyFrom::kRowAFile: {
            const TypeARecord& a = RowA(side);
            tigercore::JoinedKey<64>().Right(a.STATE, 2).Right(a.COUNTY, 3).CopyTo(out, 6);
            break;
        }
    }
}

// The side code of a layer keyed by one level of the type A (`Table`
// kTypeA) or type S rows: the key is the level's text as the border step
// compared it; the entry holds the county code at 0 and the level's own
// code (`Width` characters of the text from where its own part starts) at
// `CodeAt` (5: right after the county code, 6: after its terminator). A
// side whose own code is blank takes part in the border test but yields no
// entry.
template <SideTable Table, int Level, CountyFrom County, int CodeAt, int Width>
void LevelSideCode(const SideOf& side, SideCode& out) {
    static_assert(CodeAt == 5 || CodeAt == 6, "an entry's code follows the county code");
    CodeText text;
    size_t own = 0;
    if constexpr (Table == SideTable::kTypeA) {
        if (side.row)
            TypeALevelCode(Level, RowA(side), side.line, side.left ? LineSide::kLeft : LineSide::kRight, text);
        else
            TypeALevelBlank(Level, text);
        out.noCode = !TypeALevelCarriesCode(Level, text);
    } else {
        if (side.row)
            TypeSLevelCode(Level, RowS(side), text);
        else
            TypeSLevelBlank(Level, text);
        own = TypeSLevelOwnOffset(Level);
        out.noCode = !TypeSLevelCarriesCode(Level, text);
    }
    std::memcpy(out.key, text.text, sizeof out.key);
    if (!side.row) return;
    PutEntryCounty(County, side, out.entry);
    PutCodeText(out.entry + CodeAt, std::strlen(text.text) > own ? text.text + own : "", Width);
}

// The order of entries holding two codes at full width (blank-padded), at
// `First` and `Second`: by the first, then the second, which orders as their
// joined text.
template <int First, int Second>
int CompareCodesInTurn(const polygons::BorderLineEntry& a, const polygons::BorderLineEntry& b) {
    const int first = std::strcmp(a.code + First, b.code + First);
    return first != 0 ? first : std::strcmp(a.code + Second, b.code + Second);
}

}  // namespace vornak
