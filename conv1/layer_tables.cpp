#include "conv1/layer_tables.h"

#include "conv1/job_state.h"
#include "platform/text.h"
#include "shapeio/county_change.h"
#include "shapeio/dbase_table_writer.h"
#include "shapeio/layer_output.h"

namespace vornak {

std::string TableText(const char* field, size_t width) {
    std::string text;
    for (size_t k = 0; k < width && field[k] != '\0'; ++k) {
        const unsigned char c = static_cast<unsigned char>(field[k]);
        text.push_back(c < 0x20 || c == 0x7F ? ' ' : field[k]);
    }
    return text;
}

void WriteLayerTable(const LayerTable& table, const std::vector<std::string>& records) {
    shapeio::JobServices& services = Services();
    // A merged table that holds the county already is passed over.
    if (shapeio::AlreadyMerged(services, shapeio::MergedLayerPath({gOutputPrefix, gOrganisationMode},
                                                                  table.themeFolder, table.stem, ".dbf"))) {
        return;
    }
    const shapeio::LayerOutput output = shapeio::PlaceLayerOutput(
        services, {gOutputPrefix, gOrganisationMode}, table.themeFolder, gCountyBaseName + table.stem, table.stem);
    shapeio::DbfTableWriter writer(services);
    const auto mode = output.Merged() ? shapeio::DbfTableWriter::OpenMode::kContinueOrCreate
                                      : shapeio::DbfTableWriter::OpenMode::kCreate;
    if (!writer.Open(output.Path(".dbf"), table.fields, mode)) return;
    for (const std::string& record : records)
        if (!writer.WriteRecord(record)) return;
    if (!writer.Finish(true)) return;
    services.WriteLogText(
        platform::Format(table.writtenFormat, static_cast<int>(writer.recordsWritten()), writer.path().c_str()));
}

}  // namespace vornak
