// The road attribute tables of the county: alternate feature names,
// additional address ranges and ZIP+4 codes, through the shared writers.
#include "conv1/job_state.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "tigercore/road_tables.h"

namespace vornak {

namespace {

// The driver shows each table's status text before calling its writer.
const tigercore::RoadTable kAlternateNames{"roads", "alt", nullptr,
                                           "Wrote %d Alternate Feature Name records to file %s\n"};
const tigercore::RoadTable kAdditionalAddresses{"roads", "add2", nullptr,
                                                "Wrote %d Additional Address Information records to file %s\n"};
const tigercore::RoadTable kZip4{"roads", "zip", nullptr, "Wrote %d Zip+4 records to file %s\n"};

tigercore::RoadTableJob TableJob() {
    return {&Services(), {gOutputPrefix, gOrganisationMode}, gCountyBaseName, gNumericAddressFields != 0};
}

}  // namespace

void WriteAlternateNamesTable() {
    // A reference is the number of a type 5 row (from 1); the first that is
    // not ends the type 4 row's list.
    auto featureOf = [](long long number) -> const Type5Record* {
        const int rows = tigercore::RowsOf(gType5Records, gType5Count);
        return number >= 1 && number <= rows ? &gType5Records[static_cast<size_t>(number - 1)] : nullptr;
    };
    tigercore::WriteAlternateNamesTable(TableJob(), kAlternateNames, gType4Records, gType4Count, featureOf,
                                        tigercore::MissingFeature::kEndOfList);
}

void WriteAdditionalAddressTable() {
    tigercore::WriteAdditionalAddressTable(TableJob(), kAdditionalAddresses, gType6Records, gType6Count);
}

void WriteZip4Table() { tigercore::WriteZip4Table(TableJob(), kZip4, gTypeZRecords, gTypeZCount); }

}  // namespace vornak
