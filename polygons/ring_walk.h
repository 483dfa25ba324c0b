// Chains the sorted entries of a polygon layer into polygons and rings.
//
// Each group of equal entries is one polygon. A ring starts with the group's
// first unused entry (in sorted order) and continues with the first unused
// entry of the group whose start point equals the current end point
// exactly; it ends where no such entry is left. The next ring of the polygon
// starts with the group's first unused entry again. Point lookups go through
// a hash of start points, so the walk takes linear time in the entries.
#pragma once

#include "polygons/border_line_entry.h"

#include <vector>

namespace polygons {

// Receives the walk. A call that returns false stops the walk.
class RingWalkVisitor {
public:
    virtual ~RingWalkVisitor() = default;
    virtual bool BeginPolygon(const BorderLineEntry& first) = 0;
    // The ring's first entry comes with `ringStart` true (its start point
    // begins the ring); later entries continue from the previous end point.
    virtual bool TakeEntry(const BorderLineEntry& entry, bool ringStart) = 0;
    virtual bool EndRing() = 0;
    virtual bool EndPolygon() = 0;
};

// Walks entries sorted by `compare` (SortEntries); marks each entry used.
// False when the visitor stopped the walk.
bool WalkRings(std::vector<BorderLineEntry>& entries, EntryCompare compare, RingWalkVisitor& visitor);

}  // namespace polygons
