#include "polygons/ring_walk.h"

#include "polygons/point_key.h"
#include "shapeio/put_in_order.h"

#include <algorithm>
#include <cstring>

namespace polygons {

using shapeio::PutInOrder;

namespace {

// The bytes an entry's order reads: its code fields and its integer key.
bool SameCodes(const BorderLineEntry& a, const BorderLineEntry& b) {
    return a.intKey == b.intKey && std::memcmp(a.code, b.code, sizeof a.code) == 0;
}

uint64_t HashOfCodes(const BorderLineEntry& e) {
    uint64_t h = static_cast<uint32_t>(e.intKey) * 0x9E3779B97F4A7C15ULL;
    for (size_t at = 0; at < sizeof e.code; at += sizeof(uint64_t)) {
        uint64_t word;
        std::memcpy(&word, e.code + at, sizeof word);
        h = (h ^ word) * 0xBF58476D1CE4E5B9ULL;
        h ^= h >> 31;
    }
    return h;
}

}  // namespace

void SortEntries(std::vector<BorderLineEntry>& entries, EntryCompare compare) {
    // An order reads only the entries' codes, and a layer's entries carry
    // few distinct codes (a polygon's border lines share one): each distinct
    // code is compared once to give it a rank, and the entries are then put
    // in the order of their ranks, stably, by counting.
    static_assert(sizeof BorderLineEntry{}.code % sizeof(uint64_t) == 0, "codes are hashed by words");
    const size_t n = entries.size();
    std::vector<int32_t> codeOf(n);  // the number of each entry's distinct code
    std::vector<int32_t> firstOf;    // the first entry of each distinct code
    {
        size_t capacity = 16;
        while (capacity < 2 * n) capacity *= 2;
        std::vector<int32_t> slots(capacity, -1);  // open addressing: a distinct code's number
        for (size_t i = 0; i < n; ++i) {
            size_t at = static_cast<size_t>(HashOfCodes(entries[i])) & (capacity - 1);
            while (slots[at] >= 0 && !SameCodes(entries[static_cast<size_t>(firstOf[static_cast<size_t>(slots[at])])],
                                                  entries[i]))
                at = (at + 1) & (capacity - 1);
            if (slots[at] < 0) {
                slots[at] = static_cast<int32_t>(firstOf.size());
                firstOf.push_back(static_cast<int32_t>(i));
            }
            codeOf[i] = slots[at];
        }
    }
    // Distinct codes in order; codes that compare equal share a rank.
    std::vector<int32_t> sorted(firstOf.size());
    for (size_t c = 0; c < sorted.size(); ++c) sorted[c] = static_cast<int32_t>(c);
    auto entryOf = [&](int32_t code) -> const BorderLineEntry& {
        return entries[static_cast<size_t>(firstOf[static_cast<size_t>(code)])];
    };
    std::sort(sorted.begin(), sorted.end(),
              [&](int32_t a, int32_t b) { return compare(entryOf(a), entryOf(b)) < 0; });
    std::vector<int32_t> rank(firstOf.size());
    int32_t ranks = 0;
    for (size_t k = 0; k < sorted.size(); ++k) {
        if (k > 0 && compare(entryOf(sorted[k - 1]), entryOf(sorted[k])) < 0) ++ranks;
        rank[static_cast<size_t>(sorted[k])] = ranks;
    }
    // Counting by rank keeps the gathered order within a rank.
    std::vector<int32_t> start(static_cast<size_t>(ranks) + 2, 0);
    for (size_t i = 0; i < n; ++i) ++start[static_cast<size_t>(rank[static_cast<size_t>(codeOf[i])]) + 1];
    for (size_t r = 1; r < start.size(); ++r) start[r] += start[r - 1];
    std::vector<int32_t> order(n);
    for (size_t i = 0; i < n; ++i)
        order[static_cast<size_t>(start[static_cast<size_t>(rank[static_cast<size_t>(codeOf[i])])]++)] =
            static_cast<int32_t>(i);
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

}  // namespace polygons
