// The attribute fields of the polygon layers that both libraries write with
// the same columns: block groups, blocks (1990 in the older library, 2000 in
// the later one), congressional districts and five-digit ZIP code
// tabulation areas.
#pragma once

#include "shapeio/dbase.h"

namespace tigercore {

inline constexpr shapeio::DbfFieldDef kBlockGroupFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSSTCO", 'C', 5, 0}, {"TRACT", 'C', 6, 0},
    {"GROUP", 'C', 1, 0},   {"STFID", 'C', 12, 0},   {nullptr, 0, 0, 0},
};

inline constexpr shapeio::DbfFieldDef kBlockFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSSTCO", 'C', 5, 0}, {"TRACT", 'C', 6, 0},
    {"BLOCK", 'C', 4, 0},   {"STFID", 'C', 15, 0},   {nullptr, 0, 0, 0},
};

inline constexpr shapeio::DbfFieldDef kCongressionalDistrictFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"DISTRICT", 'N', 2, 0}, {nullptr, 0, 0, 0},
};

inline constexpr shapeio::DbfFieldDef kZctaFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"ZCTA", 'C', 5, 0}, {nullptr, 0, 0, 0},
};

}  // namespace tigercore
