#include "polygons/ring_walk.h"

#include "polygons/point_key.h"
#include "shapeio/put_in_order.h"

#include <algorithm>

namespace shapeio {

void SortEntries(std::vector<BorderLineEntry>& entries, EntryCompare compare) {
    // The entries are wide: their numbers are sorted, and the entries moved
    // into that order in place, cycle by cycle.
    std::vector<int32_t> order(entries.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int32_t>(i);
    std::stable_sort(order.begin(), order.end(), [&entries, compare](int32_t a, int32_t b) {
        return compare(entries[static_cast<size_t>(a)], entries[static_cast<size_t>(b)]) < 0;
    });
    PutInOrder(entries, order);
}

namespace {

size_t HashOf(const PointKey& k) {
    uint64_t h = k.x * 0x9E3779B97F4A7C15ULL ^ (k.y + 0x632BE59BD9B4E019ULL + (k.x << 6) + (k.x >> 2));
    h ^= h >> 29;
    return static_cast<size_t>(h * 0xBF58476D1CE4E5B9ULL);
}

constexpr int32_t kNone = -1;

// The entries of one group that start at each point, in sorted order; used
// entries are unlinked as they are met, so each is passed over once. The
// points live in one open-addressed table (linear probing, at most half
// full) of small slots: a slot keeps a tag of the point's hash and the first
// entry that starts there, whose start point is the slot's key.
class StartPointIndex {
public:
    void Build(const std::vector<BorderLineEntry>& entries, size_t begin, size_t end) {
        size_t capacity = 16;
        while (capacity < 2 * (end - begin)) capacity *= 2;
        mask_ = capacity - 1;
        slots_.assign(capacity, Slot{});
        next_.assign(end - begin, kNone);
        begin_ = begin;
        for (size_t i = end; i-- > begin;) {
            Slot& slot = Find(entries, entries[i].StartPoint(), true);
            next_[i - begin] = slot.head;
            slot.head = slot.first = static_cast<int32_t>(i - begin);
        }
    }

    // The first unused entry starting at `point`, or kNone.
    int32_t FirstUnused(const std::vector<BorderLineEntry>& entries, const PointXY& point) {
        Slot& slot = Find(entries, point, false);
        int32_t& head = slot.head;
        while (head != kNone && entries[begin_ + static_cast<size_t>(head)].used) head = next_[head];
        return head == kNone ? kNone : static_cast<int32_t>(begin_) + head;
    }

private:
    struct Slot {
        uint32_t tag = 0;
        int32_t first = kNone;  // kNone: an empty slot
        int32_t head = kNone;
    };

    // The slot of `point`: a new one when `insert`, else an empty one (head
    // kNone) when the point is not in the table.
    Slot& Find(const std::vector<BorderLineEntry>& entries, const PointXY& point, bool insert) {
        const PointKey key = KeyOf(point);
        const size_t hash = HashOf(key);
        const uint32_t tag = static_cast<uint32_t>(hash >> 32);
        for (size_t at = hash & mask_;; at = (at + 1) & mask_) {
            Slot& slot = slots_[at];
            if (slot.first == kNone) {
                if (insert) slot.tag = tag;
                return slot;
            }
            if (slot.tag == tag && KeyOf(entries[begin_ + static_cast<size_t>(slot.first)].StartPoint()) == key)
                return slot;
        }
    }

    std::vector<Slot> slots_;
    size_t mask_ = 0;
    std::vector<int32_t> next_;
    size_t begin_ = 0;
};

}  // namespace

bool WalkRings(std::vector<BorderLineEntry>& entries, EntryCompare compare, RingWalkVisitor& visitor) {
    StartPointIndex index;
    size_t groupBegin = 0;
    while (groupBegin < entries.size()) {
        size_t groupEnd = groupBegin + 1;
        while (groupEnd < entries.size() && compare(entries[groupBegin], entries[groupEnd]) == 0) ++groupEnd;
        index.Build(entries, groupBegin, groupEnd);

        if (!visitor.BeginPolygon(entries[groupBegin])) return false;
        size_t firstUnused = groupBegin;  // every entry before it is used
        for (;;) {
            while (firstUnused < groupEnd && entries[firstUnused].used) ++firstUnused;
            if (firstUnused == groupEnd) break;
            BorderLineEntry* current = &entries[firstUnused];
            current->used = 1;
            if (!visitor.TakeEntry(*current, true)) return false;
            for (;;) {
                int32_t next = index.FirstUnused(entries, current->EndPoint());
                if (next == kNone) break;
                current = &entries[static_cast<size_t>(next)];
                current->used = 1;
                if (!visitor.TakeEntry(*current, false)) return false;
            }
            if (!visitor.EndRing()) return false;
        }
        if (!visitor.EndPolygon()) return false;
        groupBegin = groupEnd;
    }
    return true;
}

}  // namespace shapeio
