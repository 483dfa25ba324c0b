// The points of the shape being built, shared by the line layers and the
// polygon layers of a library: the gathering of a line's shape points from
// its type 2 rows, and the length of a line in miles.
#pragma once

#include "platform/text.h"
#include "shapeio/geometry.h"
#include "shapeio/job_services.h"
#include "tigercore/halving_search.h"
#include "tigercore/record_rows.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cstdint>
#include <vector>

namespace tigercore {

// A library's shape state: the points of the current shape (the buffer
// grows when a line holds more points than it has room for), how many there
// are, the box of the current shape and the box of the layer file.
struct ShapeState {
    std::vector<shapeio::PointXY>& buffer;
    int& count;
    shapeio::BoundingBox& shapeBox;
    shapeio::BoundingBox& layerBox;

    // Room for `more` points after `count`.
    void Reserve(size_t more) {
        size_t needed = static_cast<size_t>(count) + more;
        if (buffer.size() < needed) buffer.resize(needed);
    }
    // Puts one point at `count` (a line's end points).
    void Put(const shapeio::PointXY& point) {
        Reserve(1);
        buffer[static_cast<size_t>(count++)] = point;
    }
};

// A line's shape row given more than once in a type 2 table sorted by TLID
// and RTSQ: a repeat that holds the same points is dropped (the table and
// `count` shrink), so that the line has each of its rows once. Repeats that
// hold different points cannot both be right: the log gets "ERROR in type
// 2 records: TLID <tlid> RTSQ <rtsq> is given twice with different points",
// the county fails and false is returned.
template <typename Row>
bool DropRepeatedShapeRows(std::vector<Row>& rows, int& count, shapeio::JobServices& services) {
    auto sameKey = [](const Row& a, const Row& b) {
        return std::strcmp(a.TLID, b.TLID) == 0 && std::strcmp(a.RTSQ, b.RTSQ) == 0;
    };
    size_t kept = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (kept > 0 && sameKey(rows[kept - 1], rows[i])) {
            if (std::equal(std::begin(rows[i].points), std::end(rows[i].points), std::begin(rows[kept - 1].points),
                           [](const shapeio::PointXY& a, const shapeio::PointXY& b) { return a.x == b.x && a.y == b.y; }))
                continue;
            services.WriteLogLine("ERROR in type 2 records: TLID " + platform::Trimmed(rows[i].TLID) + " RTSQ " +
                                  platform::Trimmed(rows[i].RTSQ) + " is given twice with different points");
            services.FailCounty();
            return false;
        }
        if (kept != i) rows[kept] = rows[i];
        ++kept;
    }
    rows.resize(kept);
    count = static_cast<int>(kept);
    return true;
}

// The first row of a key whose rows carry sequence numbers from 1, reached
// from any of its rows (`found`, numbered `sequence`): it lies sequence - 1
// rows before. -1 when the row reached does not have the key.
template <typename Row, typename KeyOf>
int StepBackToFirstRow(const std::vector<Row>& rows, int found, int sequence, const char* wanted, KeyOf key) {
    int first = sequence > 1 ? found - (sequence - 1) : found;
    if (first < 0 || std::strcmp(key(rows[static_cast<size_t>(first)]), wanted) != 0) return -1;
    return first;
}

// Where each line's type 2 rows start, found once per table instead of by
// halving for every line of every layer: for each TLID of the table, the
// row the search by halving reaches, stepped back to the line's first row
// by its sequence number (so that a table out of order or with gaps in its
// sequence numbers gives what the search gives). Built at the first lookup
// of a table; the library forgets it whenever the table is read or
// released.
class ShapeRowIndex {
public:
    static constexpr int kNoRows = -1;       // a straight line
    static constexpr int kUnreachable = -2;  // the first row cannot be reached

    void Clear() {
        std::vector<Slot>().swap(slots_);
        table_ = nullptr;
        count_ = -1;
    }

    // The line's first row, or kNoRows or kUnreachable.
    template <typename Row>
    int FirstRow(const std::vector<Row>& rows, int rowCount, const char* tlid) {
        if (table_ != rows.data() || count_ != rowCount) Build(rows, rowCount);
        if (slots_.empty()) return kNoRows;
        for (size_t at = Hash(tlid) & mask_;; at = (at + 1) & mask_) {
            const Slot& slot = slots_[at];
            if (slot.keyRow < 0) return kNoRows;
            if (std::strcmp(rows[static_cast<size_t>(slot.keyRow)].TLID, tlid) == 0) return slot.first;
        }
    }

private:
    // Open addressing: a slot names a row holding the TLID (-1: empty) and
    // that line's first row.
    struct Slot {
        int keyRow = -1;
        int first = kNoRows;
    };

    static size_t Hash(const char* text) {
        uint64_t hash = 14695981039346656037ull;
        for (; *text; ++text) hash = (hash ^ static_cast<unsigned char>(*text)) * 1099511628211ull;
        return static_cast<size_t>(hash ^ (hash >> 29));
    }

    template <typename Row>
    void Build(const std::vector<Row>& rows, int rowCount) {
        Clear();
        auto key = [](const Row& row) { return row.TLID; };
        size_t size = 16;
        while (size < 2 * static_cast<size_t>(std::max(rowCount, 0))) size *= 2;
        slots_.resize(size);
        mask_ = size - 1;
        for (int i = 0; i < rowCount; ++i) {
            // Rows of one line follow each other: only the first of a run
            // can be a TLID not seen yet.
            const char* tlid = rows[static_cast<size_t>(i)].TLID;
            if (i > 0 && std::strcmp(rows[static_cast<size_t>(i) - 1].TLID, tlid) == 0) continue;
            size_t at = Hash(tlid) & mask_;
            while (slots_[at].keyRow >= 0 && std::strcmp(rows[static_cast<size_t>(slots_[at].keyRow)].TLID, tlid) != 0)
                at = (at + 1) & mask_;
            if (slots_[at].keyRow >= 0) continue;
            slots_[at].keyRow = i;
            const int found = FindByText(rows, rowCount, tlid, key);
            if (found < 0) continue;
            const int first =
                StepBackToFirstRow(rows, found, std::atoi(rows[static_cast<size_t>(found)].RTSQ), tlid, key);
            slots_[at].first = first < 0 ? kUnreachable : first;
        }
        table_ = rows.data();
        count_ = rowCount;
    }

    std::vector<Slot> slots_;
    size_t mask_ = 0;
    const void* table_ = nullptr;
    int count_ = -1;
};

// Appends the shape points of the line `tlid` from its type 2 rows (a table
// sorted by TLID and RTSQ whose rows hold TLID, RTSQ and ten points; a
// longitude of 0.0 ends a row's points), in their order or last first, and
// widens both boxes by each. A line without rows adds nothing. When the
// line's first row cannot be reached from the row found, the log gets
// "ERROR - nonmatching Tlid values after sequence adjustment", the county
// fails and false is returned.
template <typename Row>
bool AppendShapePoints(const std::vector<Row>& rows, int rowCount, ShapeRowIndex& index, const char* tlid,
                       bool reverse, ShapeState& shape, shapeio::JobServices& services) {
    rowCount = std::min(rowCount, static_cast<int>(rows.size()));
    const int first = index.FirstRow(rows, rowCount, tlid);
    if (first == ShapeRowIndex::kNoRows) return true;  // a straight line
    if (first == ShapeRowIndex::kUnreachable) {
        services.WriteLogLine("ERROR - nonmatching Tlid values after sequence adjustment");
        services.FailCounty();
        return false;
    }
    // Room for the line's points (ten a row at most) and its end point.
    size_t rowsOfLine = 0;
    while (first + static_cast<int>(rowsOfLine) < rowCount &&
           std::strcmp(rows[static_cast<size_t>(first) + rowsOfLine].TLID, tlid) == 0) {
        ++rowsOfLine;
    }
    shape.Reserve(10 * rowsOfLine + 1);
    shapeio::PointXY* const out = shape.buffer.data() + shape.count;
    int taken = 0;
    for (size_t row = static_cast<size_t>(first); row < static_cast<size_t>(first) + rowsOfLine; ++row) {
        for (const shapeio::PointXY& point : rows[row].points) {
            if (point.x == 0.0) break;  // the row's last point has been taken
            out[taken++] = point;
            shapeio::WidenBox(shape.shapeBox, point.x, point.y);
            shapeio::WidenBox(shape.layerBox, point.x, point.y);
        }
    }
    if (reverse) std::reverse(out, out + taken);
    shape.count += taken;
    return true;
}

// The shape the layers of the running county are building: its points (made
// for the county's longest line by the driver, 10 points per type 2 row of
// the highest RTSQ and the two end points, and grown when a line holds
// more), how many there are (the caller sets it to 0 before each line), the
// box of the current shape (emptied by the caller before each shape) and
// the box of the layer file being written.
extern std::vector<shapeio::PointXY> gShapePointBuffer;
extern int gShapePointCount;
extern shapeio::BoundingBox gShapeBox;
extern shapeio::BoundingBox gLayerBox;

// Lets go of gShapePointBuffer's storage (between counties).
void ReleaseShapePoints();

// Puts one point at gShapePointCount (a line's end points).
void PutShapePoint(const shapeio::PointXY& point);

// AppendShapePoints into that shape from a library's type 2 table; `reverse`
// is 1 for last first.
void AppendLineShape(const std::vector<Type2Record>& rows, int rowCount, ShapeRowIndex& index, const char* tlid,
                     int reverse, shapeio::JobServices& services);

// The great-circle distance between two points (degrees) in statute miles.
double ComputeGreatCircleMiles(const shapeio::PointXY& a, const shapeio::PointXY& b);

// The length in miles of the line through `count` points.
double ComputeLineMiles(const shapeio::PointXY* points, int count);

}  // namespace tigercore
