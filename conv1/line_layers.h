// The node and line layers of a county, one pair per selected line class:
// a Point shapefile of the distinct line ends, numbered, and a PolyLine
// shapefile of the lines with their end nodes, length and attributes.
#pragma once

#include "conv1/record_layouts.h"
#include "shapeio/dbase.h"

#include <string>

namespace vornak {

// The node table (11-byte records) and the line tables (142-byte records):
// address ranges as text, or as numbers when numeric address fields are
// asked for.
extern const shapeio::DbfFieldDef NodeFields[];
extern const shapeio::DbfFieldDef LineFields[];
extern const shapeio::DbfFieldDef LineNumericAddressFields[];

// The attribute record of a line: its end nodes' numbers and its length in
// miles beside the type 1 fields.
std::string LineRecord(const shapeio::DbfFieldDef* fields, const Type1Record& line, long fromNode, long toNode,
                       double miles);

}  // namespace vornak
