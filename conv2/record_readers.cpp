// The record readers: each counts the record lines of its file (gRecordFile,
// opened by the driver), obtains a table of exactly that many rows, parses
// every line into its row, closes the file and sorts the table.
#include "conv2/job_state.h"
#include "conv2/record_order.h"
#include "conv2/record_parsers.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "platform/text.h"
#include "tigercore/line_record_readers.h"
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

// How one record type of this library is read, with the messages most
// types give.
tigercore::TableReading Reading(int mark) {
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
    tigercore::SetCommonMessages(reading);
    return reading;
}

}  // namespace

void ReadType1Records() {
    tigercore::ReadLineTable(Reading(kType1Table), gType1Records, gType1Count, ParseType1Line, gCfccClassCounts,
                             {CompareType1Records, Type1ClassKey});
}

void ReadType2Records() {
    tigercore::ReadShapeTable(Reading(kType2Table), gType2Records, gType2Count, ParseType2Line, gType2Index, gMaxRtsq,
                              {CompareTlidRtsq, TlidRtsqKey});
}

void ReadTypeIRecords() {
    tigercore::TableReading reading = Reading(kTypeITable);
    reading.requiredCount = gType1Count;
    reading.countMessage = "\nTIGER ERROR-The number of Type I records does not equal the number of Type 1 Records";
    if (!tigercore::ReadSortedTable(reading, gTypeIRecords, gTypeICount, ParseTypeILine, CompareTextAt12, TextAt12Key))
        return;
    tigercore::DescribeSameLines(Services(), 'I', gType1Records, Type1TlidKey, gTypeIRecords, TextAt12Key);
}

void ReadType4Records() {
    tigercore::ReadSortedTable(Reading(kType4Table), gType4Records, gType4Count, ParseType4Line, CompareTlidRtsq,
                               TlidRtsqKey);
}

void ReadType5Records() {
    tigercore::ReadSortedTable(Reading(kType5Table), gType5Records, gType5Count, ParseType5Line, CompareType5Records,
                               FeatKey);
}

void ReadType6Records() {
    tigercore::ReadSortedTable(Reading(kType6Table), gType6Records, gType6Count, ParseType6Line, CompareTlidRtsq,
                               TlidRtsqKey);
}

void ReadTypeTRecords() {
    tigercore::ReadSortedTable(Reading(kTypeTTable), gTypeTRecords, gTypeTCount, ParseTypeTLine, CompareTextAt12,
                               TextAt12Key);
}

void ReadTypeURecords() {
    tigercore::ReadSortedTable(Reading(kTypeUTable), gTypeURecords, gTypeUCount, ParseTypeULine, CompareTypeURecords,
                               TypeUKey);
}

void ReadTypeZRecords() {
    tigercore::ReadSortedTable(Reading(kTypeZTable), gTypeZRecords, gTypeZCount, ParseTypeZLine, CompareTlidRtsq,
                               TlidRtsqKey);
}

void ReadTypeCRecords() {
    // Type C keeps the file order.
    tigercore::ReadTable(Reading(kTypeCTable), gTypeCRecords, gTypeCCount, ParseTypeCLine, tigercore::NoStep);
}

void ReadTypeARecords() {
    tigercore::ReadSortedTable(Reading(kTypeATable), gTypeARecords, gTypeACount, ParseTypeALine, CompareTypeARecords,
                               CenidPolyidKey);
}

void ReadTypeSRecords() {
    tigercore::ReadSortedTable(Reading(kTypeSTable), gTypeSRecords, gTypeSCount, ParseTypeSLine, CompareTypeSRecords,
                               CenidPolyidKey);
}

void ReadTypePRecords() {
    // Sorted without showing "Sorting".
    tigercore::TableReading reading = Reading(kTypePTable);
    reading.allocationMessage = "MEMORY ALLOCATION ERROR, Record Type P, size %ld";
    tigercore::ReadSortedTable(reading, gTypePRecords, gTypePCount, ParseTypePLine, CompareTypePRecords,
                               PolyidCenidKey, false);
}

void ReadTypeBRecords() {
    tigercore::ReadSortedTable(Reading(kTypeBTable), gTypeBRecords, gTypeBCount, ParseTypeBLine, CompareTypeBRecords,
                               CenidPolyidKey);
}

void ReadType7Records() {
    tigercore::ReadSortedTable(Reading(kType7Table), gType7Records, gType7Count, ParseType7Line, CompareType7Records,
                               LandKey);
}

void ReadType8Records() {
    tigercore::ReadSortedTable(Reading(kType8Table), gType8Records, gType8Count, ParseType8Line, CompareType8Records,
                               CenidPolyidKey);
}

void ReadTypeERecords() {
    tigercore::ReadSortedTable(Reading(kTypeETable), gTypeERecords, gTypeECount, ParseTypeELine, CompareTypeERecords,
                               CenidPolyidKey);
}

void ReadTypeMRecords() {
    // The type M table has no allocation mark; the driver releases it anyway.
    tigercore::ReadSortedTable(Reading(kNoMark), gTypeMRecords, gTypeMCount, ParseTypeMLine, CompareTypeMRecords,
                               TlidRtsqKey);
}

}  // namespace vornak2
