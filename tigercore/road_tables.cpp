#include "tigercore/road_tables.h"

#include "platform/text.h"
#include "shapeio/county_change.h"

namespace tigercore {

using shapeio::DbfFieldDef;

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

bool RoadTableFile::Open() {
    // A merged table that holds the county already is passed over.
    if (shapeio::AlreadyMerged(*job_.services,
                               shapeio::MergedLayerPath(job_.output, table_.themeFolder, table_.fileStem, ".dbf"))) {
        return false;
    }
    const shapeio::LayerOutput output =
        shapeio::PlaceLayerOutput(*job_.services, job_.output, table_.themeFolder,
                                  job_.countyBaseName + table_.fileStem, table_.fileStem);
    if (table_.statusText) job_.services->ShowStatus(table_.statusText);
    // Merged counties continue the table when it is there; a table that is
    // there but not one of this layout is refused, not overwritten.
    return writer_.Open(output.Path(".dbf"), fields_,
                        output.Merged() ? shapeio::DbfTableWriter::OpenMode::kContinueOrCreate
                                        : shapeio::DbfTableWriter::OpenMode::kCreate);
}

void RoadTableFile::Progress(int row) const {
    if (sourceRows_ > 0) job_.services->SetProgress(static_cast<int>(100LL * (row + 1) / sourceRows_));
}

void RoadTableFile::Finish() {
    if (writer_.Finish(true)) {
        job_.services->WriteLogText(platform::Format(table_.writtenFormat, static_cast<int>(writer_.recordsWritten()),
                                                     writer_.path().c_str()));
    }
    if (table_.statusText) job_.services->ShowStatus("");
    job_.services->SetProgress(0);
}

}  // namespace tigercore
