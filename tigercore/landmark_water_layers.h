// What the landmark and water polygon layers of both libraries say alike:
// their texts, names and theme folders, and the landmark tables' fields.
// Each library adds its titles, status text, fields and order.
#pragma once

#include "polygons/polygon_layer.h"
#include "shapeio/dbase.h"

namespace tigercore {

constexpr shapeio::PolygonLayerDescriptor LandmarkPolygonTexts(const shapeio::PolygonLayerDescriptor& layer) {
    return layer.NoRecordsText("There are no Landmark Polygon records\n")
        .OverflowText("the number of Landmark border lines exceeds the count")
        .NoEntriesClipText("There are no landmark border lines\n")
        .NoEntriesText("There are no landmark border lines\n")
        .Abbreviation("lpy")
        .ThemeFolder("landmarks");
}

constexpr shapeio::PolygonLayerDescriptor WaterPolygonTexts(const shapeio::PolygonLayerDescriptor& layer) {
    return layer.NoRecordsText("There are no Water Polygon records\n")
        .OverflowText("the number of Water border lines exceeds the count")
        .NoEntriesClipText("There are no water polygon border lines\n")
        .NoEntriesText("There are no water polygon border lines\n")
        .Abbreviation("wat")
        .ThemeFolder("water");
}

// The landmark feature table ("lpy2": a row per landmark of type 7) and the
// polygon-landmark link table ("lpy3": a row per type 8 link).
extern const shapeio::DbfFieldDef kLandmarkFeatureTableFields[];
extern const shapeio::DbfFieldDef kPolygonLandmarkLinkTableFields[];

}  // namespace tigercore
