// What the traffic analysis zone and urban area 2000 polygon layers of both
// libraries say alike. Each library adds the rest of its layer: the zones'
// titles, the urban areas' theme folder, and the fields and order of both.
#pragma once

#include "polygons/polygon_layer.h"

namespace tigercore {

// The traffic analysis zone layer's status text, messages, name and theme
// folder.
constexpr polygons::PolygonLayerDescriptor TrafficAnalysisZoneTexts(const polygons::PolygonLayerDescriptor& layer) {
    return layer.StatusText("Gathering TAZ Boundary Lines")
        .NoRecordsText("There are no TAZ records\n")
        .OverflowText("the number of Taz border lines exceeds the count")
        .NoEntriesClipText("All TAZs for this county coincide with water polygons\n"
                           "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for Traffic Analysis Zones\n")
        .Abbreviation("taz")
        .ThemeFolder("taz");
}

// The urban area 2000 layer's titles (the second shown once the entries'
// room is obtained), status text, messages and name.
constexpr polygons::PolygonLayerDescriptor UrbanArea2000Texts() {
    return polygons::PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Urban Areas 2000", polygons::PolygonLayerDescriptor::TitleMoment::kAfterAllocation)
        .StatusText("Gathering Urban 2000 Boundary Lines")
        .NoRecordsText("There are no UA 00 records\n")
        .OverflowText("the number of Urban 2000 border lines exceeds the count")
        .NoEntriesClipText("All urban 2000 polygons for this county coincide with water polygons\n"
                           "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for urban 2000 polygons\n")
        .Abbreviation("urb00");
}

}  // namespace tigercore
