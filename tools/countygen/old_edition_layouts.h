// Record layouts of the 1994-2000 editions as data: for every field that
// differs by release, its columns and the releases that carry it; the
// fields every code level is built from; file name suffixes and record
// lengths.
#pragma once

#include "old_edition_codes.h"

#include <string>
#include <vector>

namespace countygen {

// One field of a record: a text or a character member of Row, at 1-based
// columns first to last, in releases from to to (94 ... 103). For the two
// sides of a line first and last are the left side's columns; the right
// side's follow them directly.
template <class Row>
struct Column {
    char record;
    const char* name;
    int first, last;
    int from, to;
    std::string Row::*text;
    char Row::*character;

    int Width() const { return last - first + 1; }
    bool Carries(int release) const { return from <= release && release <= to; }
};

// Types A and S.
const std::vector<Column<OldCellCodes>>& CellColumns();
// Types 1 and 3, per side.
const std::vector<Column<OldSideCodes>>& SideColumns();
// Type C.
const std::vector<Column<OldEntityName>>& EntityColumns();

// The entries of a table for one record type and release.
template <class Row>
std::vector<Column<Row>> ColumnsOf(const std::vector<Column<Row>>& table, char record, int release) {
    std::vector<Column<Row>> columns;
    for (const Column<Row>& c : table) {
        if (c.record == record && c.Carries(release)) columns.push_back(c);
    }
    return columns;
}

// `row` with every field of the table that the release does not carry set
// to blanks of its width.
template <class Row>
Row CarriedFields(const Row& row, const std::vector<Column<Row>>& table, int release) {
    Row carried = row;
    for (const Column<Row>& c : table) {
        if (c.text) carried.*c.text = std::string((row.*c.text).size(), ' ');
        if (c.character) carried.*c.character = ' ';
    }
    for (const Column<Row>& c : table) {
        if (!c.Carries(release)) continue;
        if (c.text) carried.*c.text = row.*c.text;
        if (c.character) carried.*c.character = row.*c.character;
    }
    return carried;
}

// One part of a level's code text: a field (or its first `width`
// characters, blank-padded to `width`) in releases from to to.
struct LevelPart {
    std::string OldCellCodes::*text;
    char OldCellCodes::*character;
    int from, to;
    int width;  // 0: the whole field
};
const std::vector<LevelPart>& LevelParts(LevelA level);
const std::vector<LevelPart>& LevelParts(LevelS level);

// The record length of a type in the files written ('1' ... 'Z').
int OldRecordLength(char recordType);
// The suffix family of a release: "f6" (94), "bw" (95) or "rt".
const char* SuffixFamily(int release);

}  // namespace countygen
