#include "tigercore/landmark_water_layers.h"

namespace tigercore {

const shapeio::DbfFieldDef kLandmarkPolygonFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"POLYID", 'N', 10, 0},   {"CENID", 'C', 5, 0},     {"COUNTY", 'C', 5, 0},
    {"CFCC", 'C', 3, 0},    {"LANDNAME", 'C', 30, 0}, {"LANDPOLY", 'N', 10, 0}, {"FILEID", 'C', 5, 0},
    {nullptr, 0, 0, 0},
};

const shapeio::DbfFieldDef kLandmarkFeatureTableFields[] = {
    {"LANDPOLY", 'N', 10, 0}, {"CFCC", 'C', 3, 0}, {"LANDNAME", 'C', 30, 0}, {"FILEID", 'C', 5, 0},
    {nullptr, 0, 0, 0},
};

const shapeio::DbfFieldDef kPolygonLandmarkLinkTableFields[] = {
    {"POLYID", 'N', 10, 0}, {"CENID", 'C', 5, 0}, {"LANDPOLY", 'N', 10, 0}, {"FILEID", 'C', 5, 0},
    {nullptr, 0, 0, 0},
};

}  // namespace tigercore
