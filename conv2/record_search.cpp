#include "conv2/record_search.h"

#include "conv2/record_fields.h"
#include "conv2/record_store.h"
#include "conv2/water_landmarks.h"

#include <cstring>
#include <vector>

namespace vornak2 {

namespace {

// The one search of the family. `order(row)` tells where a row's key lies
// against the key searched for (negative: below). The first and the last
// row of the remaining range are probed before every halving; among equal
// rows the one probed first is found, or, with `firstOfRun`, the first of
// their run.
template <typename Row, typename Order>
int FindByHalving(const std::vector<Row>& rows, int count, Order order, bool firstOfRun) {
    if (count <= 0 || static_cast<size_t>(count) > rows.size()) return -1;
    if (count == 1) return order(rows[0]) == 0 ? 0 : -1;
    int lo = 0;
    int hi = count - 1;
    int found = -1;
    while (hi - lo > 0) {
        if (order(rows[lo]) == 0) { found = lo; break; }
        if (order(rows[hi]) == 0) { found = hi; break; }
        if (hi - lo == 1) return -1;
        int mid = lo + (hi - lo) / 2;
        int c = order(rows[mid]);
        if (c == 0) { found = mid; break; }
        if (c < 0) lo = mid;
        else hi = mid;
    }
    if (found < 0) return -1;
    if (firstOfRun) {
        while (found >= 1 && order(rows[found - 1]) == 0) --found;
    }
    return found;
}

int CompareText(const char* row, const char* key) { return std::strcmp(row, key); }

// CENID then POLYID, which orders as the joined texts.
template <typename Row>
int FindByCenidPolyid(const std::vector<Row>& rows, int count, const char* cenid, const char* polyid,
                      bool firstOfRun) {
    return FindByHalving(
        rows, count,
        [cenid, polyid](const Row& row) {
            int c = CompareText(row.CENID, cenid);
            return c != 0 ? c : CompareText(row.POLYID, polyid);
        },
        firstOfRun);
}

int CompareNumbers(long long a, long long b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

uint64_t PolygonKeyIndex::Hash(const char* cenid, const char* polyid) {
    uint64_t h = 1469598103934665603ULL;  // FNV-1a over both texts
    for (const char* p = cenid; *p; ++p) h = (h ^ static_cast<unsigned char>(*p)) * 1099511628211ULL;
    h = (h ^ 0xFF) * 1099511628211ULL;
    for (const char* p = polyid; *p; ++p) h = (h ^ static_cast<unsigned char>(*p)) * 1099511628211ULL;
    return h ^ (h >> 29);
}

int PolygonKeyIndex::Find(const char* cenid, const char* polyid) const {
    for (size_t at = Hash(cenid, polyid) & mask_;; at = (at + 1) & mask_) {
        const Slot& slot = slots_[at];
        if (slot.row < 0) return -1;
        if (std::strcmp(slot.cenid, cenid) == 0 && std::strcmp(slot.polyid, polyid) == 0) return slot.row;
    }
}

int FindTypeARecord(const char* cenid, const char* polyid) {
    return FindByCenidPolyid(gTypeARecords, gTypeACount, cenid, polyid, false);
}

int FindTypeSRecord(const char* cenid, const char* polyid) {
    return FindByCenidPolyid(gTypeSRecords, gTypeSCount, cenid, polyid, false);
}

int FindTypeBRecord(const char* cenid, const char* polyid) {
    return FindByCenidPolyid(gTypeBRecords, gTypeBCount, cenid, polyid, false);
}

int FindTypeERecord(const char* cenid, const char* polyid) {
    return FindByCenidPolyid(gTypeERecords, gTypeECount, cenid, polyid, false);
}

int FindType8Record(const char* cenid, const char* polyid) {
    return FindByCenidPolyid(gType8Records, gType8Count, cenid, polyid, true);
}

int FindTypePRecord(const char* cenid, const char* polyid) {
    // The type P table is in POLYID, CENID order.
    return FindByHalving(
        gTypePRecords, gTypePCount,
        [cenid, polyid](const TypePRecord& row) {
            int c = CompareText(row.POLYID, polyid);
            return c != 0 ? c : CompareText(row.CENID, cenid);
        },
        false);
}

int FindTypeIRecord(const char* tlid) {
    return FindByHalving(
        gTypeIRecords, gTypeICount, [tlid](const TypeIRecord& row) { return CompareText(row.TLID, tlid); }, false);
}

int FindType5Record(long long feat) {
    // The table is in FEAT text order, which is the numbers' order for the
    // right-aligned fixed-width identifiers.
    return FindByHalving(
        gType5Records, gType5Count,
        [feat](const Type5Record& row) {
            long long value = 0;
            ScanField(row.FEAT, static_cast<int>(sizeof row.FEAT) - 1, value);
            return CompareNumbers(value, feat);
        },
        false);
}

int FindLandmarkRecord(long long land) {
    return FindByHalving(
        gType7Records, gType7Count, [land](const Type7Record& row) { return CompareNumbers(row.LAND, land); },
        true);
}

int FindWaterLandmarkRecord(long long land) {
    return FindByHalving(
        gWaterLandmarkRecords, gWaterLandmarkCount,
        [land](const Type7Record& row) { return CompareNumbers(row.LAND, land); }, true);
}

}  // namespace vornak2
