// Every polygon layer descriptor of the library for the county's release,
// for checks over all layers at once. Each layer file adds its own.
#pragma once

#include "shapeio/polygon_layer.h"

#include <vector>

namespace vornak {

std::vector<shapeio::PolygonLayerDescriptor> PolygonLayerDescriptors();

// One per layer file (kept together, one line each).
void AddVotingDistrictDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);  // voting_district_layers.cpp
void AddZctaTribalDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);     // zcta_tribal_layers.cpp
void AddZoneUrbanDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);      // zone_urban_layers.cpp
void AddSchoolDistrictDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);  // school_district_layers.cpp
void AddDistrictDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);       // district_layers.cpp

}  // namespace vornak
