// What the polygon layers of both libraries gather from: the county's lines
// in the order of its type I rows, the polygon rows on their sides and the
// water on each side. A library implements it once over its own tables.
#pragma once

#include "shapeio/geometry.h"
#include "shapeio/job_services.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace tigercore {

// The tables whose polygon rows a line's sides are found in: the type A
// rows, the type S rows (whose sides also say where water is), and the two
// tables only the newer editions have.
enum class SideTable { kTypeA, kTypeS, kTypeB, kTypeE };

// The rows of the polygons on a line's left and right (-1: none).
struct SidePair {
    int left = -1;
    int right = -1;
};

// The WATER flags of a line's two sides (0 where a side has no type S row).
struct SideWater {
    int left = 0;
    int right = 0;
};

// The bytes of a line that a side's code may depend on besides its row,
// compared as they are.
struct SideContext {
    unsigned char bytes[24] = {};
    bool operator==(const SideContext& o) const { return std::memcmp(bytes, o.bytes, sizeof bytes) == 0; }
};

class CountyLines {
public:
    virtual ~CountyLines() = default;
    virtual shapeio::JobServices& Services() = 0;
    virtual int LineCount() const = 0;
    virtual const char* Tlid(int line) const = 0;
    virtual shapeio::PointXY From(int line) const = 0;
    virtual shapeio::PointXY To(int line) const = 0;
    virtual SidePair Sides(SideTable table, int line) const = 0;
    // Row `row` of a side table, for the code of a side; null when the row
    // cannot be read (the caller fails the county).
    virtual const void* SideRow(SideTable table, int row) = 0;
    virtual SideWater Water(int line) const = 0;
    // Where a layer clips water: whether the sides' water flags make a line
    // a shore (a border although the codes on its sides are equal), and
    // whether a side of this flag is land, which keeps its entry. Here the
    // rule of the 2002-2006 editions: flags 1 apart make a shore, every flag
    // but 1 is land.
    virtual bool IsShore(const SideWater& water) const { return std::abs(water.left - water.right) == 1; }
    virtual bool IsLand(int water) const { return water != 1; }
    // The room that water clipping adds to a layer's entries: at least the
    // land sides of the county's shores.
    virtual int WaterSideCount() const = 0;
    // Appends the inner points of a line to `points`, last first when `reverse`.
    virtual void AppendShapePoints(const char* tlid, bool reverse, std::vector<shapeio::PointXY>& points) = 0;
    // Whether gathering a layer's sides moves the progress bar line by line.
    virtual bool GatheringShowsProgress() const = 0;
    // What a layer's code of a side may take from the line besides the
    // side's row (the line's county, a field of the side's own): sides of
    // one row and equal contexts have one code, so a layer makes the code
    // of a row once per context met, not once per side of every line. The
    // default, an empty context, says that codes follow the rows alone.
    virtual SideContext ContextOf(int line, bool left) const {
        (void)line;
        (void)left;
        return {};
    }
};

}  // namespace tigercore
