// Polygon layers whose sides are coded by the lines' type 3 rows (the
// voting districts of the 1990s and the tribal subdivisions): every line
// of the type 3 table, row i of which is type I row i, with each side's
// water from its type S row. A side needs no polygon row of its own.
#pragma once

#include "conv1/polygon_layers.h"
#include "conv1/record_layouts.h"
#include "shapeio/dbase.h"
#include "polygons/polygon_layer.h"

namespace vornak {

struct Type3Layer {
    polygons::PolygonLayerDescriptor layer;
    // The border-line sides the type 3 reader counted for the layer; 0:
    // nothing to build.
    int (*borderLineCount)();
    // The code of the left or right side of line `line`; a side whose code
    // is blank sets noCode.
    void (*sideCode)(const Type3Record& row, int line, bool left, SideCode& out);
    // The line's own border test in place of "the two keys differ"; null:
    // that test.
    bool (*isBorder)(const Type3Record& row);
    // The attribute fields after GIST_ID of the polygon whose first entry is `first`.
    void (*fill)(const polygons::BorderLineEntry& first, shapeio::DbfRecord& record);
    // Told when the walk has taken the last entry: entries taken and gathered.
    void (*walked)(int taken, int gathered);
};

// Builds the layer. Its entries have room for every side its own border
// test takes (counted by a first pass over the lines), plus the land
// sides of the county's shores when water is clipped.
void BuildType3Layer(const Type3Layer& layer);

}  // namespace vornak
