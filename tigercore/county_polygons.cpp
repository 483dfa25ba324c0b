#include "tigercore/county_polygons.h"

#include "tigercore/shape_points.h"

namespace tigercore {

polygons::PolygonLayerJob CountyPolygons::Job() const {
    polygons::PolygonLayerJob job;
    const CountyJobState& state = county_.state();
    job.services = &county_;
    job.scratchFolder = county_.ScratchFolderPath();
    job.output.outputPrefix = state.outputPrefix;
    job.output.organisationMode = state.organisationMode;
    job.countyBaseName = state.countyBaseName;
    job.countyCode = state.countyCode;
    job.clipWater = state.clipWaterPolygons != 0;
    job.labelPoints = state.kmlLabelPoints != 0;
    job.mergedFolderMakes = state.mergedFolderMakes;
    return job;
}

void CountyPolygons::BuildSideLayer(const SideLayer& layer) { tigercore::BuildSideLayer(layer, *this, Job()); }

bool CountyPolygons::BuildKeyedLayer(KeyedLayerSource& source) const {
    return polygons::BuildPolygonLayer(source.layer(), source, Job());
}

void TakeLineShape(void (*gather)(const char* tlid, int reverse), const char* tlid, bool reverse,
                   std::vector<shapeio::PointXY>& points) {
    gShapePointCount = 0;
    gather(tlid, reverse ? 1 : 0);
    points.insert(points.end(), gShapePointBuffer.begin(), gShapePointBuffer.begin() + gShapePointCount);
}

}  // namespace tigercore
