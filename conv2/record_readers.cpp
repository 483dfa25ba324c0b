// The record readers: each counts the record lines of its file (gRecordFile,
// opened by the driver), obtains a table of exactly that many rows, parses
// every line into its row, closes the file and sorts the table.
#include "conv2/conversion_dialog.h"
#include "conv2/job_state.h"
#include "conv2/record_order.h"
#include "conv2/record_parsers.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "platform/text.h"
#include "tigercore/line_record_readers.h"
#include "tigercore/record_reading.h"
#include "tigercore/table_reader.h"

#include <string>

namespace vornak2 {

namespace {

constexpr int kNoMark = -1;

// The record type of each table (its letter in column 1 of every record);
// type M, which has no mark, last.
constexpr char kRecordTypes[kTableMarkCount + 1] = {'1', '2', 'I', '4', '5', '6', 'T', 'U', 'Z',
                                                     'C', 'A', 'S', 'P', 'B', '7', '8', 'E', 'M'};

// How one record type of this library is read, with the messages most
// types give.
tigercore::TableReading Reading(int mark) {
    return tigercore::ReadingOf({Services(), gRecordFile, gRecordIndex, gCurrentJob, '9', 'd'},
                                kRecordTypes[mark == kNoMark ? kTableMarkCount : mark],
                                mark == kNoMark ? nullptr : &gTableAllocated[static_cast<size_t>(mark)]);
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
