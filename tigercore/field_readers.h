// Readers of one field of the record line in gLineBuffer, by the record's
// 1-based first and last column, for the parsers of both libraries. The widths are checked when the
// reader is compiled: a text field's array holds exactly its columns and the
// NUL (or, for the forms that say so, the width they write and the NUL).
// The fields taken as numbers and coordinates are checked as they are read
// (gFieldFault).
#pragma once

#include "tigercore/record_fields.h"

#include <cstddef>
#include <cstring>

namespace tigercore::fields {

// Column c of the record (1-based).
inline const char* Column(int c) { return gLineBuffer + c - 1; }

template <int First, int Last>
constexpr bool InLine() {
    return First >= 1 && First <= Last && Last <= kRecordLineLength;
}

// The columns as they are, blanks kept. `Spare` NUL bytes may follow the
// field's own NUL in its array.
template <int First, int Last, size_t Spare = 0, size_t N>
void Text(char (&field)[N]) {
    static_assert(InLine<First, Last>() && Last - First + 2 + Spare == N, "text field width");
    CopyField(Column(First), Last - First + 1, field);
}

// One character ("%c"): a blank column is stored as '0'. Of a wider field
// its first character.
template <int First, int Last = First>
void Char(char& field) {
    static_assert(InLine<First, Last>(), "character columns");
    ScanField(Column(First), Last - First + 1, field);
}

// An American Indian trust land indicator: kept only when it is T, I or H,
// else a blank.
template <int Column1>
void Indicator(char& field) {
    Char<Column1>(field);
    if (field != 'T' && field != 'I' && field != 'H') field = ' ';
}

// A key kept as its text (TLID, RTSQ, POLYID, FEAT): the columns as they
// are, which must hold a number.
template <int First, int Last, size_t N>
void Number(char (&field)[N]) {
    Text<First, Last>(field);
    CheckNumberField(Column(First), Last - First + 1);
}

// A number ("%d"): a blank field reads as 0 (or leaves the zero-filled
// row's value).
template <int First, int Last>
void Int(int& field) {
    static_assert(InLine<First, Last>() && Last - First < 9, "an int field holds at most 9 digits");
    CheckNumberField(Column(First), Last - First + 1);
    ScanField(Column(First), Last - First + 1, field);
}

template <int First, int Last>
void Int(long long& field) {
    static_assert(InLine<First, Last>() && Last - First < 18, "a 64-bit field holds at most 18 digits");
    CheckNumberField(Column(First), Last - First + 1);
    ScanField(Column(First), Last - First + 1, field);
}

// One column read as a number ("%d"), 0 to 9; anything else (a blank, a
// sign, a letter) reads as 0 and is no fault.
template <int Column1>
void Digit(unsigned char& field) {
    static_assert(InLine<Column1, Column1>(), "digit column");
    int value = 0;
    ScanField(Column(Column1), 1, value);
    field = static_cast<unsigned char>(value >= 0 && value <= 9 ? value : 0);
}

// Signed millionths of a degree with an implied decimal point, in degrees.
template <int First, int Last>
void Longitude(double& field) {
    static_assert(InLine<First, Last>(), "coordinate columns");
    ScanCoordinate(Column(First), Last - First + 1, false, field);
}

template <int First, int Last>
void Latitude(double& field) {
    static_assert(InLine<First, Last>(), "coordinate columns");
    ScanCoordinate(Column(First), Last - First + 1, true, field);
}

// An end point of a line: blank columns are no 0.0 here but unsound, and
// so is a coordinate of zero.
template <int First, int Last>
void EndLongitude(double& field) {
    Longitude<First, Last>(field);
    CheckEndCoordinate(Column(First), Last - First + 1, false, field);
}

template <int First, int Last>
void EndLatitude(double& field) {
    Latitude<First, Last>(field);
    CheckEndCoordinate(Column(First), Last - First + 1, true, field);
}

// A coordinate kept as the text of its columns.
template <int First, int Last, size_t N>
void CoordinateText(char (&field)[N], bool latitude) {
    Text<First, Last>(field);
    CheckCoordinateField(Column(First), Last - First + 1, latitude);
}

// A tract code: when its first character is not a blank, every later blank
// becomes '0'; a code that begins with a blank stays as it is.
template <int First, int Last, size_t N>
void Tract(char (&field)[N]) {
    Text<First, Last>(field);
    if (field[0] == ' ') return;
    for (size_t i = 1; i + 1 < N; ++i) {
        if (field[i] == ' ') field[i] = '0';
    }
}

// The columns left-justified in the whole field and filled with blanks
// ("%-<w>s" and then blanks): a NUL among the columns ends their text.
template <int First, int Last, size_t N>
void LeftJustified(char (&field)[N]) {
    static_assert(InLine<First, Last>() && Last - First + 2 <= static_cast<int>(N), "justified field width");
    const size_t width = Last - First + 1;
    const char* source = Column(First);
    NoteColumnsRead(source, static_cast<int>(width));
    size_t n = 0;
    while (n < width && source[n] != '\0') ++n;
    std::memcpy(field, source, n);
    std::memset(field + n, ' ', N - 1 - n);
    field[N - 1] = '\0';
}

// A field that reads as blanks until its columns are copied.
template <size_t N>
void Blanks(char (&field)[N]) {
    std::memset(field, ' ', N - 1);
    field[N - 1] = '\0';
}

inline void Blanks(char& field) { field = ' '; }

}  // namespace tigercore::fields
