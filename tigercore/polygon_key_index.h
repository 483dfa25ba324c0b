// A hash index of a polygon table by CENID + POLYID.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

namespace tigercore {

// The rows of a polygon table (any row type with CENID and POLYID texts),
// for the side assembly, which looks up both sides of every line: one probe
// of a hash table instead of a search by halving. It holds the first row of
// each key in table order, which is what the searches return for the first
// of a run and, when every key occurs once, for any key; `Unique()` tells
// whether the table has repeated keys, where the other searches' probe rule
// must decide instead.
class PolygonKeyIndex {
public:
    template <typename Row>
    PolygonKeyIndex(const std::vector<Row>& rows, int count) {
        Build(count, [&rows](int r, const char*& cenid, const char*& polyid) {
            cenid = rows[static_cast<size_t>(r)].CENID;
            polyid = rows[static_cast<size_t>(r)].POLYID;
        });
    }
    bool Unique() const { return unique_; }
    // The first row with the key, or -1.
    int Find(const char* cenid, const char* polyid) const;

private:
    using KeyOfRow = void (*)(int, const char*&, const char*&);
    template <typename KeyOf>
    void Build(int count, KeyOf keyOf);
    static uint64_t Hash(const char* cenid, const char* polyid);

    struct Slot {
        const char* cenid = nullptr;
        const char* polyid = nullptr;
        int row = -1;
    };
    std::vector<Slot> slots_;
    size_t mask_ = 0;
    bool unique_ = true;
};

template <typename KeyOf>
void PolygonKeyIndex::Build(int count, KeyOf keyOf) {
    size_t capacity = 16;
    while (capacity < 2 * static_cast<size_t>(count > 0 ? count : 0)) capacity *= 2;
    slots_.assign(capacity, Slot{});
    mask_ = capacity - 1;
    for (int r = 0; r < count; ++r) {
        const char* cenid;
        const char* polyid;
        keyOf(r, cenid, polyid);
        for (size_t at = Hash(cenid, polyid) & mask_;; at = (at + 1) & mask_) {
            Slot& slot = slots_[at];
            if (slot.row < 0) {
                slot = {cenid, polyid, r};
                break;
            }
            if (std::strcmp(slot.cenid, cenid) == 0 && std::strcmp(slot.polyid, polyid) == 0) {
                unique_ = false;  // the first row of the key stays
                break;
            }
        }
    }
}

// Finds the row of a side's polygon in one table: through a hash of the
// table's keys, which gives what the search by halving gives when every key
// occurs once (and the first of a run always); by halving otherwise.
class SideLookup {
public:
    template <typename Row>
    SideLookup(const std::vector<Row>& rows, int count, int (*search)(const char*, const char*), bool firstOfRun)
        : index_(rows, count), search_(search), hashed_(firstOfRun || index_.Unique()) {}
    int operator()(const char* cenid, const char* polyid) const {
        return hashed_ ? index_.Find(cenid, polyid) : search_(cenid, polyid);
    }

private:
    PolygonKeyIndex index_;
    int (*search_)(const char*, const char*);
    bool hashed_;
};

}  // namespace tigercore
