// Every polygon layer descriptor of the library for the county's release,
// for checks over all layers at once. Each layer file adds its own.
#pragma once

#include "polygons/polygon_layer.h"

#include <vector>

namespace vornak {

std::vector<polygons::PolygonLayerDescriptor> PolygonLayerDescriptors();

// One per layer file (kept together, one line each).
void AddPlaceDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddAmericanIndianAreaDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddCollectionBlockDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddUrbanCorrectionDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddKeyGeographicLocationDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddLandmarkDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddWaterDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddCensusHierarchyDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddCountySubdivisionDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddAllPolygonsDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);  // all_polygons_layers.cpp
void AddVotingDistrictDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddZctaTribalDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddZoneUrbanDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddSchoolDistrictDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddDistrictDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);

}  // namespace vornak
