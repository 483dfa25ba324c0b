#include "conv1/record_store.h"

#include "conv1/record_order.h"
#include "tigercore/table_release.h"

#include <cstring>

namespace vornak {

std::vector<Type1Record> gType1Records;
std::vector<LineEnds> gLineEnds;
std::vector<Type2Record> gType2Records;
tigercore::ShapeRowIndex gType2Index;
std::vector<Type3Record> gType3Records;
std::vector<Type4Record> gType4Records;
std::vector<Type5Record> gType5Records;
std::vector<Type6Record> gType6Records;
std::vector<Type7Record> gType7Records;
std::vector<Type8Record> gType8Records;
std::vector<Type9Record> gType9Records;
std::vector<TypeARecord> gTypeARecords;
std::vector<TypeCRecord> gTypeCRecords;
std::vector<TypeIRecord> gTypeIRecords;
std::vector<TypeSRecord> gTypeSRecords;
std::vector<TypeZRecord> gTypeZRecords;
std::vector<Type7Record> gWaterLandmarkRecords;

int gType1Count = 0;
int gType2Count = 0;
int gType3Count = 0;
int gType4Count = 0;
int gType5Count = 0;
int gType6Count = 0;
int gType7Count = 0;
int gType8Count = 0;
int gType9Count = 0;
int gTypeACount = 0;
int gTypeCCount = 0;
int gTypeICount = 0;
int gTypeSCount = 0;
int gTypeZCount = 0;
int gWaterLandmarkCount = 0;

std::array<unsigned char, kTableMarkCount> gTableAllocated{};
std::array<int, tigercore::kLineClassCount> gCfccClassCounts{};
int gMaxRtsq = 0;
int gLandmarkBorderLineCount = 0;
int gTribalSubdivisionBorderLineCount = 0;
platform::FilePtr gRecordFile;
int gRecordIndex = 0;
platform::FilePtr gTypeAScratchFile;

void ResetRecordStore() {
    tigercore::ReleaseTables(gType1Records, gLineEnds, gType2Records, gType3Records, gType4Records, gType5Records,
                             gType6Records, gType7Records, gType8Records, gType9Records, gTypeARecords,
                             gTypeCRecords, gTypeIRecords, gTypeSRecords, gTypeZRecords, gWaterLandmarkRecords);
    gType2Index.Clear();
    gTableAllocated.fill(0);
    gType1Count = gType2Count = gType3Count = gType4Count = gType5Count = gType6Count = gType7Count = 0;
    gType8Count = gType9Count = gTypeACount = gTypeCCount = gTypeICount = gTypeSCount = gTypeZCount = 0;
    gWaterLandmarkCount = 0;
    gCfccClassCounts.fill(0);
    gMaxRtsq = 0;
    gLandmarkBorderLineCount = 0;
    gTribalSubdivisionBorderLineCount = 0;
    gRecordIndex = 0;
}

void ReleaseRecordStore() {
    // A table without its mark holds no storage, so releasing every table
    // is releasing the marked ones.
    gRecordFile.reset();
    ResetRecordStore();
}

void ReleaseTypeARecords() {
    tigercore::ReleaseMarkedTable(gTypeARecords, gTableAllocated[kTypeATable]);
}

void KeepLineEndsByTlid() {
    gLineEnds.resize(gType1Records.size());
    for (size_t i = 0; i < gType1Records.size(); ++i) {
        const Type1Record& row = gType1Records[i];
        LineEnds& ends = gLineEnds[i];
        std::memcpy(ends.TLID, row.TLID, sizeof ends.TLID);
        ends.FRLONG = row.FRLONG;
        ends.FRLAT = row.FRLAT;
        ends.TOLONG = row.TOLONG;
        ends.TOLAT = row.TOLAT;
    }
    tigercore::ReleaseMarkedTable(gType1Records, gTableAllocated[kType1Table]);
    tigercore::SortRecords(gLineEnds, CompareLeadingText, LineEndsTlidKey);
}

}  // namespace vornak
