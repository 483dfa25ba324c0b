// Landmark polygons: every TIGER polygon linked to a landmark by a type 8
// row, with its first link and the landmark it names; then the two landmark
// tables of the rows that repeat the key of the row before them: lpy2 (a
// landmark's further type 7 rows) and lpy3 (a polygon's further links).
#include "conv2/job_state.h"
#include "conv2/layer_catalogue.h"
#include "conv2/polygon_layers.h"
#include "conv2/polygon_sides.h"
#include "conv2/record_search.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "platform/files.h"
#include "shapeio/county_change.h"
#include "shapeio/dbase_table_writer.h"
#include "tigercore/sort_keys.h"
#include "tigercore/landmark_water_layers.h"

#include <cstdio>
#include <cstring>

namespace vornak2 {

namespace {

using polygons::PolygonLayerDescriptor;
using tigercore::kLandmarkFeatureTableFields;
using tigercore::kPolygonLandmarkLinkTableFields;

using polygons::BorderLineEntry;
using shapeio::DbfFieldDef;
using shapeio::DbfRecord;

// The text shows before the entries are sorted, as the water layer's does.
const PolygonLayerDescriptor kLandmarkLayer =
    tigercore::LandmarkPolygonLayer("LANDPOLY", PolygonLayerDescriptor::StatusMoment::kBeforeSorting);

// Entry: the county code of the side's type S row at 0; the side's first
// type 8 row in the integer key.
class LandmarkSource : public KeyedLayerSource {
public:
    LandmarkSource() : KeyedLayerSource(kLandmarkLayer, Polygons(), gLandmarkBorderLineCount, gLandmarkBorderLineCount) {}

    std::string AttributeRow(const BorderLineEntry& first, int gistId) override {
        CountPolygon();
        const Type8Record& link = gType8Records[static_cast<size_t>(first.intKey)];
        int landmark = FindLandmarkRecord(link.LAND);
        const Type7Record* feature = landmark < 0 ? nullptr : &gType7Records[static_cast<size_t>(landmark)];
        DbfRecord record(layer_.fields);
        record.AddNumber(static_cast<long long>(gistId)).AddNumber(NumberValue(link.POLYID)).Add(link.CENID);
        record.Add(std::string(first.code, strnlen(first.code, 5)));
        record.Add(feature ? feature->CFCC : "").Add(feature ? feature->LANAME : "");
        record.AddNumber(link.LAND).Add(gCountyCode);
        return record.text();
    }

protected:
    bool LineSides(int i, KeyedSide& left, KeyedSide& right) override {
        const TypeIRecord& line = gTypeIRecords[static_cast<size_t>(i)];
        if (line.leftLandmarkRow == line.rightLandmarkRow) return true;
        const SidePair census = i < static_cast<int>(ISIndex.size()) ? ISIndex[static_cast<size_t>(i)] : SidePair{};
        Side(line.leftLandmarkRow, census.left, left);
        Side(line.rightLandmarkRow, census.right, right);
        return true;
    }

private:
    static void Side(int landmarkRow, int censusRow, KeyedSide& side) {
        if (landmarkRow < 0 || censusRow < 0) return;
        const TypeSRecord& s = gTypeSRecords[static_cast<size_t>(censusRow)];
        side.taken = true;
        tigercore::JoinedKey<64>().Text(s.STATE00).Text(s.COUNTY00).CopyTo(side.entry.code, sizeof side.entry.code);
        side.entry.intKey = landmarkRow;
    }
};

// ---------------------------------------------------------- landmark tables

// The path of a landmark table ("lpy2", "lpy3") for the organisation; makes
// and logs the theme folder where the tables go by theme.
std::string LandmarkTablePath(const char* name) {
    std::string folder = gOutputPrefix;
    std::string stem = gCountyBaseName + name;
    if (gOrganisationMode == '2' || gOrganisationMode == '3') {
        folder = gOutputPrefix + kLandmarkLayer.themeFolder + "/";
        if (platform::MakeDirectory(folder)) Services().WriteLogText("directory " + folder + " created\n");
        else Services().WriteLogText("directory " + folder + " not created\n");
        if (gOrganisationMode == '3') stem = name;
    }
    return folder + stem + ".dbf";
}

// Writes one table: a row for every row of `rows` whose key equals that of
// the row before it. Merged output continues an existing table of the same
// layout; a table left without rows is removed.
template <typename Row, typename SameKey, typename MakeRow>
void WriteRepeatTable(const char* name, const std::vector<Row>& rows, int count, const DbfFieldDef* fields,
                      SameKey sameKey, MakeRow makeRow) {
    if (count <= 1) return;
    // A merged table that holds the county already is passed over.
    if (shapeio::AlreadyMerged(Services(), shapeio::MergedLayerPath({gOutputPrefix, gOrganisationMode},
                                                                    kLandmarkLayer.themeFolder, name, ".dbf"))) {
        return;
    }
    std::string path = LandmarkTablePath(name);
    shapeio::DbfTableWriter table(Services());
    auto mode = gOrganisationMode == '3' ? shapeio::DbfTableWriter::OpenMode::kContinueOrCreate
                                         : shapeio::DbfTableWriter::OpenMode::kCreate;
    if (!table.Open(path, fields, mode)) return;
    for (int k = 0; k + 1 < count; ++k) {
        const Row& next = rows[static_cast<size_t>(k + 1)];
        if (!sameKey(rows[static_cast<size_t>(k)], next)) continue;
        DbfRecord record(fields);
        makeRow(next, record);
        if (!table.WriteRecord(record.text())) return;
    }
    if (!table.Finish(true)) return;
    Services().WriteLogText(platform::Format("Wrote %u records to file %s\n", table.recordsWritten(), path.c_str()));
}

}  // namespace

void WriteLandmarkFeatureTable() {
    WriteRepeatTable(
        "lpy2", gType7Records, gType7Count, kLandmarkFeatureTableFields,
        [](const Type7Record& a, const Type7Record& b) { return a.LAND == b.LAND; },
        [](const Type7Record& row, DbfRecord& record) {
            record.AddNumber(row.LAND).Add(row.CFCC).Add(row.LANAME).Add(gCountyCode);
        });
}

void WritePolygonLandmarkLinkTable() {
    WriteRepeatTable(
        "lpy3", gType8Records, gType8Count, kPolygonLandmarkLinkTableFields,
        [](const Type8Record& a, const Type8Record& b) {
            return std::strcmp(a.CENID, b.CENID) == 0 && std::strcmp(a.POLYID, b.POLYID) == 0;
        },
        [](const Type8Record& row, DbfRecord& record) {
            record.AddNumber(NumberValue(row.POLYID)).Add(row.CENID).AddNumber(row.LAND).Add(gCountyCode);
        });
}

void BuildLandmarkPolygons() {
    LandmarkSource source;
    bool ok = Polygons().BuildKeyedLayer(source);
    // The tables go with a written layer only.
    if (!ok || source.polygonCount() == 0) return;
    WriteLandmarkFeatureTable();
    WritePolygonLandmarkLinkTable();
}

void AddLandmarkDescriptors(std::vector<PolygonLayerDescriptor>& layers) { layers.push_back(kLandmarkLayer); }

}  // namespace vornak2
