#include "conv2/road_tables.h"

#include "conv2/job_state.h"
#include "conv2/line_output.h"
#include "tigercore/record_fields.h"
#include "conv2/record_search.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "shapeio/dbase_table_writer.h"
#include "shapeio/guarded_file.h"

#include <algorithm>
#include <vector>

namespace vornak2 {

using shapeio::DbfFieldDef;
using shapeio::DbfRecord;

const DbfFieldDef AlternateNameFields[] = {
    {"TLID", 'N', 10, 0},    {"FEDIRP2", 'C', 2, 0}, {"FENAME2", 'C', 30, 0},
    {"FETYPE2", 'C', 4, 0},  {"FEDIRS2", 'C', 2, 0}, {nullptr, 0, 0, 0},
};

const DbfFieldDef AdditionalAddressFields[] = {
    {"TLID", 'N', 10, 0},     {"RTSQ", 'N', 3, 0},      {"FRADDL2", 'C', 11, 0}, {"TOADDL2", 'C', 11, 0},
    {"FRADDR2", 'C', 11, 0},  {"TOADDR2", 'C', 11, 0},  {"ZIPL2", 'C', 5, 0},    {"ZIPR2", 'C', 5, 0},
    {nullptr, 0, 0, 0},
};

const DbfFieldDef AdditionalAddressNumericFields[] = {
    {"TLID", 'N', 10, 0},     {"RTSQ", 'N', 3, 0},      {"FRADDL2", 'N', 11, 0}, {"TOADDL2", 'N', 11, 0},
    {"FRADDR2", 'N', 11, 0},  {"TOADDR2", 'N', 11, 0},  {"ZIPL2", 'C', 5, 0},    {"ZIPR2", 'C', 5, 0},
    {nullptr, 0, 0, 0},
};

const DbfFieldDef Zip4Fields[] = {
    {"TLID", 'N', 10, 0}, {"RTSQ", 'N', 3, 0}, {"ZIP4L", 'C', 4, 0}, {"ZIP4R", 'C', 4, 0}, {nullptr, 0, 0, 0},
};

const DbfFieldDef MetadataFields[] = {
    {"TLID", 'N', 10, 0},    {"RTSQ", 'N', 3, 0}, {"SOURCEID", 'C', 10, 0},
    {"ID", 'C', 18, 0},      {"IDFLAG", 'C', 1, 0}, {nullptr, 0, 0, 0},
};

namespace {

struct RoadTable {
    const char* themeFolder;
    const char* fileStem;  // after the county's base name; alone when counties are merged
    const char* statusText;
    const char* writtenFormat;  // the log line: records written and the path
};

const RoadTable kAlternateNames{"roads", "alt", "Alternate Feature Names",
                                "Wrote %d Alternate Feature Name records to file %s\n"};
const RoadTable kAdditionalAddresses{"roads", "add2", "Additional Addresses",
                                     "Wrote %d Additional Address Information records to file %s\n"};
const RoadTable kZip4{"roads", "zip", "Additional Zipcodes", "Wrote %d Zip+4 records to file %s\n"};
const RoadTable kMetadata{"metadata", "met", "Metadata", "Wrote %d Metadata records to file %s\n"};

// Whether the table at `path` can be continued: it exists and its header
// describes this table's layout and rows that are all in the file.
bool ContinuableTable(const std::string& path, const DbfFieldDef* fields) {
    platform::FilePtr file = platform::OpenFile(path, "rb");
    if (!file) return false;
    shapeio::DbfHeaderInfo header;
    if (!shapeio::DBF_Read_Header(file.get(), header)) return false;
    const int64_t rowsEnd = header.headerLength + static_cast<int64_t>(header.recordCount) * header.recordLength;
    return header.headerLength == shapeio::DbfHeaderLength(fields) &&
           header.recordLength == shapeio::DbfRecordLength(fields) && rowsEnd <= shapeio::FileSize(path);
}

// One table being written: placed by the organisation, continued when the
// counties are merged and the table is already there, else created.
class RoadTableFile {
public:
    RoadTableFile(const RoadTable& table, const DbfFieldDef* fields, int sourceRows)
        : table_(table), fields_(fields), sourceRows_(sourceRows), writer_(Services()) {}

    bool Open() {
        const shapeio::LayerOutput output =
            PlaceLineOutput(table_.themeFolder, gCountyBaseName + table_.fileStem, table_.fileStem);
        ShowStatus(table_.statusText);
        const std::string path = output.Path(".dbf");
        const bool continued = output.Merged() && ContinuableTable(path, fields_);
        return writer_.Open(path, fields_,
                            continued ? shapeio::DbfTableWriter::OpenMode::kContinue
                                      : shapeio::DbfTableWriter::OpenMode::kCreate);
    }

    bool Write(const DbfRecord& record) { return writer_.WriteRecord(record.text()); }

    // Source row `row` (from 0) is done.
    void Progress(int row) const {
        if (sourceRows_ > 0) SetProgress(static_cast<int>(100LL * (row + 1) / sourceRows_));
    }

    // Ends the table; a table without any record is removed.
    void Finish() {
        if (writer_.Finish(true)) {
            WriteLogText(table_.writtenFormat, static_cast<int>(writer_.recordsWritten()), writer_.path().c_str());
        }
        ShowStatus("");
        SetProgress(0);
    }

private:
    const RoadTable& table_;
    const DbfFieldDef* fields_;
    int sourceRows_;
    shapeio::DbfTableWriter writer_;
};

// The row count a table can be walked over.
template <typename Row>
int RowsOf(const std::vector<Row>& table, int count) {
    return std::min(count, static_cast<int>(table.size()));
}

// A feature-name reference of a type 4 row as its number; 0 when blank.
long long FeatureNumber(const char* feat) {
    long long value = 0;
    tigercore::ScanField(feat, static_cast<int>(sizeof Type4Record::FEAT1) - 1, value);
    return value;
}

}  // namespace

void WriteAlternateNamesTable() {
    const int rows = RowsOf(gType4Records, gType4Count);
    RoadTableFile table(kAlternateNames, AlternateNameFields, rows);
    if (!table.Open()) return;
    for (int i = 0; i < rows; ++i) {
        const Type4Record& names = gType4Records[static_cast<size_t>(i)];
        for (const char* feat : {names.FEAT1, names.FEAT2, names.FEAT3, names.FEAT4, names.FEAT5}) {
            const long long number = FeatureNumber(feat);
            if (number <= 0) break;  // the row's references end here
            const int featureRow = FindType5Record(number);
            if (featureRow < 0) continue;  // no feature of that identifier
            const Type5Record& feature = gType5Records[static_cast<size_t>(featureRow)];
            DbfRecord record(AlternateNameFields);
            record.Add(names.TLID).Add(feature.FEDIRP).Add(feature.FENAME).Add(feature.FETYPE).Add(feature.FEDIRS);
            if (!table.Write(record)) return;
        }
        table.Progress(i);
    }
    table.Finish();
}

void WriteAdditionalAddressTable() {
    const int rows = RowsOf(gType6Records, gType6Count);
    const DbfFieldDef* fields = gNumericAddressFields ? AdditionalAddressNumericFields : AdditionalAddressFields;
    RoadTableFile table(kAdditionalAddresses, fields, rows);
    if (!table.Open()) return;
    for (int i = 0; i < rows; ++i) {
        const Type6Record& r = gType6Records[static_cast<size_t>(i)];
        DbfRecord record(fields);
        record.Add(r.TLID).Add(r.RTSQ).Add(r.FRADDL).Add(r.TOADDL).Add(r.FRADDR).Add(r.TOADDR).Add(r.ZIPL).Add(
            r.ZIPR);
        if (!table.Write(record)) return;
        table.Progress(i);
    }
    table.Finish();
}

void WriteZip4Table() {
    const int rows = RowsOf(gTypeZRecords, gTypeZCount);
    RoadTableFile table(kZip4, Zip4Fields, rows);
    if (!table.Open()) return;
    for (int i = 0; i < rows; ++i) {
        const TypeZRecord& r = gTypeZRecords[static_cast<size_t>(i)];
        DbfRecord record(Zip4Fields);
        record.Add(r.TLID).Add(r.RTSQ).Add(r.ZIP4L).Add(r.ZIP4R);
        if (!table.Write(record)) return;
        table.Progress(i);
    }
    table.Finish();
}

void WriteMetadataTable() {
    const int rows = RowsOf(gTypeMRecords, gTypeMCount);
    RoadTableFile table(kMetadata, MetadataFields, rows);
    if (!table.Open()) return;
    for (int i = 0; i < rows; ++i) {
        const TypeMRecord& r = gTypeMRecords[static_cast<size_t>(i)];
        DbfRecord record(MetadataFields);
        record.Add(r.TLID).Add(r.RTSQ).Add(r.SOURCEID).Add(r.ID).Add(std::string(1, r.IDFLAG));
        if (!table.Write(record)) return;
        table.Progress(i);
    }
    table.Finish();
}

}  // namespace vornak2
