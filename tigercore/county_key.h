// What a merged folder knows a county by (shapeio::CountyKey), read from
// the county's own records: the county code that its type I records carry
// on every row (unlike its type 1 records, whose border lines carry the
// neighbours' codes on one side), the VERSION of its type 1 file and the
// edition chosen. The first record of each file tells it, whatever the
// files' names or the case of their names.
#pragma once

#include "shapeio/county_record.h"

#include <string>

namespace tigercore {

// The key of the county whose type 1 file is `type1Path` and type I file
// `typeIPath`, with its county code in the 5 columns from `codeColumn`
// (1-based) of a type I record. False when either file has no first record
// that long.
bool ReadCountyKey(const std::string& type1Path, const std::string& typeIPath, int codeColumn, char edition,
                   shapeio::CountyKey& key);

}  // namespace tigercore
