#include "conv1/layer_catalogue.h"

namespace vornak {

std::vector<shapeio::PolygonLayerDescriptor> PolygonLayerDescriptors() {
    std::vector<shapeio::PolygonLayerDescriptor> layers;
    AddCensusHierarchyDescriptors(layers);
    AddCountySubdivisionDescriptors(layers);
    return layers;
}

}  // namespace vornak
