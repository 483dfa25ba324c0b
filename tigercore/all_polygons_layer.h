// The all-polygons layer of a county (one polygon per POLYID and CENID), as
// both libraries describe it to the polygon engine; only its fields differ
// with the edition.
#pragma once

#include "polygons/polygon_layer.h"

namespace tigercore {

// Its title once the entries' room is obtained, "Sorting Polygon Boundaries"
// before the sort, its texts and files, ordered by the entries' leading
// text (the polygon's key); the fields name each placemark by POLYID.
constexpr shapeio::PolygonLayerDescriptor AllPolygonsDescriptor(const shapeio::DbfFieldDef* fields) {
    using Descriptor = shapeio::PolygonLayerDescriptor;
    return Descriptor()
        .Title("")
        .SecondTitle("All Polygons", Descriptor::TitleMoment::kAfterAllocation)
        .StatusText("Sorting Polygon Boundaries", Descriptor::StatusMoment::kBeforeSorting)
        .NoRecordsText("There are no polygon records\n")
        .OverflowText("the number of polygon border lines exceeds the count")
        .NoEntriesClipText("There are no polygon border lines\n")
        .NoEntriesText("There are no polygon border lines\n")
        .Abbreviation("all")
        .ThemeFolder("allpolys")
        .Fields(fields, "POLYID")
        .Order(shapeio::CompareLeadingText);
}

}  // namespace tigercore
