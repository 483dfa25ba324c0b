#include "conv2/layer_catalogue.h"

namespace vornak2 {

std::vector<tigercore::SideLayer> SideLayers() {
    std::vector<tigercore::SideLayer> layers;
    AddCurrentCensusLayers(layers);
    AddCurrentPlaceLayers(layers);
    AddCurrentStatisticalLayers(layers);
    AddCensus2000Layers(layers);
    AddCensus2000AreaLayers(layers);
    AddVintageLayers(layers);
    AddEconomicLayers(layers);
    return layers;
}

}  // namespace vornak2
