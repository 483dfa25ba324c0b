// Every polygon layer descriptor of the library for the county's release,
// and every side layer among them, for checks over all layers at once. Each
// layer file adds its own.
#pragma once

#include "polygons/polygon_layer.h"
#include "tigercore/side_layer.h"

#include <vector>

namespace vornak {

std::vector<polygons::PolygonLayerDescriptor> PolygonLayerDescriptors();
std::vector<tigercore::SideLayer> SideLayers();

// One per layer file (kept together, one line each): the side layers ...
void AddPlaceLayers(std::vector<tigercore::SideLayer>& layers);
void AddAmericanIndianAreaLayers(std::vector<tigercore::SideLayer>& layers);
void AddCollectionBlockLayers(std::vector<tigercore::SideLayer>& layers);
void AddUrbanCorrectionLayers(std::vector<tigercore::SideLayer>& layers);
void AddCensusHierarchyLayers(std::vector<tigercore::SideLayer>& layers);
void AddCountySubdivisionLayers(std::vector<tigercore::SideLayer>& layers);
void AddVotingDistrictLayers(std::vector<tigercore::SideLayer>& layers);
void AddZctaTribalLayers(std::vector<tigercore::SideLayer>& layers);
void AddZoneUrbanLayers(std::vector<tigercore::SideLayer>& layers);
void AddSchoolDistrictLayers(std::vector<tigercore::SideLayer>& layers);
void AddDistrictLayers(std::vector<tigercore::SideLayer>& layers);
// ... and the other layers.
void AddVotingDistrictDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);  // of the type 3 rows
void AddZctaTribalDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);      // of the type 3 rows
void AddKeyGeographicLocationDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddLandmarkDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddWaterDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddAllPolygonsDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);  // all_polygons_layers.cpp

}  // namespace vornak
