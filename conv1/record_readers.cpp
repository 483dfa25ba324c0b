// The record readers: each counts the record lines of its file (gRecordFile,
// opened by the driver), obtains a table of exactly that many rows, parses
// every line into its row, closes the file and sorts the table.
#include "conv1/conversion_dialog.h"
#include "conv1/job_state.h"
#include "conv1/record_order.h"
#include "conv1/record_parsers.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "platform/text.h"
#include "tigercore/line_record_readers.h"
#include "tigercore/record_reading.h"
#include "tigercore/table_reader.h"

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace vornak {

namespace {

using RowStep = bool (*)(int row, std::string_view line);

// The record type of each table (its letter in column 1 of every record).
constexpr char kRecordTypes[kWaterLandmarkTable] = {'1', '2', '3', '4', '5', '6', '7',
                                                    '8', '9', 'A', 'C', 'I', 'S', 'Z'};

// How one record type of this library is read, with the messages most
// types give.
tigercore::TableReading Reading(TableMark mark) {
    tigercore::TableReading reading =
        tigercore::ReadingOf({Services(), gRecordFile, gRecordIndex, gCurrentJob, '0', '8'}, kRecordTypes[mark],
                             &gTableAllocated[mark]);
    // A type 3 line may end inside its voting districts.
    reading.linesMayEndEarly = mark == kType3Table;
    return reading;
}

// A table that describes the county's lines one row each: the file must
// hold as many records as type 1 does.
tigercore::TableReading LineReading(TableMark mark, const char* countMessage) {
    tigercore::TableReading reading = Reading(mark);
    reading.requiredCount = gType1Count;
    reading.countMessage = countMessage;
    return reading;
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
    tigercore::ReadLineTable(Reading(kType1Table), gType1Records, gType1Count, ParseType1Line, gCfccClassCounts,
                             {CompareType1Records, Type1ClassKey});
}

void ReadType2Records() {
    tigercore::ReadShapeTable(Reading(kType2Table), gType2Records, gType2Count, ParseType2Line, gType2Index, gMaxRtsq,
                              {CompareTlidRtsq, TlidRtsqKey});
}

void ReadType3Records() {
    tigercore::TableReading reading = LineReading(
        kType3Table,
        "TIGER ERROR-There is not a one-to one correspondence between type 1 records and type 3 records.  This is "
        "an error in TIGER");
    reading.allocationMessage = "\nMEMORY ALLOCATION ERROR, Record Type 3, size %ld ";
    SelectReleaseLayouts(gEditionCode);
    const RowStep borderStep = gEditionCode >= 100 ? TribalBorderStep : VotingDistrictBorderStep;
    gLandmarkBorderLineCount = 0;
    gTribalSubdivisionBorderLineCount = 0;
    if (!tigercore::ReadTable(reading, gType3Records, gType3Count, ParseType3Line, borderStep)) return;
    tigercore::SortTable(Services(), gType3Records, CompareLeadingText, LeadingTextKey);
    // Row i of types 1, 3 and I is the same line.
    tigercore::DescribeSameLines(Services(), '3', gLineEnds, LineEndsTlidKey, gType3Records, LeadingTextKey);
}

void ReadTypeIRecords() {
    const tigercore::TableReading reading = LineReading(
        kTypeITable, "\nTIGER ERROR-The number of Type I records does not equal the number of Type 1 Records");
    if (!tigercore::ReadSortedTable(reading, gTypeIRecords, gTypeICount, ParseTypeILine, CompareLeadingText,
                                    LeadingTextKey))
        return;
    tigercore::DescribeSameLines(Services(), 'I', gLineEnds, LineEndsTlidKey, gTypeIRecords, LeadingTextKey);
}

void ReadType4Records() {
    tigercore::ReadSortedTable(Reading(kType4Table), gType4Records, gType4Count, ParseType4Line, CompareTlidRtsq,
                               TlidRtsqKey);
}

void ReadType5Records() {
    tigercore::ReadSortedTable(Reading(kType5Table), gType5Records, gType5Count, ParseType5Line, CompareLeadingText,
                               LeadingTextKey);
}

void ReadType6Records() {
    tigercore::ReadSortedTable(Reading(kType6Table), gType6Records, gType6Count, ParseType6Line, CompareTlidRtsq,
                               TlidRtsqKey);
}

void ReadTypeZRecords() {
    tigercore::ReadSortedTable(Reading(kTypeZTable), gTypeZRecords, gTypeZCount, ParseTypeZLine, CompareTlidRtsq,
                               TlidRtsqKey);
}

void ReadType7Records() {
    tigercore::ReadSortedTable(Reading(kType7Table), gType7Records, gType7Count, ParseType7Line, CompareType7Records,
                               LandKey);
}

void ReadType8Records() {
    tigercore::ReadSortedTable(Reading(kType8Table), gType8Records, gType8Count, ParseType8Line, CompareType8Records,
                               CenidPolyidKey);
}

void ReadType9Records() {
    tigercore::ReadSortedTable(Reading(kType9Table), gType9Records, gType9Count, ParseType9Line, CompareType9Records,
                               CenidPolyidKey);
}

// Types A, S and C read the columns of the county's release.
void ReadTypeARecords() {
    SelectReleaseLayouts(gEditionCode);
    tigercore::ReadSortedTable(Reading(kTypeATable), gTypeARecords, gTypeACount, ParseTypeALine, CompareTypeARecords,
                               CenidPolyidKey);
}

void ReadTypeSRecords() {
    SelectReleaseLayouts(gEditionCode);
    tigercore::ReadSortedTable(Reading(kTypeSTable), gTypeSRecords, gTypeSCount, ParseTypeSLine, CompareTypeSRecords,
                               CenidPolyidKey);
}

void ReadTypeCRecords() {
    // Type C keeps the order of its file.
    SelectReleaseLayouts(gEditionCode);
    tigercore::ReadTable(Reading(kTypeCTable), gTypeCRecords, gTypeCCount, ParseTypeCLine, tigercore::NoStep);
}

}  // namespace vornak
