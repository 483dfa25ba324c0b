// The frame every record reader follows: count the record lines of the
// type's file, obtain a table of exactly that many rows, parse every line
// into its row, close the file and sort the table. A library describes where
// its record file, row number and allocation mark are; the frame reports
// through the library's job services.
#pragma once

#include "platform/files.h"
#include "platform/memory.h"
#include "platform/text.h"
#include "shapeio/job_services.h"
#include "tigercore/record_fields.h"
#include "tigercore/record_lines.h"
#include "tigercore/sort_keys.h"

#include <algorithm>
#include <climits>
#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace tigercore {

struct TableReading {
    char type = '?';  // the record type, for messages
    shapeio::JobServices* services = nullptr;
    platform::FilePtr* file = nullptr;  // opened by the driver, closed by the reader
    int* rowIndex = nullptr;            // the row being parsed
    unsigned char* mark = nullptr;      // the table's allocation mark, when it has one
    // The messages of a failed allocation (with "%ld" for the bytes asked
    // for) and of a failed read: a type's own, or those of SetCommonMessages.
    std::string allocationMessage;
    std::string readMessage;
    // When not negative, the number of records the file must hold, and the
    // message when it holds another number.
    long long requiredCount = -1;
    std::string countMessage;
    // The length of the type's records (the longest of the editions read):
    // a line that goes on beyond it with anything but blanks is damaged (two
    // records run together, say). 0: not checked.
    size_t recordLength = 0;
    // Whether every record must have exactly that length (the records the
    // layers draw their lines from, types 1 and 2).
    bool exactLength = false;
    // Whether a line may end before the last column its parser reads (the
    // type 3 voting districts of the older editions); else such a line is
    // a damaged or cut record.
    bool linesMayEndEarly = false;
    // The edition the county is converted as ('\0': none) and its type 1
    // file: a record that stops the county and has the length of its type
    // in another edition adds the log line OtherEditionNote says.
    char edition = '\0';
    std::string typeOnePath;
};

// The messages most record types give: "\nMEMORY ALLOCATION ERROR, Record
// Type <type>, size %ld" and "ERROR reading type <type> records".
void SetCommonMessages(TableReading& reading);

// A reader gives up: the reason to the log, the county abandoned, the file closed.
void FailReading(shapeio::JobServices& services, platform::FilePtr& file, const std::string& message);

// Why record `row` (0-based) of `length` characters is not one its parser
// can read: shorter than the last column it reads (`needed`), cut by the
// end of the file when no line end closes it.
std::string RecordTooShort(char type, int row, size_t length, int needed, bool lineEnded);

// Why record `row` (0-based), the line `line` of real length `length`
// whose parser read up to column `needed`, is not one the county can take;
// empty when it is. In this order: a NUL byte anywhere in the line, a length
// other than the exact one of its type, a line shorter than its fields, a
// record type in column 1 other than the file's, characters other than
// blanks beyond the type's record length, then the first unsound field its
// parser noted (gFieldFault).
std::string RecordFault(const TableReading& reading, int row, std::string_view line, size_t length, int needed,
                        bool lineEnded);

// After the record of `length` characters that stopped the county: the log
// line of another edition's length (OtherEditionNote), when there is one.
void NoteOtherEdition(const TableReading& reading, size_t length);

// A per-row step that does nothing.
inline bool NoStep(int, std::string_view) { return true; }

// Reads the record file into `table` (count and mark included), calling
// `parse` and then `step` for every row (`step` returns false when the
// county must stop; it has then said why). True when every row was read;
// the file is closed either way.
//
// The file is read twice in large blocks, once to count its records and once
// to parse them, so that the table is obtained once at its exact size. Each
// row is made (zero-filled) just before it is parsed.
template <typename Row, typename Step>
bool ReadTable(const TableReading& reading, std::vector<Row>& table, int& count, void (*parse)(int), Step step) {
    shapeio::JobServices& services = *reading.services;
    platform::FilePtr& file = *reading.file;
    count = 0;
    std::vector<Row>().swap(table);
    if (reading.mark) *reading.mark = 0;
    services.ShowStatus("Reading");
    if (!file) return false;

    RecordLineReader lines(file.get());
    const long long records = lines.CountRecords();
    if (records < 0) {
        FailReading(services, file, reading.readMessage + lines.StopReason(0));
        return false;
    }
    if (reading.requiredCount >= 0 && records != reading.requiredCount) {
        FailReading(services, file, reading.countMessage);
        return false;
    }
    if (records > 0) {
        bool obtained = records <= INT_MAX;
        if (obtained) {
            try {
                table.reserve(static_cast<size_t>(records));
                platform::AdviseLargePages(table.data(), table.capacity() * sizeof(Row));
            } catch (const std::bad_alloc&) {
                obtained = false;
            }
        }
        if (!obtained) {
            FailReading(services, file,
                        platform::Format(reading.allocationMessage.c_str(),
                                         static_cast<long>(records * static_cast<long long>(sizeof(Row)))));
            return false;
        }
        if (reading.mark) *reading.mark = 1;
    }
    count = static_cast<int>(records);

    // A failure keeps the rows parsed so far; the rest stay zero-filled.
    auto stop = [&](const char* message) {
        table.resize(static_cast<size_t>(count));
        if (message) FailReading(services, file, message);
        file.reset();
        return false;
    };
    int& row = *reading.rowIndex;
    std::string_view line;
    for (row = 0; row < count; ++row) {
        if (!lines.NextLine(line)) return stop((reading.readMessage + lines.StopReason(count)).c_str());
        size_t length = lines.LineLength();
        if (row == count - 1) {
            const std::string_view kept = RecordLineReader::WithoutEndOfFileMarks(line);
            length -= line.size() - kept.size();
            line = kept;
        }
        LoadLineBuffer(line);
        table.emplace_back();
        gLastColumnRead = 0;
        gFieldFault.clear();
        parse(row);
        const std::string fault = RecordFault(reading, row, line, length, gLastColumnRead, lines.LineEnded());
        if (!fault.empty()) {
            stop(fault.c_str());
            NoteOtherEdition(reading, length);
            return false;
        }
        if (!step(row, line)) return stop(nullptr);
    }
    file.reset();
    return true;
}

// Sorts a table read in full, showing "Sorting" when asked to.
template <typename Row>
void SortTable(shapeio::JobServices& services, std::vector<Row>& table, int (*compare)(const Row&, const Row&),
               SortKey (*keyOf)(const Row&), bool showSorting = true) {
    if (showSorting) services.ShowStatus("Sorting");
    SortRecords(table, compare, keyOf);
}

// Reads a table whose rows need no step of their own and sorts it: the
// readers of most record types. True when every row was read.
template <typename Row>
bool ReadSortedTable(const TableReading& reading, std::vector<Row>& table, int& count, void (*parse)(int),
                     int (*compare)(const Row&, const Row&), SortKey (*keyOf)(const Row&), bool showSorting = true) {
    if (!ReadTable(reading, table, count, parse, NoStep)) return false;
    SortTable(*reading.services, table, compare, keyOf, showSorting);
    return true;
}

// Whether a table of one row per line (`links`, sorted by TLID) describes
// the lines of the type 1 table: both hold the same TLIDs, so that row i of
// each is the same line once type 1 is sorted by TLID. The first TLID that
// only one of them holds is logged ("Type <letter> and Type 1 records do not
// describe the same lines") and fails the county.
template <typename LineRow, typename LinkRow>
bool DescribeSameLines(shapeio::JobServices& services, char letter, const std::vector<LineRow>& lines,
                       SortKey (*lineKey)(const LineRow&), const std::vector<LinkRow>& links,
                       SortKey (*linkKey)(const LinkRow&)) {
    std::vector<SortKey> type1(lines.size());
    for (size_t i = 0; i < type1.size(); ++i) type1[i] = lineKey(lines[i]);
    std::sort(type1.begin(), type1.end(), KeyBefore);
    const size_t n = std::min(type1.size(), links.size());
    for (size_t i = 0; i < n; ++i) {
        const SortKey link = linkKey(links[i]);
        if (SameKey(link, type1[i])) continue;
        // The smaller TLID is the one missing from the other table.
        const SortKey& missing = KeyBefore(link, type1[i]) ? link : type1[i];
        std::string tlid(reinterpret_cast<const char*>(missing.bytes), 10);
        services.WriteLogLine(platform::Format(
            "\nTIGER ERROR-Type %c and Type 1 records do not describe the same lines, TLID %s", letter,
            platform::Trimmed(tlid.c_str()).c_str()));
        services.FailCounty();
        return false;
    }
    return true;
}

}  // namespace tigercore
