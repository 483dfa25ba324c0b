// The record readers: each counts the record lines of its file (gRecordFile,
// opened by the driver), obtains a table of exactly that many rows, parses
// every line into its row, closes the file and sorts the table.
#include "conv1/job_state.h"
#include "conv1/record_order.h"
#include "conv1/record_parsers.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "platform/text.h"
#include "tigercore/line_classes.h"
#include "tigercore/shape_points.h"
#include "tigercore/table_reader.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace vornak {

namespace {

using RowStep = bool (*)(int row, std::string_view line);

// The record type of each table (its letter in column 1 of every record)
// and the length of its records, the longest of the releases.
struct RecordType {
    char letter;
    size_t length;
};
constexpr RecordType kRecordTypes[kWaterLandmarkTable] = {
    {'1', 228}, {'2', 208}, {'3', 111}, {'4', 58}, {'5', 52}, {'6', 76},  {'7', 74},
    {'8', 36},  {'9', 88},  {'A', 98},  {'C', 112}, {'I', 52}, {'S', 120}, {'Z', 26},
};

// How one record type of this library is read.
tigercore::TableReading Reading(TableMark mark, const char* allocationMessage, const char* readMessage) {
    tigercore::TableReading reading;
    reading.type = kRecordTypes[mark].letter;
    reading.recordLength = kRecordTypes[mark].length;
    // The records the layers draw their lines from have exactly that length.
    reading.exactLength = mark == kType1Table || mark == kType2Table;
    // A type 3 line may end inside its voting districts.
    reading.linesMayEndEarly = mark == kType3Table;
    reading.services = &Services();
    reading.file = &gRecordFile;
    reading.rowIndex = &gRecordIndex;
    reading.mark = &gTableAllocated[mark];
    reading.allocationMessage = allocationMessage;
    reading.readMessage = readMessage;
    return reading;
}

// A table that describes the county's lines one row each: the file must
// hold as many records as type 1 does.
tigercore::TableReading LineReading(TableMark mark, const char* allocationMessage, const char* readMessage,
                                    const char* countMessage) {
    tigercore::TableReading reading = Reading(mark, allocationMessage, readMessage);
    reading.requiredCount = gType1Count;
    reading.countMessage = countMessage;
    return reading;
}

template <typename Row>
void SortTable(std::vector<Row>& table, int (*compare)(const Row&, const Row&), SortKey (*keyOf)(const Row&)) {
    tigercore::SortTable(Services(), table, compare, keyOf);
}

// --- Type 1: the line class of every row ------------------------------------

bool Type1Step(int row, std::string_view line) {
    Type1Record& r = gType1Records[static_cast<size_t>(row)];
    return tigercore::TakeLineClass(Services(), gRecordFile, row, line, r.CFCC, r.TLID, r.lineClass, gCfccClassCounts);
}

// --- Type 2: the longest line's shape points --------------------------------

bool Type2Step(int row, std::string_view) {
    const int rtsq = std::atoi(gType2Records[static_cast<size_t>(row)].RTSQ);
    if (rtsq > gMaxRtsq) gMaxRtsq = rtsq;
    return true;
}

// --- Type 3: the border lines of the code layers ----------------------------

// Before release 100: the lines whose two sides lie in different voting
// districts, one side for each side that has a district.
bool VotingDistrictBorderStep(int row, std::string_view) {
    Type3Record& r = gType3Records[static_cast<size_t>(row)];
    r.codeBorderFlag = 0;
    if (std::strcmp(r.VTDL, r.VTDR) != 0) {
        r.codeBorderFlag = 1;
        ++gLandmarkBorderLineCount;
        if (std::strcmp(r.VTDL, "    ") != 0 && std::strcmp(r.VTDR, "    ") != 0) ++gLandmarkBorderLineCount;
    }
    return true;
}

// The tribal subdivision of a side, "%5s%3s" of its tribal area and
// subdivision codes.
struct TribalKey {
    char text[8];
    TribalKey(const char* area, const char* subdivision) {
        Justify(area, 5, text);
        Justify(subdivision, 3, text + 5);
    }
    bool operator!=(const TribalKey& other) const { return std::memcmp(text, other.text, sizeof text) != 0; }
    bool Blank() const { return std::memcmp(text, "        ", sizeof text) == 0; }

private:
    // `field` (never longer than `width`) right-justified in `width` characters.
    static void Justify(const char* field, size_t width, char* out) {
        const size_t n = std::strlen(field);
        std::memset(out, ' ', width - n);
        std::memcpy(out + width - n, field, n);
    }
};

// From release 100: the lines between two ANRCs are marked; the lines whose
// two sides lie in different tribal subdivisions are marked and counted,
// one side for each side that has a subdivision.
bool TribalBorderStep(int row, std::string_view) {
    Type3Record& r = gType3Records[static_cast<size_t>(row)];
    r.codeBorderFlag = 0;
    r.tribalBorderFlag = 0;
    if (std::strcmp(r.ANRCL, r.ANRCR) != 0) r.codeBorderFlag = 1;
    const TribalKey left(r.AITSL, r.AITSCEL);
    const TribalKey right(r.AITSR, r.AITSCER);
    if (left != right) {
        r.tribalBorderFlag = 1;
        ++gTribalSubdivisionBorderLineCount;
        if (!left.Blank() && !right.Blank()) ++gTribalSubdivisionBorderLineCount;
    }
    return true;
}

}  // namespace

void ReadType1Records() {
    const tigercore::TableReading reading =
        Reading(kType1Table, "MEMORY ALLOCATION ERROR, Record Type 1 Size %ld", "\nERROR reading type 1 records");
    gCfccClassCounts.fill(0);
    if (!tigercore::ReadTable(reading, gType1Records, gType1Count, ParseType1Line, Type1Step)) return;
    SortTable(gType1Records, CompareType1Records, Type1ClassKey);
}

void ReadType2Records() {
    const tigercore::TableReading reading =
        Reading(kType2Table, "MEMORY ALLOCATION ERROR, Record Type 2, size %ld", "ERROR reading type 2 records");
    gMaxRtsq = 0;
    gType2Index.Clear();
    if (!tigercore::ReadTable(reading, gType2Records, gType2Count, ParseType2Line, Type2Step)) return;
    SortTable(gType2Records, CompareTlidRtsq, TlidRtsqKey);
    tigercore::DropRepeatedShapeRows(gType2Records, gType2Count, Services());
}

void ReadType3Records() {
    const tigercore::TableReading reading = LineReading(
        kType3Table, "\nMEMORY ALLOCATION ERROR, Record Type 3, size %ld ", "ERROR reading type 3 records",
        "TIGER ERROR-There is not a one-to one correspondence between type 1 records and type 3 records.  This is "
        "an error in TIGER");
    SelectReleaseLayouts(gEditionCode);
    const RowStep borderStep = gEditionCode >= 100 ? TribalBorderStep : VotingDistrictBorderStep;
    gLandmarkBorderLineCount = 0;
    gTribalSubdivisionBorderLineCount = 0;
    if (!tigercore::ReadTable(reading, gType3Records, gType3Count, ParseType3Line, borderStep)) return;
    SortTable(gType3Records, CompareLeadingText, LeadingTextKey);
    // Row i of types 1, 3 and I is the same line.
    tigercore::DescribeSameLines(Services(), '3', gLineEnds, LineEndsTlidKey, gType3Records, LeadingTextKey);
}

void ReadTypeIRecords() {
    const tigercore::TableReading reading = LineReading(
        kTypeITable, "\nMEMORY ALLOCATION ERROR, Record Type I, size %ld", "ERROR reading type I records",
        "\nTIGER ERROR-The number of Type I records does not equal the number of Type 1 Records");
    if (!tigercore::ReadTable(reading, gTypeIRecords, gTypeICount, ParseTypeILine, tigercore::NoStep)) return;
    SortTable(gTypeIRecords, CompareLeadingText, LeadingTextKey);
    tigercore::DescribeSameLines(Services(), 'I', gLineEnds, LineEndsTlidKey, gTypeIRecords, LeadingTextKey);
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
    SortTable(gType5Records, CompareLeadingText, LeadingTextKey);
}

void ReadType6Records() {
    const tigercore::TableReading reading = Reading(kType6Table, "\nMEMORY ALLOCATION ERROR, Record Type 6, size %ld",
                                                    "ERROR reading type 6 records");
    if (!tigercore::ReadTable(reading, gType6Records, gType6Count, ParseType6Line, tigercore::NoStep)) return;
    SortTable(gType6Records, CompareTlidRtsq, TlidRtsqKey);
}

void ReadTypeZRecords() {
    const tigercore::TableReading reading = Reading(kTypeZTable, "\nMEMORY ALLOCATION ERROR, Record Type Z, size %ld",
                                                    "ERROR reading type Z records");
    if (!tigercore::ReadTable(reading, gTypeZRecords, gTypeZCount, ParseTypeZLine, tigercore::NoStep)) return;
    SortTable(gTypeZRecords, CompareTlidRtsq, TlidRtsqKey);
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

void ReadType9Records() {
    const tigercore::TableReading reading = Reading(kType9Table, "\nMEMORY ALLOCATION ERROR, Record Type 9, size %ld",
                                                    "ERROR reading type 9 records");
    if (!tigercore::ReadTable(reading, gType9Records, gType9Count, ParseType9Line, tigercore::NoStep)) return;
    SortTable(gType9Records, CompareType9Records, CenidPolyidKey);
}

void ReadTypeARecords() {
    const tigercore::TableReading reading = Reading(kTypeATable, "\nMEMORY ALLOCATION ERROR, Record Type A, size %ld",
                                                    "ERROR reading type A records");
    SelectReleaseLayouts(gEditionCode);
    if (!tigercore::ReadTable(reading, gTypeARecords, gTypeACount, ParseTypeALine, tigercore::NoStep)) return;
    SortTable(gTypeARecords, CompareTypeARecords, CenidPolyidKey);
}

void ReadTypeSRecords() {
    const tigercore::TableReading reading = Reading(kTypeSTable, "\nMEMORY ALLOCATION ERROR, Record Type S, size %ld",
                                                    "ERROR reading type S records");
    SelectReleaseLayouts(gEditionCode);
    if (!tigercore::ReadTable(reading, gTypeSRecords, gTypeSCount, ParseTypeSLine, tigercore::NoStep)) return;
    SortTable(gTypeSRecords, CompareTypeSRecords, CenidPolyidKey);
}

void ReadTypeCRecords() {
    // Type C keeps the order of its file.
    const tigercore::TableReading reading = Reading(kTypeCTable, "\nMEMORY ALLOCATION ERROR, Record Type C, size %ld",
                                                    "ERROR reading type C records");
    SelectReleaseLayouts(gEditionCode);
    tigercore::ReadTable(reading, gTypeCRecords, gTypeCCount, ParseTypeCLine, tigercore::NoStep);
}

}  // namespace vornak
