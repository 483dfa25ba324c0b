// Polygon layers whose sides are coded from one side table: a layer is its
// descriptor, the table its sides come from, how a side's code is made from
// a row of that table, its border-line count and how a polygon's attribute
// record is filled. Gathering is the same for every such layer of both
// libraries; the polygon engine does the rest.
#pragma once

#include "polygons/border_line_entry.h"
#include "shapeio/dbase.h"
#include "polygons/polygon_layer.h"
#include "tigercore/county_lines.h"

#include <cstdint>
#include <string>

namespace tigercore {

// The code of one side of a line for one layer.
struct SideCode {
    // The text the layer compares: two sides with equal keys are one area,
    // and a key of blanks is a side without the layer's code.
    char key[24] = {};
    // The entry's code fields at the offsets of the layer's layout.
    char entry[40] = {};
    // Set by layers whose blank test looks at one part of the key (a tract
    // without its tract code, a traffic analysis zone without its zone): the
    // side takes part in the border test but gets no entry.
    bool noCode = false;
    // The entry's integer key, for layers ordered by a number.
    int32_t intKey = 0;
};

// One side of one line as a layer's side code sees it: the row of its
// polygon in the layer's side table (null: no polygon, the blank code), the
// line (row of the type I table) and which side. `held` says whether the
// side has a row in the table, also for a layer that does not read it.
struct SideOf {
    const void* row = nullptr;
    int line = -1;
    bool left = false;
    bool held = false;
};

struct SideLayer {
    polygons::PolygonLayerDescriptor layer;
    SideTable source;
    // The layer's border-line sides counted by the side assembly.
    int (*borderLineCount)();
    // Fills `out` from the side's row (a row of the source table) and, where
    // a layer takes part of its code from the line, from the line; a null
    // row gives the blank key.
    void (*sideCode)(const SideOf& side, SideCode& out);
    // The attribute fields after GIST_ID of the polygon whose first entry is `first`.
    void (*fill)(const polygons::BorderLineEntry& first, shapeio::DbfRecord& record);
    // The overflow text when a right side's entry finds the entries full; null:
    // the descriptor's overflow text for both sides.
    const char* rightOverflowText = nullptr;
    // Water clipping plays no part in the layer: neither in the border test
    // nor in which sides are taken, and it adds no room.
    bool ignoresWater = false;
    // The layer's own border test in place of "the keys differ, or the line
    // is a shore of clipped water" (`shore`: clipping is on and the line is
    // a shore); null: that test.
    bool (*isBorder)(const SideCode& left, const SideCode& right, bool clip, bool shore) = nullptr;
    // The layer's code comes from the line alone, although a side needs a
    // row in the table to be coded: the rows are not read, and the side code
    // sees `held` with a null `row`.
    bool codeFromLineOnly = false;
};

// Copies `width` characters of `text` (blank-padded) to `out` and ends it.
void PutCodeText(char* out, const char* text, int width);
// The text at `offset` of an entry's code fields, at most `width` characters.
std::string EntryText(const polygons::BorderLineEntry& entry, int offset, int width);

// Builds one layer: a line is a border when its sides' keys differ (or,
// with water clipping, when it is a shore); each coded side of a border
// with a polygon row, and land when clipping, is one entry. False when the
// county failed (logged).
bool BuildSideLayer(const SideLayer& layer, CountyLines& lines, const polygons::PolygonLayerJob& job);

}  // namespace tigercore
