#include "tigercore/county_polygons.h"

#include "tigercore/shape_points.h"

namespace tigercore {

shapeio::PolygonLayerJob CountyPolygons::Job() const {
    shapeio::PolygonLayerJob job;
    job.services = &state_.services();
    job.scratchFolder = state_.scratchFolderPath();
    job.output.outputPrefix = state_.outputPrefix;
    job.output.organisationMode = state_.organisationMode;
    job.countyBaseName = state_.countyBaseName;
    job.countyCode = state_.countyCode;
    job.clipWater = state_.clipWaterPolygons != 0;
    job.labelPoints = state_.kmlLabelPoints != 0;
    job.mergedFolderMakes = state_.mergedFolderMakes;
    return job;
}

void CountyPolygons::BuildSideLayer(const SideLayer& layer) { tigercore::BuildSideLayer(layer, *this, Job()); }

bool CountyPolygons::BuildKeyedLayer(KeyedLayerSource& source) const {
    return shapeio::BuildPolygonLayer(source.layer(), source, Job());
}

void TakeLineShape(void (*gather)(const char* tlid, int reverse), const char* tlid, bool reverse,
                   std::vector<shapeio::PointXY>& points) {
    gShapePointCount = 0;
    gather(tlid, reverse ? 1 : 0);
    points.insert(points.end(), gShapePointBuffer.begin(), gShapePointBuffer.begin() + gShapePointCount);
}

}  // namespace tigercore
