// Stages not built yet: they do nothing, so a county runs through them.
#include "conv2/stages.h"

namespace vornak2 {

void ReadType1Records() {}
void ReadType2Records() {}
void ReadTypeIRecords() {}
void ReadType4Records() {}
void ReadType5Records() {}
void ReadType6Records() {}
void ReadTypeTRecords() {}
void ReadTypeURecords() {}
void ReadTypeZRecords() {}
void ReadTypeCRecords() {}
void ReadTypeARecords() {}
void ReadTypeSRecords() {}
void ReadTypePRecords() {}
void ReadTypeBRecords() {}
void ReadType7Records() {}
void ReadType8Records() {}
void ReadTypeERecords() {}
void ReadTypeMRecords() {}

}  // namespace vornak2
