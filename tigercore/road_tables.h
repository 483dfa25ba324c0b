// The attribute tables that join to the roads layer by TLID: alternate
// feature names, additional address ranges and ZIP+4 codes, flat dBASE
// tables with one record per source reference or row, placed by the
// county's organisation. The writers take a library's own rows (any row
// types with the TIGER/Line field names used below).
#pragma once

#include "shapeio/dbase.h"
#include "shapeio/dbase_table_writer.h"
#include "shapeio/job_services.h"
#include "shapeio/layer_output.h"
#include "tigercore/record_fields.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tigercore {

extern const shapeio::DbfFieldDef AlternateNameFields[];             // 49-byte records
extern const shapeio::DbfFieldDef AdditionalAddressFields[];         // 68
extern const shapeio::DbfFieldDef AdditionalAddressNumericFields[];  // 68
extern const shapeio::DbfFieldDef Zip4Fields[];                      // 22

// What distinguishes one table: its theme folder, its file's name after the
// county's base name (alone when counties are merged), the status text shown
// while it is written (none: null) and the log line of the records written
// ("%d" and "%s" for the count and the path).
struct RoadTable {
    const char* themeFolder;
    const char* fileStem;
    const char* statusText;
    const char* writtenFormat;
};

// The county the tables are written for.
struct RoadTableJob {
    shapeio::JobServices* services = nullptr;
    shapeio::CountyOutput output;
    std::string countyBaseName;
    bool numericAddresses = false;  // address ranges as N 11 instead of C 11
};

// One table being written: placed by the organisation, continued when the
// counties are merged and the table is already there, else created.
class RoadTableFile {
public:
    RoadTableFile(const RoadTableJob& job, const RoadTable& table, const shapeio::DbfFieldDef* fields, int sourceRows)
        : job_(job), table_(table), fields_(fields), sourceRows_(sourceRows), writer_(*job.services) {}

    // False when the table cannot be written (logged, the county failed) or
    // is a merged table that holds the county already (passed over).
    bool Open();
    bool Write(const shapeio::DbfRecord& record) { return writer_.WriteRecord(record.text()); }
    // Source row `row` (from 0) is done.
    void Progress(int row) const;
    // Ends the table and logs the records written; a table without any
    // record is removed.
    void Finish();

private:
    const RoadTableJob& job_;
    const RoadTable& table_;
    const shapeio::DbfFieldDef* fields_;
    int sourceRows_;
    shapeio::DbfTableWriter writer_;
};

// The row count a table can be walked over.
template <typename Row>
int RowsOf(const std::vector<Row>& table, int count) {
    return std::min(count, static_cast<int>(table.size()));
}

// A feature-name reference (FEAT1 to FEAT5 of a type 4 row) as its number;
// 0 when blank.
template <size_t N>
long long FeatureNumber(const char (&feat)[N]) {
    long long value = 0;
    ScanField(feat, static_cast<int>(N) - 1, value);
    return value;
}

// What a reference to a feature that cannot be found means.
enum class MissingFeature { kSkip, kEndOfList };

// One record per feature name a type 4 row refers to, in row order: its
// references are read up to the first that is not a positive number;
// `featureOf(number)` gives the type 5 row of a reference (null when there
// is none).
template <typename Type4Row, typename FeatureOf>
void WriteAlternateNamesTable(const RoadTableJob& job, const RoadTable& table, const std::vector<Type4Row>& rows,
                              int count, FeatureOf featureOf, MissingFeature missing) {
    count = RowsOf(rows, count);
    RoadTableFile file(job, table, AlternateNameFields, count);
    if (!file.Open()) return;
    for (int i = 0; i < count; ++i) {
        const Type4Row& names = rows[static_cast<size_t>(i)];
        for (long long number : {FeatureNumber(names.FEAT1), FeatureNumber(names.FEAT2), FeatureNumber(names.FEAT3),
                                 FeatureNumber(names.FEAT4), FeatureNumber(names.FEAT5)}) {
            if (number <= 0) break;  // the row's references end here
            const auto* feature = featureOf(number);
            if (!feature) {
                if (missing == MissingFeature::kEndOfList) break;
                continue;
            }
            shapeio::DbfRecord record(AlternateNameFields);
            record.Add(names.TLID).Add(feature->FEDIRP).Add(feature->FENAME).Add(feature->FETYPE).Add(feature->FEDIRS);
            if (!file.Write(record)) return;
        }
        file.Progress(i);
    }
    file.Finish();
}

// One record per type 6 row.
template <typename Type6Row>
void WriteAdditionalAddressTable(const RoadTableJob& job, const RoadTable& table, const std::vector<Type6Row>& rows,
                                 int count) {
    count = RowsOf(rows, count);
    const shapeio::DbfFieldDef* fields = job.numericAddresses ? AdditionalAddressNumericFields : AdditionalAddressFields;
    RoadTableFile file(job, table, fields, count);
    if (!file.Open()) return;
    for (int i = 0; i < count; ++i) {
        const Type6Row& r = rows[static_cast<size_t>(i)];
        shapeio::DbfRecord record(fields);
        record.Add(r.TLID).Add(r.RTSQ).Add(r.FRADDL).Add(r.TOADDL).Add(r.FRADDR).Add(r.TOADDR).Add(r.ZIPL).Add(r.ZIPR);
        if (!file.Write(record)) return;
        file.Progress(i);
    }
    file.Finish();
}

// One record per type Z row.
template <typename TypeZRow>
void WriteZip4Table(const RoadTableJob& job, const RoadTable& table, const std::vector<TypeZRow>& rows, int count) {
    count = RowsOf(rows, count);
    RoadTableFile file(job, table, Zip4Fields, count);
    if (!file.Open()) return;
    for (int i = 0; i < count; ++i) {
        const TypeZRow& r = rows[static_cast<size_t>(i)];
        shapeio::DbfRecord record(Zip4Fields);
        record.Add(r.TLID).Add(r.RTSQ).Add(r.ZIP4L).Add(r.ZIP4R);
        if (!file.Write(record)) return;
        file.Progress(i);
    }
    file.Finish();
}

}  // namespace tigercore
