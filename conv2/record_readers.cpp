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
#include "tigercore/shape_points.h"
#include "tigercore/table_reader.h"

#include <string>

namespace vornak2 {

namespace {

constexpr int kNoMark = -1;

// The record type of each table (its letter in column 1 of every record)
// and the length of its records, the longest of the editions; type M, which
// has no mark, last.
struct RecordType {
    char letter;
    size_t length;
};
constexpr RecordType kRecordTypes[kTableMarkCount + 1] = {
    {'1', 228}, {'2', 208}, {'I', 127}, {'4', 58}, {'5', 56}, {'6', 76}, {'T', 47}, {'U', 80}, {'Z', 26},
    {'C', 122}, {'A', 210}, {'S', 168}, {'P', 45}, {'B', 98}, {'7', 74}, {'8', 36}, {'E', 73}, {'M', 90},
};

// How one record type of this library is read.
tigercore::TableReading Reading(int mark, const char* allocationMessage, const char* readMessage) {
    tigercore::TableReading reading;
    const RecordType& type = kRecordTypes[mark == kNoMark ? kTableMarkCount : mark];
    reading.type = type.letter;
    reading.recordLength = type.length;
    // The records the layers draw their lines from have exactly that length.
    reading.exactLength = mark == kType1Table || mark == kType2Table;
    reading.services = &Services();
    reading.file = &gRecordFile;
    reading.rowIndex = &gRecordIndex;
    reading.mark = mark == kNoMark ? nullptr : &gTableAllocated[static_cast<size_t>(mark)];
    reading.allocationMessage = allocationMessage;
    reading.readMessage = readMessage;
    return reading;
}

template <typename Row>
void SortTable(std::vector<Row>& table, int (*compare)(const Row&, const Row&), SortKey (*keyOf)(const Row&),
               bool showSorting = true) {
    tigercore::SortTable(Services(), table, compare, keyOf, showSorting);
}

bool Type1Step(int row, std::string_view line) {
    Type1Record& r = gType1Records[static_cast<size_t>(row)];
    return tigercore::TakeLineClass(Services(), gRecordFile, row, line, r.CFCC, r.TLID, r.lineClass, gCfccClassCounts);
}

bool Type2Step(int row, std::string_view) {
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
    gType2Index.Clear();
    if (!tigercore::ReadTable(reading, gType2Records, gType2Count, ParseType2Line, Type2Step)) return;
    SortTable(gType2Records, CompareTlidRtsq, TlidRtsqKey);
    tigercore::DropRepeatedShapeRows(gType2Records, gType2Count, Services());
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
