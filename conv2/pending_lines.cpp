// Stages not built yet: they do nothing, so a county runs through them.
#include "conv2/stages.h"

namespace vornak2 {

void BuildLineLayers() {}
void WriteAlternateNamesTable() {}
void WriteAdditionalAddressTable() {}
void WriteZip4Table() {}
void WriteMetadataTable() {}

}  // namespace vornak2
