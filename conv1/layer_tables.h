// The attribute-only tables beside the keyed polygon layers (the key
// geographic location addresses, the landmark tables) and the text of the
// record fields they and the keyed layers write.
#pragma once

#include "shapeio/dbase.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vornak {

// The text of a field (at most `width` characters, up to a NUL) as a table
// holds it: control characters become blanks.
std::string TableText(const char* field, size_t width);
template <size_t N>
std::string TableText(const char (&field)[N]) {
    return TableText(field, N - 1);
}
inline std::string TableText(const std::string& text) { return TableText(text.c_str(), text.size()); }

// Where a table goes and what its log line says.
struct LayerTable {
    const char* themeFolder;    // its folder when organised by theme
    const char* stem;           // its name after the county's base name, alone when merged
    const shapeio::DbfFieldDef* fields;
    const char* writtenFormat;  // "%d" of the records written and "%s" of the path
};

// Writes the table's records: placed by the organisation (the theme folder
// made and logged for '2' and '3'); a merged county continues the table
// when it is there with this layout, creates it when it is not, and leaves
// a table of another layout alone (the county fails). The log gets the
// written line; a table left without any record is removed.
void WriteLayerTable(const LayerTable& table, const std::vector<std::string>& records);

}  // namespace vornak
