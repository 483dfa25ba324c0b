#include "conv2/layer_catalogue.h"

namespace vornak2 {

using polygons::PolygonLayerDescriptor;

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

std::vector<PolygonLayerDescriptor> PolygonLayerDescriptors() {
    std::vector<PolygonLayerDescriptor> layers;
    for (const tigercore::SideLayer& layer : SideLayers()) layers.push_back(layer.layer);
    AddCorrectionDescriptors(layers);
    AddLandmarkDescriptors(layers);
    AddWaterDescriptors(layers);
    AddAllPolygonsDescriptors(layers);
    return layers;
}

}  // namespace vornak2
