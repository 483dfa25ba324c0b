// The record types whose coordinates the layers draw (type 1, the complete
// chains, and type 2, their shape points) have the same length and the same
// coordinate columns in every edition. A line of either type must have that
// exact length and in each coordinate field nothing or a signed number of
// millionths of a degree within the range of longitudes (+-180) or
// latitudes (+-90): a cut or damaged line would otherwise put its points in
// the wrong place without a word. A record that does not fit stops the
// county.
#pragma once

#include "platform/files.h"
#include "shapeio/job_services.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tigercore {

struct ColumnRange {
    int first, last;  // 1-based, inclusive
    bool latitude;    // else a longitude
};

// The record length and coordinate columns of one record type.
struct GeometryRecordShape {
    char type;
    size_t length;
    const ColumnRange* coordinates;
    size_t coordinateCount;
};

extern const GeometryRecordShape kType1Shape;  // 228 characters, FRLONG to TOLAT
extern const GeometryRecordShape kType2Shape;  // 208 characters, LONG1 to LAT10

// A coordinate field: blanks, an optional sign and digits to its end, or
// blanks only (no value: read as 0, as for an unused shape point).
bool IsCoordinateField(std::string_view field);

// Empty when `line`, the record of row `row` (0-based) whose real length is
// `length`, fits `shape`; else the reason, "ERROR in type <t> record
// <row + 1>: ...".
std::string GeometryRecordFault(const GeometryRecordShape& shape, int row, std::string_view line, size_t length);

}  // namespace tigercore
