#include "conv2/road_tables.h"

#include "conv2/job_state.h"
#include "conv2/record_search.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "tigercore/road_tables.h"

#include <string>

namespace vornak2 {

using shapeio::DbfFieldDef;

const DbfFieldDef MetadataFields[] = {
    {"TLID", 'N', 10, 0},    {"RTSQ", 'N', 3, 0}, {"SOURCEID", 'C', 10, 0},
    {"ID", 'C', 18, 0},      {"IDFLAG", 'C', 1, 0}, {nullptr, 0, 0, 0},
};

namespace {

const tigercore::RoadTable kAlternateNames{"roads", "alt", "Alternate Feature Names",
                                           "Wrote %d Alternate Feature Name records to file %s\n"};
const tigercore::RoadTable kAdditionalAddresses{"roads", "add2", "Additional Addresses",
                                                "Wrote %d Additional Address Information records to file %s\n"};
const tigercore::RoadTable kZip4{"roads", "zip", "Additional Zipcodes", "Wrote %d Zip+4 records to file %s\n"};
const tigercore::RoadTable kMetadata{"metadata", "met", "Metadata", "Wrote %d Metadata records to file %s\n"};

tigercore::RoadTableJob TableJob() {
    return {&Services(), {gOutputPrefix, gOrganisationMode}, gCountyBaseName, gNumericAddressFields != 0};
}

}  // namespace

void WriteAlternateNamesTable() {
    // A reference to a feature identifier that no type 5 row has is passed over.
    auto featureOf = [](long long number) -> const Type5Record* {
        const int row = FindType5Record(number);
        return row >= 0 ? &gType5Records[static_cast<size_t>(row)] : nullptr;
    };
    tigercore::WriteAlternateNamesTable(TableJob(), kAlternateNames, gType4Records, gType4Count, featureOf,
                                        tigercore::MissingFeature::kSkip);
}

void WriteAdditionalAddressTable() {
    tigercore::WriteAdditionalAddressTable(TableJob(), kAdditionalAddresses, gType6Records, gType6Count);
}

void WriteZip4Table() { tigercore::WriteZip4Table(TableJob(), kZip4, gTypeZRecords, gTypeZCount); }

void WriteMetadataTable() {
    const tigercore::RoadTableJob job = TableJob();
    const int rows = tigercore::RowsOf(gTypeMRecords, gTypeMCount);
    tigercore::RoadTableFile table(job, kMetadata, MetadataFields, rows);
    if (!table.Open()) return;
    for (int i = 0; i < rows; ++i) {
        const TypeMRecord& r = gTypeMRecords[static_cast<size_t>(i)];
        shapeio::DbfRecord record(MetadataFields);
        record.Add(r.TLID).Add(r.RTSQ).Add(r.SOURCEID).Add(r.ID).Add(std::string(1, r.IDFLAG));
        if (!table.Write(record)) return;
        table.Progress(i);
    }
    table.Finish();
}

}  // namespace vornak2
