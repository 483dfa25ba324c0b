// The line buffer the record parsers read from, the two field extractors
// every parser uses, and the checks of the fields a parser takes as numbers
// and coordinates.
#pragma once

#include <string>
#include <string_view>

namespace tigercore {

// Longest record line kept, and the size of the line buffer.
constexpr int kRecordLineLength = 248;
constexpr int kLineBufferSize = kRecordLineLength + 1;

// The record line being parsed. Column c of the record (1-based) is
// gLineBuffer[c - 1]; the line is padded with blanks to kRecordLineLength
// characters and terminated, so every column of every record type is there.
extern char gLineBuffer[kLineBufferSize];

// The last column (1-based) of gLineBuffer that a field extractor has read
// since it was set to 0: how long a record line must be for its parser.
extern int gLastColumnRead;

// Why the record being parsed cannot be taken as it is: the first field a
// check below found unsound, as "the field in columns 6-15 is not a number"
// (without the record's type and number); empty while every field checked is
// sound. The record reader empties it before each record.
extern std::string gFieldFault;

// Notes the columns of gLineBuffer that a field reader of a library's own
// (not CopyField or ScanField) has read, for gLastColumnRead.
void NoteColumnsRead(const char* source, int width);

// A field the system takes as a number (a key such as a TLID or POLYID, a
// count, a code digit): blank, or digits after leading blanks. A field that
// is neither is noted in gFieldFault.
void CheckNumberField(const char* source, int width);

// A coordinate field, signed millionths of a degree: blank, or an optional
// sign and digits after leading blanks, within +-180 degrees for a longitude
// and +-90 for a latitude. A field that is not is noted in gFieldFault.
void CheckCoordinateField(const char* source, int width, bool latitude);

// Reads a coordinate field (checked as above) into degrees; blank columns
// give 0.0.
void ScanCoordinate(const char* source, int width, bool latitude, double& degrees);

// A coordinate that must be given (the end points of a line), read as
// `degrees`: a field of blanks only is noted in gFieldFault, as "the
// coordinate in columns 191-200 is blank", and one that reads as zero as
// "the longitude in columns 191-200 is zero" (or latitude). No county lies
// on the equator or the prime meridian: such a point would draw a line
// across the world.
void CheckEndCoordinate(const char* source, int width, bool latitude, double degrees);

// The longitude and latitude fields of a shape point, read as above into
// `x` and `y`. A point blank in both fields, or whose longitude reads 0.0,
// ends its row: false. A point blank in one field only is noted in
// gFieldFault, as "the latitude in columns 29-37 is blank, its longitude in
// columns 19-28 is not": it would read as a vertex on the equator or end its
// row early. A latitude of zero under a longitude that is not is noted as
// "the latitude in columns 29-37 is zero, its longitude in columns 19-28 is
// not": no county lies on the equator.
bool CheckShapePoint(const char* longitude, int longitudeWidth, const char* latitude, int latitudeWidth, double x,
                     double y);

// A shape point slot of `width` columns at `slot` that follows `ending`, the
// slot that ended its row: each of its two fields (the first
// `longitudeWidth` columns, then the rest) must be blank or read as zero
// (any sign, leading blanks), as unused slots are written. A point there
// would be lost: noted in gFieldFault, as "the shape point in columns 57-75
// follows the slot in columns 38-56 that ends its row".
void CheckSlotAfterRowEnd(const char* slot, int width, int longitudeWidth, const char* ending);

// Puts one record line into gLineBuffer: its characters (at most
// kRecordLineLength, without the line end) followed by blanks.
void LoadLineBuffer(std::string_view line);

// Copies exactly `width` characters from `source` (blanks, line ends and NULs
// included) and stores a NUL after them; a width of 0 or less stores only the
// NUL. `destination` holds width + 1 characters.
void CopyField(const char* source, int width, char* destination);

// Reads a number or a character from a field of `width` characters at
// `source`. The field's characters (up to a NUL) are taken as a text; a text
// that is exactly one blank reads as "0". The destination's type picks the
// conversion, as the C formatted input conversions do:
//   int, long long  "%d" / "%lld": leading white space, a sign, digits
//   char            "%c": the first character, white space included
//   double          "%lf": a decimal number
// When nothing can be converted the destination keeps its value. A number too
// large for its destination is held at the destination's limit.
void ScanField(const char* source, int width, int& destination);
void ScanField(const char* source, int width, long long& destination);
void ScanField(const char* source, int width, char& destination);
void ScanField(const char* source, int width, double& destination);

}  // namespace tigercore
