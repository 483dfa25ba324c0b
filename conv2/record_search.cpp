#include "conv2/record_search.h"

#include "conv2/record_store.h"
#include "conv2/water_landmarks.h"
#include "tigercore/halving_search.h"
#include "tigercore/record_fields.h"

#include <cstring>
#include <vector>

namespace vornak2 {

namespace {

int CompareText(const char* row, const char* key) { return std::strcmp(row, key); }

int CompareNumbers(long long a, long long b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

int FindTypeARecord(const char* cenid, const char* polyid) {
    return tigercore::FindByCenidPolyid(gTypeARecords, gTypeACount, cenid, polyid, false);
}

int FindTypeSRecord(const char* cenid, const char* polyid) {
    return tigercore::FindByCenidPolyid(gTypeSRecords, gTypeSCount, cenid, polyid, false);
}

int FindTypeBRecord(const char* cenid, const char* polyid) {
    return tigercore::FindByCenidPolyid(gTypeBRecords, gTypeBCount, cenid, polyid, false);
}

int FindTypeERecord(const char* cenid, const char* polyid) {
    return tigercore::FindByCenidPolyid(gTypeERecords, gTypeECount, cenid, polyid, false);
}

int FindType8Record(const char* cenid, const char* polyid) {
    return tigercore::FindByCenidPolyid(gType8Records, gType8Count, cenid, polyid, true);
}

int FindTypePRecord(const char* cenid, const char* polyid) {
    // The type P table is in POLYID, CENID order.
    return tigercore::FindByHalving(
        gTypePRecords, gTypePCount,
        [cenid, polyid](const TypePRecord& row) {
            int c = CompareText(row.POLYID, polyid);
            return c != 0 ? c : CompareText(row.CENID, cenid);
        },
        false);
}

int FindTypeIRecord(const char* tlid) {
    return tigercore::FindByHalving(
        gTypeIRecords, gTypeICount, [tlid](const TypeIRecord& row) { return CompareText(row.TLID, tlid); }, false);
}

int FindType5Record(long long feat) {
    // The table is in FEAT text order, which is the numbers' order for the
    // right-aligned fixed-width identifiers.
    return tigercore::FindByHalving(
        gType5Records, gType5Count,
        [feat](const Type5Record& row) {
            long long value = 0;
            tigercore::ScanField(row.FEAT, static_cast<int>(sizeof row.FEAT) - 1, value);
            return CompareNumbers(value, feat);
        },
        false);
}

int FindLandmarkRecord(long long land) { return tigercore::FindLandRow(gType7Records, gType7Count, land); }

int FindWaterLandmarkRecord(long long land) {
    return tigercore::FindLandRow(gWaterLandmarkRecords, gWaterLandmarkCount, land);
}

}  // namespace vornak2
