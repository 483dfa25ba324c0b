// The three files of a merged shapefile layer (.shp, .shx and .dbf) go
// together: a layer with some of them gone (or an empty index file beside
// its shapes or table) can be neither continued nor passed over as one
// that holds a county, and making it anew would drop the rows of the files
// that are there.
#pragma once

#include "shapeio/job_services.h"

#include <string>
#include <vector>

namespace shapeio {

// The three files of the shapefile whose shapes are `shpPath` (its .shp,
// .shx and .dbf).
std::vector<std::string> ShapefileParts(const std::string& shpPath);

// Whether the shapefile whose shapes are `shpPath` has all of its three
// files or none. False (logged: the files missing, those there, and to
// remove them all to make the layer anew; the county failed) otherwise.
bool MergedShapefileWhole(const std::string& shpPath, JobServices& services);

}  // namespace shapeio
