// The record readers: each counts the record lines of its file (gRecordFile,
// opened by the driver), obtains a table of exactly that many rows, parses
// every line into its row, closes the file and sorts the table.
#include "conv2/job_state.h"
#include "conv2/record_order.h"
#include "conv2/record_parsers.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "platform/text.h"
#include "tigercore/line_classes.h"
#include "tigercore/table_reader.h"

#include <string>

namespace vornak2 {

namespace {

constexpr int kNoMark = -1;

// How one record type of this library is read.
tigercore::TableReading Reading(int mark, const char* allocationMessage, const char* readMessage) {
    tigercore::TableReading reading;
    reading.services = &Services();
    reading.file = &gRecordFile;
    reading.rowIndex = &gRecordIndex;
    reading.mark = mark == kNoMark ? nullptr : &gTableAllocated[static_cast<size_t>(mark)];
    reading.allocationMessage = allocationMessage;
    reading.readMessage = readMessage;
    return reading;
}

// A per-row step gives up: the reason to the log, the county abandoned, the
// file closed.
void Fail(const std::string& message) { tigercore::FailReading(Services(), gRecordFile, message); }

template <typename Row>
void SortTable(std::vector<Row>& table, int (*compare)(const Row&, const Row&), SortKey (*keyOf)(const Row&),
               bool showSorting = true) {
    tigercore::SortTable(Services(), table, compare, keyOf, showSorting);
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
        Fail(platform::Format("ERROR in type %c record %d: %zu characters instead of %zu", type, row + 1, line.size(), length));
        return false;
    }
    for (const ColumnRange& c : coordinates) {
        const size_t first = static_cast<size_t>(c.first - 1);
        std::string_view field = line.substr(first, static_cast<size_t>(c.last) - first);
        if (!IsCoordinateField(field)) {
            Fail(platform::Format("ERROR in type %c record %d: the coordinate in columns %d-%d is not a number", type, row + 1,
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
    tigercore::LineClassSlot slot;
    if (!tigercore::LineClassOf(r.CFCC[0], r.lineClass, slot)) {
        WriteLogLine(platform::Format("Unknown CFCC code: %s", r.CFCC));
        std::string record(line);
        record += '\n';
        Fail(platform::Format("Record %d, TLID = %s\n Full Record = \n%s", row + 1, r.TLID, record.c_str()));
        return false;
    }
    ++gCfccClassCounts[slot];
    return true;
}

bool Type2Step(int row, std::string_view line) {
    if (!GeometryRecordFits('2', row, line, kType2Length, kType2Coordinates)) return false;
    int rtsq = 0;
    const char* text = gType2Records[static_cast<size_t>(row)].RTSQ;
    tigercore::ScanField(text, static_cast<int>(std::strlen(text)), rtsq);
    if (rtsq > gMaxRtsq) gMaxRtsq = rtsq;
    return true;
}

}  // namespace

void ReadType1Records() {
    const tigercore::TableReading reading = Reading(kType1Table, "MEMORY ALLOCATION ERROR, Record Type 1 Size %ld",
                                    "\nERROR reading type 1 records");
    gCfccClassCounts.fill(0);
    if (!tigercore::ReadTable(reading, gType1Records, gType1Count, ParseType1Line, Type1Step)) return;
    SortTable(gType1Records, CompareType1Records, Type1ClassKey);
}

void ReadType2Records() {
    const tigercore::TableReading reading = Reading(kType2Table, "MEMORY ALLOCATION ERROR, Record Type 2, size %ld",
                                    "ERROR reading type 2 records");
    gMaxRtsq = 0;
    if (!tigercore::ReadTable(reading, gType2Records, gType2Count, ParseType2Line, Type2Step)) return;
    SortTable(gType2Records, CompareTlidRtsq, TlidRtsqKey);
}

void ReadTypeIRecords() {
    tigercore::TableReading reading = Reading(kTypeITable, "\nMEMORY ALLOCATION ERROR, Record Type I, size %ld",
                                    "ERROR reading type I records");
    reading.requiredCount = gType1Count;
    reading.countMessage = "\nTIGER ERROR-The number of Type I records does not equal the number of Type 1 Records";
    if (!tigercore::ReadTable(reading, gTypeIRecords, gTypeICount, ParseTypeILine, tigercore::NoStep)) return;
    SortTable(gTypeIRecords, CompareTextAt12, TextAt12Key);
    tigercore::DescribeSameLines(Services(), 'I', gType1Records, Type1TlidKey, gTypeIRecords, TextAt12Key);
}

void ReadType4Records() {
    const tigercore::TableReading reading = Reading(kType4Table, "\nMEMORY ALLOCATION ERROR, Record Type 4, size %ld",
                                    "ERROR reading type 4 records");
    if (!tigercore::ReadTable(reading, gType4Records, gType4Count, ParseType4Line, tigercore::NoStep)) return;
    SortTable(gType4Records, CompareTlidRtsq, TlidRtsqKey);
}

void ReadType5Records() {
    const tigercore::TableReading reading = Reading(kType5Table, "\nMEMORY ALLOCATION ERROR, Record Type 5, size %ld",
                                    "ERROR reading type 5 records");
    if (!tigercore::ReadTable(reading, gType5Records, gType5Count, ParseType5Line, tigercore::NoStep)) return;
    SortTable(gType5Records, CompareType5Records, FeatKey);
}

void ReadType6Records() {
    const tigercore::TableReading reading = Reading(kType6Table, "\nMEMORY ALLOCATION ERROR, Record Type 6, size %ld",
                                    "ERROR reading type 6 records");
    if (!tigercore::ReadTable(reading, gType6Records, gType6Count, ParseType6Line, tigercore::NoStep)) return;
    SortTable(gType6Records, CompareTlidRtsq, TlidRtsqKey);
}

void ReadTypeTRecords() {
    const tigercore::TableReading reading = Reading(kTypeTTable, "\nMEMORY ALLOCATION ERROR, Record Type T, size %ld",
                                    "ERROR reading type T records");
    if (!tigercore::ReadTable(reading, gTypeTRecords, gTypeTCount, ParseTypeTLine, tigercore::NoStep)) return;
    SortTable(gTypeTRecords, CompareTextAt12, TextAt12Key);
}

void ReadTypeURecords() {
    const tigercore::TableReading reading = Reading(kTypeUTable, "\nMEMORY ALLOCATION ERROR, Record Type U, size %ld",
                                    "ERROR reading type U records");
    if (!tigercore::ReadTable(reading, gTypeURecords, gTypeUCount, ParseTypeULine, tigercore::NoStep)) return;
    SortTable(gTypeURecords, CompareTypeURecords, TypeUKey);
}

void ReadTypeZRecords() {
    const tigercore::TableReading reading = Reading(kTypeZTable, "\nMEMORY ALLOCATION ERROR, Record Type Z, size %ld",
                                    "ERROR reading type Z records");
    if (!tigercore::ReadTable(reading, gTypeZRecords, gTypeZCount, ParseTypeZLine, tigercore::NoStep)) return;
    SortTable(gTypeZRecords, CompareTlidRtsq, TlidRtsqKey);
}

void ReadTypeCRecords() {
    // Type C keeps the file order.
    const tigercore::TableReading reading = Reading(kTypeCTable, "\nMEMORY ALLOCATION ERROR, Record Type C, size %ld",
                                    "ERROR reading type C records");
    tigercore::ReadTable(reading, gTypeCRecords, gTypeCCount, ParseTypeCLine, tigercore::NoStep);
}

void ReadTypeARecords() {
    const tigercore::TableReading reading = Reading(kTypeATable, "\nMEMORY ALLOCATION ERROR, Record Type A, size %ld",
                                    "ERROR reading type A records");
    if (!tigercore::ReadTable(reading, gTypeARecords, gTypeACount, ParseTypeALine, tigercore::NoStep)) return;
    SortTable(gTypeARecords, CompareTypeARecords, CenidPolyidKey);
}

void ReadTypeSRecords() {
    const tigercore::TableReading reading = Reading(kTypeSTable, "\nMEMORY ALLOCATION ERROR, Record Type S, size %ld",
                                    "ERROR reading type S records");
    if (!tigercore::ReadTable(reading, gTypeSRecords, gTypeSCount, ParseTypeSLine, tigercore::NoStep)) return;
    SortTable(gTypeSRecords, CompareTypeSRecords, CenidPolyidKey);
}

void ReadTypePRecords() {
    // Sorted without showing "Sorting".
    const tigercore::TableReading reading = Reading(kTypePTable, "MEMORY ALLOCATION ERROR, Record Type P, size %ld",
                                    "ERROR reading type P records");
    if (!tigercore::ReadTable(reading, gTypePRecords, gTypePCount, ParseTypePLine, tigercore::NoStep)) return;
    SortTable(gTypePRecords, CompareTypePRecords, PolyidCenidKey, false);
}

void ReadTypeBRecords() {
    const tigercore::TableReading reading = Reading(kTypeBTable, "\nMEMORY ALLOCATION ERROR, Record Type B, size %ld",
                                    "ERROR reading type B records");
    if (!tigercore::ReadTable(reading, gTypeBRecords, gTypeBCount, ParseTypeBLine, tigercore::NoStep)) return;
    SortTable(gTypeBRecords, CompareTypeBRecords, CenidPolyidKey);
}

void ReadType7Records() {
    const tigercore::TableReading reading = Reading(kType7Table, "\nMEMORY ALLOCATION ERROR, Record Type 7, size %ld",
                                    "ERROR reading type 7 records");
    if (!tigercore::ReadTable(reading, gType7Records, gType7Count, ParseType7Line, tigercore::NoStep)) return;
    SortTable(gType7Records, CompareType7Records, LandKey);
}

void ReadType8Records() {
    const tigercore::TableReading reading = Reading(kType8Table, "\nMEMORY ALLOCATION ERROR, Record Type 8, size %ld",
                                    "ERROR reading type 8 records");
    if (!tigercore::ReadTable(reading, gType8Records, gType8Count, ParseType8Line, tigercore::NoStep)) return;
    SortTable(gType8Records, CompareType8Records, CenidPolyidKey);
}

void ReadTypeERecords() {
    const tigercore::TableReading reading = Reading(kTypeETable, "\nMEMORY ALLOCATION ERROR, Record Type E, size %ld",
                                    "ERROR reading type E records");
    if (!tigercore::ReadTable(reading, gTypeERecords, gTypeECount, ParseTypeELine, tigercore::NoStep)) return;
    SortTable(gTypeERecords, CompareTypeERecords, CenidPolyidKey);
}

void ReadTypeMRecords() {
    // The type M table has no allocation mark; the driver releases it anyway.
    const tigercore::TableReading reading = Reading(kNoMark, "\nMEMORY ALLOCATION ERROR, Record Type M, size %ld",
                                    "ERROR reading type M records");
    if (!tigercore::ReadTable(reading, gTypeMRecords, gTypeMCount, ParseTypeMLine, tigercore::NoStep)) return;
    SortTable(gTypeMRecords, CompareTypeMRecords, TlidRtsqKey);
}

}  // namespace vornak2
