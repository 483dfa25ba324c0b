// The road attribute tables of the county and its feature metadata table
// (the writers are stages, stages.h).
#pragma once

#include "shapeio/dbase.h"

namespace vornak2 {

extern const shapeio::DbfFieldDef MetadataFields[];  // 43-byte records

}  // namespace vornak2
