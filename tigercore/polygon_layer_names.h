// The shared names that the polygon layers of both libraries use
// unqualified: entries and attribute records, descriptor moments, side and
// keyed layers, and the helpers of their codes. A library's layer header
// brings them all into its namespace with one using-directive.
#pragma once

#include "polygons/border_line_entry.h"
#include "polygons/polygon_layer.h"
#include "shapeio/dbase.h"
#include "tigercore/county_polygons.h"
#include "tigercore/keyed_layer_source.h"
#include "tigercore/side_layer.h"

namespace tigercore {
namespace polygon_layer_names {

using polygons::BorderLineEntry;
using shapeio::DbfFieldDef;
using shapeio::DbfRecord;
using TitleMoment = polygons::PolygonLayerDescriptor::TitleMoment;
using StatusMoment = polygons::PolygonLayerDescriptor::StatusMoment;
using tigercore::CountyPolygons;
using tigercore::EntryText;
using tigercore::IsBlankText;
using tigercore::KeyedLayerSource;
using tigercore::KeyedSide;
using tigercore::NumberValue;
using tigercore::PutCodeText;
using tigercore::SideCode;
using tigercore::SideLayer;
using tigercore::SideOf;
using tigercore::SideTable;

}  // namespace polygon_layer_names
}  // namespace tigercore
