// Every polygon layer descriptor of the library for the county's edition,
// and every side layer among them, for checks over all layers at once. Each
// layer file adds its own.
#pragma once

#include "polygons/polygon_layer.h"
#include "tigercore/side_layer.h"

#include <vector>

namespace vornak2 {

std::vector<polygons::PolygonLayerDescriptor> PolygonLayerDescriptors();
std::vector<tigercore::SideLayer> SideLayers();

// One per layer file (kept together, one line each): the side layers ...
void AddCurrentCensusLayers(std::vector<tigercore::SideLayer>& layers);
void AddCurrentPlaceLayers(std::vector<tigercore::SideLayer>& layers);
void AddCurrentStatisticalLayers(std::vector<tigercore::SideLayer>& layers);
void AddCensus2000Layers(std::vector<tigercore::SideLayer>& layers);
void AddCensus2000AreaLayers(std::vector<tigercore::SideLayer>& layers);
void AddVintageLayers(std::vector<tigercore::SideLayer>& layers);
void AddEconomicLayers(std::vector<tigercore::SideLayer>& layers);
// ... and the other layers.
void AddCorrectionDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddLandmarkDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddWaterDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);
void AddAllPolygonsDescriptors(std::vector<polygons::PolygonLayerDescriptor>& layers);

}  // namespace vornak2
