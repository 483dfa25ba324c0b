// What the landmark and water polygon layers of both libraries say alike:
// their titles, status texts, messages, names and theme folders, the landmark
// layer's fields and order, and the landmark tables' fields. Each library
// adds the water layer's fields and order.
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

// The landmark polygon layer's attribute fields: GIST_ID, POLYID, CENID,
// COUNTY, CFCC, LANDNAME, LANDPOLY and FILEID.
extern const shapeio::DbfFieldDef kLandmarkPolygonFields[];

// The landmark polygon layer: its titles (the second once the entries' room
// is obtained), status text, shown at `statusMoment`, and texts, its fields
// with placemarks named by `nameField`, ordered by the type 8 row in the
// entries' integer key.
constexpr polygons::PolygonLayerDescriptor LandmarkPolygonLayer(
    const char* nameField, polygons::PolygonLayerDescriptor::StatusMoment statusMoment) {
    using Moment = polygons::PolygonLayerDescriptor::TitleMoment;
    return WithTexts(polygons::PolygonLayerDescriptor()
                         .Title("")
                         .SecondTitle("Landmark Polygons", Moment::kAfterAllocation)
                         .StatusText("Gathering Landmark Boundary Lines", statusMoment),
                     {"There are no Landmark Polygon records\n", "the number of Landmark border lines exceeds the count",
                      "There are no landmark border lines\n", "lpy", "landmarks"})
        .Fields(kLandmarkPolygonFields, nameField)
        .Order(polygons::CompareIntAt8);
}

// The water polygon layer's titles (the second once the entries' room is
// obtained), status text, shown at `statusMoment`, and texts; each library
// adds its fields and order.
constexpr polygons::PolygonLayerDescriptor WaterPolygonTexts(
    polygons::PolygonLayerDescriptor::StatusMoment statusMoment) {
    using Moment = polygons::PolygonLayerDescriptor::TitleMoment;
    return WithTexts(polygons::PolygonLayerDescriptor()
                         .Title("")
                         .SecondTitle("Water Polygons", Moment::kAfterAllocation)
                         .StatusText("Gathering Water Poly Boundary Lines", statusMoment),
                     {"There are no Water Polygon records\n", "the number of Water border lines exceeds the count",
                      "There are no water polygon border lines\n", "wat", "water"});
}

// The landmark feature table ("lpy2": a row per landmark of type 7) and the
// polygon-landmark link table ("lpy3": a row per type 8 link).
extern const shapeio::DbfFieldDef kLandmarkFeatureTableFields[];
extern const shapeio::DbfFieldDef kPolygonLandmarkLinkTableFields[];

}  // namespace tigercore
