// The line layers of a county, one per feature class: a PolyLine shapefile
// and a table of line attributes for the type 1 rows of each class.
#pragma once

#include "conv2/record_layouts.h"
#include "shapeio/dbase.h"

#include <string>

namespace vornak2 {

// The line attribute tables (220-byte records): address ranges as text, or
// as numbers when numeric address fields are asked for.
extern const shapeio::DbfFieldDef* const LineFields;
extern const shapeio::DbfFieldDef* const LineNumericAddressFields;

// The attribute record of a line. `node` is the line's type I row (null when
// it has none), `fromFlag` and `toFlag` the over/under-pass flags of its end
// nodes and `miles` its length.
std::string LineRecord(const shapeio::DbfFieldDef* fields, const Type1Record& line, const TypeIRecord* node,
                       char fromFlag, char toFlag, double miles);

}  // namespace vornak2
