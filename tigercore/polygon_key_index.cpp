#include "tigercore/polygon_key_index.h"

namespace tigercore {

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

}  // namespace tigercore
