// Polygon layers of the 1994-2000 editions on the shared polygon engine and
// the shared gathering of side layers: the county's lines as the gathering
// reads them, the job as the engine sees it, and what the layers share of
// the county's codes and names.
#pragma once

#include "conv1/entity_names.h"
#include "conv1/polygon_borders.h"
#include "conv1/record_layouts.h"
#include "tigercore/polygon_layer_names.h"

#include <string>

namespace vornak {

using namespace tigercore::polygon_layer_names;

// The county's polygon layers on the engine (tigercore/county_polygons.h):
// its lines (type I order; type 1 is sorted by TLID for the polygon stage),
// their side rows and water (the WATER flag of each side's type S row) as
// the shared gathering reads them, gathering moving no progress bar; and
// its job, in which a merged layer's theme folder is made once.
CountyPolygons& Polygons();

// Builds one side layer from the county's tables; a failure is logged and
// fails the county.
void BuildPolygonLayer(const SideLayer& layer);

// A layer's border-line sides, by its slot in the counts of its side source.
template <int Level>
int CountA() {
    return gBorderLineCountsA[static_cast<size_t>(Level)];
}
template <int Level>
int CountS() {
    return gBorderLineCountsS[static_cast<size_t>(Level)];
}

// The row of a side of an A-type or S-type layer (the side has one).
inline const TypeARecord& RowA(const SideOf& side) { return *static_cast<const TypeARecord*>(side.row); }
inline const TypeSRecord& RowS(const SideOf& side) { return *static_cast<const TypeSRecord*>(side.row); }

// The file's state and county ("%2s%3s") of type I row `line`, 5 characters
// and a NUL at `out`.
void PutLineCounty(int line, char* out);
// The county code ("%2s%3s") of an A-type side: the row's polygon state and
// county from release 97, the side's state and county of the line's type 3
// row for releases 94 and 95.
void PutTypeACounty(const SideOf& side, char* out);

// The name of an entity (the polygon's first entry gives the codes): by
// year with LookupEntityNameByYear, without with LookupEntityName, or as
// most layers do: by year from release 100, without before.
std::string NameByYear(int kind, const std::string& code1, const std::string& code2, int year);
std::string NameWithoutYear(int kind, const std::string& code1, const std::string& code2);
std::string NameFrom100(int kind, const std::string& code1, const std::string& code2, int year);

}  // namespace vornak
