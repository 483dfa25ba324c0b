// What a merged folder knows a county by (shapeio::CountyKey), read from
// the county's own records: the county code that its type I records carry
// on every row (unlike its type 1 records, whose border lines carry the
// neighbours' codes on one side), which every row must give alike, the
// VERSION of its type 1 file (its first record) and the edition chosen,
// whatever the files' names or the case of their names.
#pragma once

#include "shapeio/county_record.h"

#include <string>

namespace tigercore {

struct CountyKeyReading {
    // The key tells the county: both files have records.
    bool known = false;
    // Not empty: why the county cannot be told, a line for its log (a file
    // that cannot be opened or read, naming it and the reason; type I
    // records that give more than one county code or a blank one, naming
    // the codes).
    std::string failure;
};

// The key of the county whose type 1 file is `type1Path` and type I file
// `typeIPath`, with its county code in the 5 columns from `codeColumn`
// (1-based) of a type I record. Not known (and no failure) when either file
// is not there or has no record that long.
CountyKeyReading ReadCountyKey(const std::string& type1Path, const std::string& typeIPath, int codeColumn,
                               char edition, shapeio::CountyKey& key);

}  // namespace tigercore
