// The all-polygons layer of a county (one polygon per POLYID and CENID), as
// both libraries describe it to the polygon engine and take its sides; only
// its fields, the rows a side must have and the attribute rows differ with
// the edition.
#pragma once

#include "polygons/polygon_layer.h"
#include "tigercore/keyed_layer_source.h"

namespace tigercore {

// Its title once the entries' room is obtained, "Sorting Polygon Boundaries"
// before the sort, its texts and files, ordered by the entries' leading
// text (the polygon's key); the fields name each placemark by POLYID.
constexpr polygons::PolygonLayerDescriptor AllPolygonsDescriptor(const shapeio::DbfFieldDef* fields) {
    using Descriptor = polygons::PolygonLayerDescriptor;
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
        .Order(polygons::CompareLeadingText);
}

// What the all-polygons sources of both libraries do alike. A side is taken
// where its polygon has a POLYID and rows of the library's polygon types;
// its entry holds the polygon's POLYID and CENID (the key) and the line's
// type I row in the integer key, so that the polygon's first entry finds
// the side's rows again for its attribute row.
class AllPolygonsLayerSource : public KeyedLayerSource {
public:
    using KeyedLayerSource::KeyedLayerSource;

protected:
    // Counts the polygon whose attribute row is being made; the first shows
    // "Building Polygons" (the walk begins with the first polygon).
    void StartPolygonRow();
    // Takes the side of line `line` whose polygon is `polyid` and `cenid`.
    // Its type A row (`typeARow`, -1: none) must be readable when the
    // polygon's row is written: false when it is not ("Cannot read from
    // temp file" logged, the county failed).
    bool TakeSide(int line, const char* polyid, const char* cenid, int typeARow, KeyedSide& out);
};

}  // namespace tigercore
