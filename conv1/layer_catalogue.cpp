#include "conv1/layer_catalogue.h"

namespace vornak {

using polygons::PolygonLayerDescriptor;

std::vector<PolygonLayerDescriptor> PolygonLayerDescriptors() {
    std::vector<PolygonLayerDescriptor> layers;
    AddPlaceDescriptors(layers);
    AddAmericanIndianAreaDescriptors(layers);
    AddCollectionBlockDescriptors(layers);
    AddUrbanCorrectionDescriptors(layers);
    AddKeyGeographicLocationDescriptors(layers);
    AddLandmarkDescriptors(layers);
    AddWaterDescriptors(layers);
    AddCensusHierarchyDescriptors(layers);
    AddCountySubdivisionDescriptors(layers);
    AddAllPolygonsDescriptors(layers);
    AddVotingDistrictDescriptors(layers);
    AddZctaTribalDescriptors(layers);
    AddZoneUrbanDescriptors(layers);
    AddSchoolDistrictDescriptors(layers);
    AddDistrictDescriptors(layers);
    return layers;
}

}  // namespace vornak
