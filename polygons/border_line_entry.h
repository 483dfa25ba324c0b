// One side of one border line of a polygon layer, and the orders in which a
// layer's entries are sorted and grouped into polygons.
#pragma once

#include "shapeio/geometry.h"

#include <cstdint>
#include <vector>

namespace polygons {

using shapeio::PointXY;

struct BorderLineEntry {
    // The layer's code fields, NUL-terminated texts at the offsets of the
    // layer's layout (e.g. a county code at 0 and an ANRC code at 6).
    char code[40] = {};
    char tlid[11] = {};
    int32_t intKey = 0;  // integer key of the landmark and commercial region layers
    PointXY from;
    PointXY to;
    int32_t used = 0;
    int32_t side = 0;  // 1: the polygon lies on the line's left; 0: on its right

    // Left-side entries are walked from `to` to `from`, right-side entries
    // from `from` to `to`, so the polygon always lies on the right.
    const PointXY& StartPoint() const { return side ? to : from; }
    const PointXY& EndPoint() const { return side ? from : to; }
};

// The order of a layer's entries: negative, 0 or positive. Entries that
// compare equal form one group: one polygon. An order reads only the
// entries' code fields and integer key.
using EntryCompare = int (*)(const BorderLineEntry&, const BorderLineEntry&);

// Sorts stably, so entries of one group keep the order they were gathered in.
void SortEntries(std::vector<BorderLineEntry>& entries, EntryCompare compare);

}  // namespace polygons
