#include "conv2/record_store.h"

#include "conv2/record_order.h"
#include "tigercore/table_release.h"

namespace vornak2 {

std::vector<Type1Record> gType1Records;
std::vector<Type2Record> gType2Records;
tigercore::ShapeRowIndex gType2Index;
std::vector<TypeIRecord> gTypeIRecords;
std::vector<Type4Record> gType4Records;
std::vector<Type5Record> gType5Records;
std::vector<Type6Record> gType6Records;
std::vector<TypeTRecord> gTypeTRecords;
std::vector<TypeURecord> gTypeURecords;
std::vector<TypeZRecord> gTypeZRecords;
std::vector<TypeCRecord> gTypeCRecords;
std::vector<TypeARecord> gTypeARecords;
std::vector<TypeSRecord> gTypeSRecords;
std::vector<TypePRecord> gTypePRecords;
std::vector<TypeBRecord> gTypeBRecords;
std::vector<Type7Record> gType7Records;
std::vector<Type8Record> gType8Records;
std::vector<TypeERecord> gTypeERecords;
std::vector<TypeMRecord> gTypeMRecords;

int gType1Count = 0;
int gType2Count = 0;
int gTypeICount = 0;
int gType4Count = 0;
int gType5Count = 0;
int gType6Count = 0;
int gTypeTCount = 0;
int gTypeUCount = 0;
int gTypeZCount = 0;
int gTypeCCount = 0;
int gTypeACount = 0;
int gTypeSCount = 0;
int gTypePCount = 0;
int gTypeBCount = 0;
int gType7Count = 0;
int gType8Count = 0;
int gTypeECount = 0;
int gTypeMCount = 0;

std::array<unsigned char, kTableMarkCount> gTableAllocated{};
std::array<int, tigercore::kLineClassCount> gCfccClassCounts{};
int gMaxRtsq = 0;
platform::FilePtr gRecordFile;
int gRecordIndex = 0;
platform::FilePtr gTypeAScratchFile;

namespace {

void ResetCounts() {
    gType1Count = gType2Count = gTypeICount = gType4Count = gType5Count = gType6Count = 0;
    gTypeTCount = gTypeUCount = gTypeZCount = gTypeCCount = gTypeACount = gTypeSCount = 0;
    gTypePCount = gTypeBCount = gType7Count = gType8Count = gTypeECount = gTypeMCount = 0;
    gCfccClassCounts.fill(0);
    gMaxRtsq = 0;
    gRecordIndex = 0;
}

}  // namespace

void ResetRecordStore() {
    tigercore::ReleaseTables(gType1Records, gType2Records, gTypeIRecords, gType4Records, gType5Records, gType6Records,
                             gTypeTRecords, gTypeURecords, gTypeZRecords, gTypeCRecords, gTypeARecords,
                             gTypeSRecords, gTypePRecords, gTypeBRecords, gType7Records, gType8Records,
                             gTypeERecords, gTypeMRecords);
    gType2Index.Clear();
    gTableAllocated.fill(0);
    ResetCounts();
}

void ReleaseRecordStore() {
    // A table without its mark holds no storage, so releasing every table is
    // releasing the marked ones and the type M table.
    gRecordFile.reset();
    ResetRecordStore();
}

void ReleaseTypeARecords() {
    tigercore::ReleaseMarkedTable(gTypeARecords, gTableAllocated[kTypeATable]);
}

void SortType1ByTlid() { SortRecords(gType1Records, CompareTextAt6, Type1TlidKey); }

}  // namespace vornak2
