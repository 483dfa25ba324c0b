// What the landmark and water polygon layers of both libraries say alike:
// their texts, names and theme folders, the landmark layer's fields and
// order, and the landmark tables' fields. Each library adds its titles and
// status text (and the water layer's fields and order).
#pragma once

#include "polygons/polygon_layer.h"
#include "shapeio/dbase.h"

namespace tigercore {

struct PolygonLayerTexts {
    const char* noRecords;
    const char* overflow;
    const char* noEntries;  // with water clipped or not
    const char* abbreviation;
    const char* themeFolder;
};

constexpr polygons::PolygonLayerDescriptor WithTexts(const polygons::PolygonLayerDescriptor& layer,
                                                    const PolygonLayerTexts& texts) {
    return layer.NoRecordsText(texts.noRecords)
        .OverflowText(texts.overflow)
        .NoEntriesClipText(texts.noEntries)
        .NoEntriesText(texts.noEntries)
        .Abbreviation(texts.abbreviation)
        .ThemeFolder(texts.themeFolder);
}

constexpr polygons::PolygonLayerDescriptor LandmarkPolygonTexts(const polygons::PolygonLayerDescriptor& layer) {
    return WithTexts(layer, {"There are no Landmark Polygon records\n",
                             "the number of Landmark border lines exceeds the count",
                             "There are no landmark border lines\n", "lpy", "landmarks"});
}

// The landmark polygon layer's attribute fields: GIST_ID, POLYID, CENID,
// COUNTY, CFCC, LANDNAME, LANDPOLY and FILEID.
extern const shapeio::DbfFieldDef kLandmarkPolygonFields[];

// The landmark polygon layer with the library's titles and status text: its
// texts, its fields with placemarks named by `nameField`, ordered by the
// type 8 row in the entries' integer key.
constexpr polygons::PolygonLayerDescriptor LandmarkPolygonLayer(const polygons::PolygonLayerDescriptor& titles,
                                                               const char* nameField) {
    return LandmarkPolygonTexts(titles).Fields(kLandmarkPolygonFields, nameField).Order(polygons::CompareIntAt8);
}

constexpr polygons::PolygonLayerDescriptor WaterPolygonTexts(const polygons::PolygonLayerDescriptor& layer) {
    return WithTexts(layer, {"There are no Water Polygon records\n", "the number of Water border lines exceeds the count",
                             "There are no water polygon border lines\n", "wat", "water"});
}

// The landmark feature table ("lpy2": a row per landmark of type 7) and the
// polygon-landmark link table ("lpy3": a row per type 8 link).
extern const shapeio::DbfFieldDef kLandmarkFeatureTableFields[];
extern const shapeio::DbfFieldDef kPolygonLandmarkLinkTableFields[];

}  // namespace tigercore
