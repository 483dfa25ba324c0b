#include "conv1/record_search.h"

#include "conv1/record_store.h"
#include "tigercore/halving_search.h"

namespace vornak {

namespace {

constexpr bool kAnyEqualRow = false;
constexpr bool kFirstEqualRow = true;

}  // namespace

int FindType9Record(const char* cenid, const char* polyid) {
    return tigercore::FindByCenidPolyid(gType9Records, gType9Count, cenid, polyid, kAnyEqualRow);
}

int FindTypeSRecord(const char* cenid, const char* polyid) {
    return tigercore::FindByCenidPolyid(gTypeSRecords, gTypeSCount, cenid, polyid, kAnyEqualRow);
}

int FindTypeARecord(const char* cenid, const char* polyid) {
    return tigercore::FindByCenidPolyid(gTypeARecords, gTypeACount, cenid, polyid, kAnyEqualRow);
}

int FindType8Record(const char* cenid, const char* polyid) {
    return tigercore::FindByCenidPolyid(gType8Records, gType8Count, cenid, polyid, kFirstEqualRow);
}

int FindType5Record(const char* feat) {
    return tigercore::FindByText(gType5Records, gType5Count, feat, [](const Type5Record& row) { return row.FEAT; });
}

int FindLandmarkRecord(long long land) { return tigercore::FindLandRow(gType7Records, gType7Count, land); }

int FindWaterLandmarkRecord(long long land) { return tigercore::FindLandRow(gWaterLandmarkRecords, gWaterLandmarkCount, land); }

}  // namespace vornak
