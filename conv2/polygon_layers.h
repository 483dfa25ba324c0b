// Polygon layers of the 2002-2006 editions on the shared polygon engine and
// the shared gathering of side layers, and what the layers share of the
// county's codes and names.
#pragma once

#include "conv2/layer_fields.h"
#include "conv2/polygon_sides.h"
#include "tigercore/polygon_layer_names.h"

#include <cstdint>

namespace vornak2 {

using namespace tigercore::polygon_layer_names;

// The county's polygon layers on the engine (tigercore/county_polygons.h):
// its lines, their side rows and water as the shared gathering reads them,
// and its job, in which a merged layer's theme folder is made twice.
CountyPolygons& Polygons();

// Builds one layer from the county's tables; a failure is logged and fails
// the county.
void BuildPolygonLayer(const SideLayer& layer);

// Orders of the layers whose entries hold the county code at 0 and their
// codes after it: American Indian areas (AIANHHFP at 6, AIANHH at 12,
// AIHHTLI at 17; ordered by AIANHH, AIANHHFP, AIHHTLI) and tribal
// subdivisions (AITS at 6, AITSCE at 12; ordered by AITS, AITSCE). The codes
// are stored at full width, so comparing them in turn orders as the joined
// texts.
int CompareAianhhKey(const polygons::BorderLineEntry& a, const polygons::BorderLineEntry& b);
int CompareAitsKey(const polygons::BorderLineEntry& a, const polygons::BorderLineEntry& b);

// A layer's border-line sides, by its slot in the counts of its side source.
template <int Level>
int CountA() {
    return gBorderLineCountsA[Level];
}
template <int Level>
int CountS() {
    return gBorderLineCountsS[Level];
}
template <int Level>
int CountE() {
    return gBorderLineCountsE[Level];
}

// The census hierarchy's county, tract and block group rows, the same for
// every vintage but for the data year of the names (0: the edition's year).
void FillCountyRecord(const polygons::BorderLineEntry& first, shapeio::DbfRecord& record, int year);
void FillTractRecord(const polygons::BorderLineEntry& first, shapeio::DbfRecord& record, int year);
void FillBlockGroupRecord(const polygons::BorderLineEntry& first, shapeio::DbfRecord& record);
template <int Year>
void FillCountyOf(const polygons::BorderLineEntry& first, shapeio::DbfRecord& record) {
    FillCountyRecord(first, record, Year);
}
template <int Year>
void FillTractOf(const polygons::BorderLineEntry& first, shapeio::DbfRecord& record) {
    FillTractRecord(first, record, Year);
}

// The American Indian area, Alaska Native regional corporation and tribal
// subdivision rows of every vintage (0: the edition's year). Entries hold the
// county code at 0 and the codes after it: AIANHHFP at 6, AIANHH at 12 and
// AIHHTLI at 17; ANRC at 6; AITS at 6 and AITSCE at 12.
void FillAianhhRecord(const polygons::BorderLineEntry& first, shapeio::DbfRecord& record, int year);
void FillAnrcRecord(const polygons::BorderLineEntry& first, shapeio::DbfRecord& record, int year);
void FillAitsRecord(const polygons::BorderLineEntry& first, shapeio::DbfRecord& record, int year);
template <int Year>
void FillAianhhOf(const polygons::BorderLineEntry& first, shapeio::DbfRecord& record) {
    FillAianhhRecord(first, record, Year);
}
template <int Year>
void FillAnrcOf(const polygons::BorderLineEntry& first, shapeio::DbfRecord& record) {
    FillAnrcRecord(first, record, Year);
}
template <int Year>
void FillAitsOf(const polygons::BorderLineEntry& first, shapeio::DbfRecord& record) {
    FillAitsRecord(first, record, Year);
}

// Helpers of the side codes and attribute records.
// LSADC, FIPSCC and ENTITY of the type C row the last name lookup found
// (blanks when none).
void AddEntityCodes(shapeio::DbfRecord& record);
// A name lookup by kind for the edition's year.
std::string EntityName(int kind, const std::string& code1, const std::string& code2, int year);

}  // namespace vornak2
