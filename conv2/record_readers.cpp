// The record readers: each counts the record lines of its file (gRecordFile,
// opened by the driver), obtains a table of exactly that many rows, parses
// every line into its row, closes the file and sorts the table.
#include "conv2/job_state.h"
#include "conv2/record_fields.h"
#include "conv2/record_lines.h"
#include "conv2/record_order.h"
#include "conv2/record_parsers.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "platform/memory.h"

#include <climits>
#include <cstring>
#include <new>
#include <string>

namespace vornak2 {

namespace {

constexpr int kNoMark = -1;

// What distinguishes one record type's reading.
struct RecordTypeReading {
    int mark;                       // its allocation mark, or kNoMark
    const char* allocationMessage;  // with "%ld" for the bytes asked for
    const char* readMessage;
};

// A reader gives up: the reason to the log, the county abandoned, the file
// closed.
void Fail(const std::string& message) {
    WriteLogLine(message);
    gConversionStatus = -1;
    gRecordFile.reset();
}

// A per-row step that does nothing.
bool NoStep(int, std::string_view) { return true; }

// Reads gRecordFile into `table` (count and mark included), calling `parse`
// and then `step` for every row. `requiredCount`, when not negative, is the
// number of lines the file must have (type I: the type 1 count). True when
// every row was read; the file is closed either way.
//
// The file is read twice in large blocks, once to count its records and once
// to parse them, so that the table is obtained once at its exact size. Each
// row is made (zero-filled) just before it is parsed.
template <typename Row, typename Step>
bool FillTable(const RecordTypeReading& reading, std::vector<Row>& table, int& count, void (*parse)(int),
               Step step, long long requiredCount = -1) {
    count = 0;
    std::vector<Row>().swap(table);
    if (reading.mark != kNoMark) gTableAllocated[static_cast<size_t>(reading.mark)] = 0;
    ShowStatus("Reading");
    if (!gRecordFile) return false;

    RecordLineReader lines(gRecordFile.get());
    const long long records = lines.CountRecords();
    if (records < 0) {
        Fail(reading.readMessage);
        return false;
    }
    if (requiredCount >= 0 && records != requiredCount) {
        Fail("\nTIGER ERROR-The number of Type I records does not equal the number of Type 1 Records");
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
            Fail(Format(reading.allocationMessage, static_cast<long>(records * static_cast<long long>(sizeof(Row)))));
            return false;
        }
        if (reading.mark != kNoMark) gTableAllocated[static_cast<size_t>(reading.mark)] = 1;
    }
    count = static_cast<int>(records);

    // A failure keeps the rows parsed so far; the rest stay zero-filled.
    auto stop = [&table, count](const char* message) {
        table.resize(static_cast<size_t>(count));
        if (message) Fail(message);
        gRecordFile.reset();
        return false;
    };
    std::string_view line;
    for (gRecordIndex = 0; gRecordIndex < count; ++gRecordIndex) {
        if (!lines.NextLine(line)) return stop(reading.readMessage);
        if (gRecordIndex == count - 1) line = RecordLineReader::WithoutEndOfFileMarks(line);
        LoadLineBuffer(line);
        table.emplace_back();
        parse(gRecordIndex);
        if (!step(gRecordIndex, line)) return stop(nullptr);
    }
    gRecordFile.reset();
    return true;
}

// Sorts a table read in full, showing "Sorting" when asked to.
template <typename Row>
void SortTable(std::vector<Row>& table, int (*compare)(const Row&, const Row&), SortKey (*keyOf)(const Row&),
               bool showSorting = true) {
    if (showSorting) ShowStatus("Sorting");
    SortRecords(table, compare, keyOf);
}

// The class of a type 1 row from the first letter of its CFCC: the letter
// stored and the class count it adds to. False for a letter of no class.
bool LineClassOf(char cfcc, char& letter, LineClassSlot& slot) {
    switch (cfcc) {
        case 'A': case 'P': letter = 'A'; slot = kClassA; return true;
        case 'B': letter = 'B'; slot = kClassB; return true;
        case 'C': letter = 'C'; slot = kClassC; return true;
        case 'D': letter = 'D'; slot = kClassD; return true;
        case 'E': letter = 'E'; slot = kClassE; return true;
        case 'F': letter = 'F'; slot = kClassF; return true;
        case 'G': letter = 'G'; slot = kClassF; return true;
        case 'H': letter = 'H'; slot = kClassH; return true;
        case 'X': letter = 'X'; slot = kClassX; return true;
        default: return false;
    }
}

// A coordinate field: blanks, an optional sign and digits to its end, or
// blanks only (no value: read as 0, as for an unused shape point).
bool IsCoordinateField(std::string_view field) {
    size_t i = field.find_first_not_of(' ');
    if (i == std::string_view::npos) return true;
    if (field[i] == '+' || field[i] == '-') ++i;
    if (i == field.size()) return false;
    for (; i < field.size(); ++i) {
        if (field[i] < '0' || field[i] > '9') return false;
    }
    return true;
}

struct ColumnRange {
    int first, last;  // 1-based, inclusive
};

// Records whose coordinates the layers draw must have their type's exact
// length and numbers where the coordinates go: a cut or damaged line would
// otherwise put its points in the wrong place without a word. A record that
// does not fit stops the county.
template <size_t N>
bool GeometryRecordFits(char type, int row, std::string_view line, size_t length,
                        const ColumnRange (&coordinates)[N]) {
    if (line.size() != length) {
        Fail(Format("ERROR in type %c record %d: %zu characters instead of %zu", type, row + 1, line.size(), length));
        return false;
    }
    for (const ColumnRange& c : coordinates) {
        const size_t first = static_cast<size_t>(c.first - 1);
        std::string_view field = line.substr(first, static_cast<size_t>(c.last) - first);
        if (!IsCoordinateField(field)) {
            Fail(Format("ERROR in type %c record %d: the coordinate in columns %d-%d is not a number", type, row + 1,
                        c.first, c.last));
            return false;
        }
    }
    return true;
}

constexpr size_t kType1Length = 228;
constexpr ColumnRange kType1Coordinates[] = {{191, 200}, {201, 209}, {210, 219}, {220, 228}};
constexpr size_t kType2Length = 208;
// LONGk in columns 19 + 19k to 28 + 19k, LATk in 29 + 19k to 37 + 19k.
constexpr ColumnRange kType2Coordinates[] = {
    {19, 28},   {29, 37},   {38, 47},   {48, 56},   {57, 66},   {67, 75},   {76, 85},
    {86, 94},   {95, 104},  {105, 113}, {114, 123}, {124, 132}, {133, 142}, {143, 151},
    {152, 161}, {162, 170}, {171, 180}, {181, 189}, {190, 199}, {200, 208}};

bool Type1Step(int row, std::string_view line) {
    if (!GeometryRecordFits('1', row, line, kType1Length, kType1Coordinates)) return false;
    Type1Record& r = gType1Records[static_cast<size_t>(row)];
    LineClassSlot slot;
    if (!LineClassOf(r.CFCC[0], r.lineClass, slot)) {
        WriteLogLine(Format("Unknown CFCC code: %s", r.CFCC));
        std::string record(line);
        record += '\n';
        Fail(Format("Record %d, TLID = %s\n Full Record = \n%s", row + 1, r.TLID, record.c_str()));
        return false;
    }
    ++gCfccClassCounts[slot];
    return true;
}

bool Type2Step(int row, std::string_view line) {
    if (!GeometryRecordFits('2', row, line, kType2Length, kType2Coordinates)) return false;
    int rtsq = 0;
    const char* text = gType2Records[static_cast<size_t>(row)].RTSQ;
    ScanField(text, static_cast<int>(std::strlen(text)), rtsq);
    if (rtsq > gMaxRtsq) gMaxRtsq = rtsq;
    return true;
}

std::string Trimmed(const char* text) {
    std::string s(text);
    s.erase(0, s.find_first_not_of(' '));
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

// The type I table (sorted by TLID) and the type 1 table describe the same
// lines: their TLIDs, both in TLID order, are equal row by row, so that row
// i of the two tables is the same line once type 1 is sorted by TLID.
bool TypeIMatchesType1() {
    std::vector<SortKey> type1(static_cast<size_t>(gType1Count));
    for (size_t i = 0; i < type1.size(); ++i) type1[i] = Type1TlidKey(gType1Records[i]);
    std::sort(type1.begin(), type1.end(), [](const SortKey& a, const SortKey& b) {
        return std::memcmp(a.bytes, b.bytes, sizeof a.bytes) < 0;
    });
    for (size_t i = 0; i < type1.size(); ++i) {
        const SortKey lineI = TextAt12Key(gTypeIRecords[i]);
        int c = std::memcmp(lineI.bytes, type1[i].bytes, sizeof lineI.bytes);
        if (c != 0) {
            // The smaller TLID is the one missing from the other table.
            const SortKey& missing = c < 0 ? lineI : type1[i];
            std::string tlid(reinterpret_cast<const char*>(missing.bytes), 10);
            Fail(Format("\nTIGER ERROR-Type I and Type 1 records do not describe the same lines, TLID %s",
                        Trimmed(tlid.c_str()).c_str()));
            return false;
        }
    }
    return true;
}

}  // namespace

void ReadType1Records() {
    const RecordTypeReading reading{kType1Table, "MEMORY ALLOCATION ERROR, Record Type 1 Size %ld",
                                    "\nERROR reading type 1 records"};
    gCfccClassCounts.fill(0);
    if (!FillTable(reading, gType1Records, gType1Count, ParseType1Line, Type1Step)) return;
    SortTable(gType1Records, CompareType1Records, Type1ClassKey);
}

void ReadType2Records() {
    const RecordTypeReading reading{kType2Table, "MEMORY ALLOCATION ERROR, Record Type 2, size %ld",
                                    "ERROR reading type 2 records"};
    gMaxRtsq = 0;
    if (!FillTable(reading, gType2Records, gType2Count, ParseType2Line, Type2Step)) return;
    SortTable(gType2Records, CompareTlidRtsq, TlidRtsqKey);
}

void ReadTypeIRecords() {
    const RecordTypeReading reading{kTypeITable, "\nMEMORY ALLOCATION ERROR, Record Type I, size %ld",
                                    "ERROR reading type I records"};
    if (!FillTable(reading, gTypeIRecords, gTypeICount, ParseTypeILine, NoStep, gType1Count)) return;
    SortTable(gTypeIRecords, CompareTextAt12, TextAt12Key);
    TypeIMatchesType1();
}

void ReadType4Records() {
    const RecordTypeReading reading{kType4Table, "\nMEMORY ALLOCATION ERROR, Record Type 4, size %ld",
                                    "ERROR reading type 4 records"};
    if (!FillTable(reading, gType4Records, gType4Count, ParseType4Line, NoStep)) return;
    SortTable(gType4Records, CompareTlidRtsq, TlidRtsqKey);
}

void ReadType5Records() {
    const RecordTypeReading reading{kType5Table, "\nMEMORY ALLOCATION ERROR, Record Type 5, size %ld",
                                    "ERROR reading type 5 records"};
    if (!FillTable(reading, gType5Records, gType5Count, ParseType5Line, NoStep)) return;
    SortTable(gType5Records, CompareType5Records, FeatKey);
}

void ReadType6Records() {
    const RecordTypeReading reading{kType6Table, "\nMEMORY ALLOCATION ERROR, Record Type 6, size %ld",
                                    "ERROR reading type 6 records"};
    if (!FillTable(reading, gType6Records, gType6Count, ParseType6Line, NoStep)) return;
    SortTable(gType6Records, CompareTlidRtsq, TlidRtsqKey);
}

void ReadTypeTRecords() {
    const RecordTypeReading reading{kTypeTTable, "\nMEMORY ALLOCATION ERROR, Record Type T, size %ld",
                                    "ERROR reading type T records"};
    if (!FillTable(reading, gTypeTRecords, gTypeTCount, ParseTypeTLine, NoStep)) return;
    SortTable(gTypeTRecords, CompareTextAt12, TextAt12Key);
}

void ReadTypeURecords() {
    const RecordTypeReading reading{kTypeUTable, "\nMEMORY ALLOCATION ERROR, Record Type U, size %ld",
                                    "ERROR reading type U records"};
    if (!FillTable(reading, gTypeURecords, gTypeUCount, ParseTypeULine, NoStep)) return;
    SortTable(gTypeURecords, CompareTypeURecords, TypeUKey);
}

void ReadTypeZRecords() {
    const RecordTypeReading reading{kTypeZTable, "\nMEMORY ALLOCATION ERROR, Record Type Z, size %ld",
                                    "ERROR reading type Z records"};
    if (!FillTable(reading, gTypeZRecords, gTypeZCount, ParseTypeZLine, NoStep)) return;
    SortTable(gTypeZRecords, CompareTlidRtsq, TlidRtsqKey);
}

void ReadTypeCRecords() {
    // Type C keeps the file order.
    const RecordTypeReading reading{kTypeCTable, "\nMEMORY ALLOCATION ERROR, Record Type C, size %ld",
                                    "ERROR reading type C records"};
    FillTable(reading, gTypeCRecords, gTypeCCount, ParseTypeCLine, NoStep);
}

void ReadTypeARecords() {
    const RecordTypeReading reading{kTypeATable, "\nMEMORY ALLOCATION ERROR, Record Type A, size %ld",
                                    "ERROR reading type A records"};
    if (!FillTable(reading, gTypeARecords, gTypeACount, ParseTypeALine, NoStep)) return;
    SortTable(gTypeARecords, CompareTypeARecords, CenidPolyidKey);
}

void ReadTypeSRecords() {
    const RecordTypeReading reading{kTypeSTable, "\nMEMORY ALLOCATION ERROR, Record Type S, size %ld",
                                    "ERROR reading type S records"};
    if (!FillTable(reading, gTypeSRecords, gTypeSCount, ParseTypeSLine, NoStep)) return;
    SortTable(gTypeSRecords, CompareTypeSRecords, CenidPolyidKey);
}

void ReadTypePRecords() {
    // Sorted without showing "Sorting".
    const RecordTypeReading reading{kTypePTable, "MEMORY ALLOCATION ERROR, Record Type P, size %ld",
                                    "ERROR reading type P records"};
    if (!FillTable(reading, gTypePRecords, gTypePCount, ParseTypePLine, NoStep)) return;
    SortTable(gTypePRecords, CompareTypePRecords, PolyidCenidKey, false);
}

void ReadTypeBRecords() {
    const RecordTypeReading reading{kTypeBTable, "\nMEMORY ALLOCATION ERROR, Record Type B, size %ld",
                                    "ERROR reading type B records"};
    if (!FillTable(reading, gTypeBRecords, gTypeBCount, ParseTypeBLine, NoStep)) return;
    SortTable(gTypeBRecords, CompareTypeBRecords, CenidPolyidKey);
}

void ReadType7Records() {
    const RecordTypeReading reading{kType7Table, "\nMEMORY ALLOCATION ERROR, Record Type 7, size %ld",
                                    "ERROR reading type 7 records"};
    if (!FillTable(reading, gType7Records, gType7Count, ParseType7Line, NoStep)) return;
    SortTable(gType7Records, CompareType7Records, LandKey);
}

void ReadType8Records() {
    const RecordTypeReading reading{kType8Table, "\nMEMORY ALLOCATION ERROR, Record Type 8, size %ld",
                                    "ERROR reading type 8 records"};
    if (!FillTable(reading, gType8Records, gType8Count, ParseType8Line, NoStep)) return;
    SortTable(gType8Records, CompareType8Records, CenidPolyidKey);
}

void ReadTypeERecords() {
    const RecordTypeReading reading{kTypeETable, "\nMEMORY ALLOCATION ERROR, Record Type E, size %ld",
                                    "ERROR reading type E records"};
    if (!FillTable(reading, gTypeERecords, gTypeECount, ParseTypeELine, NoStep)) return;
    SortTable(gTypeERecords, CompareTypeERecords, CenidPolyidKey);
}

void ReadTypeMRecords() {
    // The type M table has no allocation mark; the driver releases it anyway.
    const RecordTypeReading reading{kNoMark, "\nMEMORY ALLOCATION ERROR, Record Type M, size %ld",
                                    "ERROR reading type M records"};
    if (!FillTable(reading, gTypeMRecords, gTypeMCount, ParseTypeMLine, NoStep)) return;
    SortTable(gTypeMRecords, CompareTypeMRecords, TlidRtsqKey);
}

}  // namespace vornak2
