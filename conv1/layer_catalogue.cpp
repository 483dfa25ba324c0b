#include "conv1/layer_catalogue.h"

namespace vornak {

std::vector<shapeio::PolygonLayerDescriptor> PolygonLayerDescriptors() {
    std::vector<shapeio::PolygonLayerDescriptor> layers;
    AddAllPolygonsDescriptors(layers);
    return layers;
}

}  // namespace vornak
