// The attribute field tables that layers of several vintages share (the
// current and the Census 2000 layers of one geography).
#pragma once

#include "shapeio/dbase.h"

namespace vornak2 {

// The census hierarchy's county and tract.
extern const shapeio::DbfFieldDef kCountyFields[];
extern const shapeio::DbfFieldDef kTractFields[];
// American Indian areas, Alaska Native regional corporations, tribal subdivisions.
extern const shapeio::DbfFieldDef kAianhhFields[];
extern const shapeio::DbfFieldDef kAnrcFields[];
extern const shapeio::DbfFieldDef kAitsFields[];
// Consolidated cities, county subdivisions, subbarrios and places.
extern const shapeio::DbfFieldDef kConsolidatedCityFields[];
extern const shapeio::DbfFieldDef kCountySubdivisionFields[];
extern const shapeio::DbfFieldDef kSubbarrioFields[];
extern const shapeio::DbfFieldDef kPlaceFields[];
// School districts and metropolitan areas.
extern const shapeio::DbfFieldDef kElementarySchoolFields[];
extern const shapeio::DbfFieldDef kSecondarySchoolFields[];
extern const shapeio::DbfFieldDef kUnifiedSchoolFields[];
extern const shapeio::DbfFieldDef kCmsaMsaFields[];
extern const shapeio::DbfFieldDef kPmsaFields[];
extern const shapeio::DbfFieldDef kNecmaFields[];
// Three-digit ZIP code tabulation areas.
extern const shapeio::DbfFieldDef kThreeDigitZctaFields[];

}  // namespace vornak2
