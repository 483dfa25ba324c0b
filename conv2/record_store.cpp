#include "conv2/record_store.h"

namespace vornak2 {

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
int gMaxRtsq = 0;
platform::FilePtr gRecordFile;
platform::FilePtr gTypeAScratchFile;

void ResetRecordStore() {
    gType1Count = gType2Count = gTypeICount = gType4Count = gType5Count = gType6Count = 0;
    gTypeTCount = gTypeUCount = gTypeZCount = gTypeCCount = gTypeACount = gTypeSCount = 0;
    gTypePCount = gTypeBCount = gType7Count = gType8Count = gTypeECount = gTypeMCount = 0;
    gMaxRtsq = 0;
}

void ReleaseRecordStore() {
    gRecordFile.reset();
    ResetRecordStore();
}

void SortType1ByTlid() {}

}  // namespace vornak2
