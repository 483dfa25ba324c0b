// Every side layer of the library, for checks over all layers at once. Each
// layer file adds its own.
#pragma once

#include "tigercore/side_layer.h"

#include <vector>

namespace vornak2 {

std::vector<tigercore::SideLayer> SideLayers();

// One per layer file (kept together, one line each).
void AddCurrentCensusLayers(std::vector<tigercore::SideLayer>& layers);
void AddCurrentPlaceLayers(std::vector<tigercore::SideLayer>& layers);
void AddCurrentStatisticalLayers(std::vector<tigercore::SideLayer>& layers);
void AddCensus2000Layers(std::vector<tigercore::SideLayer>& layers);
void AddCensus2000AreaLayers(std::vector<tigercore::SideLayer>& layers);
void AddVintageLayers(std::vector<tigercore::SideLayer>& layers);
void AddEconomicLayers(std::vector<tigercore::SideLayer>& layers);

}  // namespace vornak2
