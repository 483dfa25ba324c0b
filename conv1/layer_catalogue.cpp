#include "conv1/layer_catalogue.h"

namespace vornak {

using polygons::PolygonLayerDescriptor;
using tigercore::SideLayer;

std::vector<SideLayer> SideLayers() {
    std::vector<SideLayer> layers;
    AddPlaceLayers(layers);
    AddAmericanIndianAreaLayers(layers);
    AddCollectionBlockLayers(layers);
    AddUrbanCorrectionLayers(layers);
    AddCensusHierarchyLayers(layers);
    AddCountySubdivisionLayers(layers);
    AddVotingDistrictLayers(layers);
    AddZctaTribalLayers(layers);
    AddZoneUrbanLayers(layers);
    AddSchoolDistrictLayers(layers);
    AddDistrictLayers(layers);
    return layers;
}

std::vector<PolygonLayerDescriptor> PolygonLayerDescriptors() {
    std::vector<PolygonLayerDescriptor> layers;
    for (const SideLayer& layer : SideLayers()) layers.push_back(layer.layer);
    AddVotingDistrictDescriptors(layers);
    AddZctaTribalDescriptors(layers);
    AddKeyGeographicLocationDescriptors(layers);
    AddLandmarkDescriptors(layers);
    AddWaterDescriptors(layers);
    AddAllPolygonsDescriptors(layers);
    return layers;
}

}  // namespace vornak
