// Every polygon layer descriptor of the library for the county's release,
// for checks over all layers at once. Each layer file adds its own.
#pragma once

#include "polygons/polygon_layer.h"

#include <vector>

namespace vornak {

std::vector<shapeio::PolygonLayerDescriptor> PolygonLayerDescriptors();

// One per layer file (kept together, one line each).
void AddPlaceDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);
void AddAmericanIndianAreaDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);
void AddCollectionBlockDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);
void AddUrbanCorrectionDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);
void AddKeyGeographicLocationDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);
void AddLandmarkDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);
void AddWaterDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);
void AddCensusHierarchyDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);
void AddCountySubdivisionDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);
void AddAllPolygonsDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);  // all_polygons_layers.cpp
void AddVotingDistrictDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);
void AddZctaTribalDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);
void AddZoneUrbanDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);
void AddSchoolDistrictDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);
void AddDistrictDescriptors(std::vector<shapeio::PolygonLayerDescriptor>& layers);

}  // namespace vornak
