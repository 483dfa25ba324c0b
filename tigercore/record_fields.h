// The line buffer the record parsers read from, and the two field
// extractors every parser uses.
#pragma once

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
