// Landmark polygons: one polygon per type 8 row (a TIGER polygon's link to
// an area landmark) with the landmark's class and name from its type 7 row;
// then the two landmark tables of the rows that repeat the key of the row
// before them: lpy2 (a landmark's further type 7 rows) and lpy3 (a
// polygon's further links).
#include "conv1/landmark_layer.h"

#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/layer_tables.h"
#include "conv1/polygon_layers.h"
#include "conv1/record_search.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "tigercore/landmark_water_layers.h"

#include <algorithm>
#include <cstring>

namespace vornak {

namespace {

using polygons::PolygonLayerDescriptor;
using tigercore::kLandmarkFeatureTableFields;
using tigercore::kPolygonLandmarkLinkTableFields;

// The text shows once the entries are sorted.
const PolygonLayerDescriptor kLandmarkLayer =
    tigercore::LandmarkPolygonLayer("LANDNAME", PolygonLayerDescriptor::StatusMoment::kAfterSorting);

const LayerTable kFeatureTable{"landmarks", "lpy2", kLandmarkFeatureTableFields, "Wrote %d records to file %s\n"};
const LayerTable kLinkTable{"landmarks", "lpy3", kPolygonLandmarkLinkTableFields, "Wrote %d records to file %s\n"};

// Entry: the line's county code at 0; the side's type 8 row in the integer
// key. A side is taken only where its polygon has a type S row; water plays
// no part.
class LandmarkSource : public KeyedLayerSource {
public:
    LandmarkSource()
        : KeyedLayerSource(kLandmarkLayer, Polygons(), gLandmarkBorderLineCount, gLandmarkBorderLineCount) {}

    std::string AttributeRow(const BorderLineEntry& first, int gistId) override {
        CountPolygon();
        const Type8Record& link = gType8Records[static_cast<size_t>(first.intKey)];
        const int landmark = FindLandmarkRecord(link.LAND);
        const Type7Record* feature = landmark < 0 ? nullptr : &gType7Records[static_cast<size_t>(landmark)];
        DbfRecord record(layer_.fields);
        record.AddNumber(static_cast<long long>(gistId)).AddNumber(NumberValue(link.POLYID));
        record.Add(TableText(link.CENID)).Add(TableText(first.code, 5));
        // A landmark without a type 7 row has no class and no name.
        record.Add(feature ? TableText(feature->CFCC) : "").Add(feature ? TableText(feature->LANAME) : "");
        record.AddNumber(link.LAND).Add(TableText(gCountyCode));
        return record.text();
    }

protected:
    bool LineSides(int i, KeyedSide& left, KeyedSide& right) override {
        const TypeIRecord& line = gTypeIRecords[static_cast<size_t>(i)];
        if (line.landmarkLeft == line.landmarkRight) return true;
        const SidePair census = SidesOfLine(ISIndex, i);
        Side(i, line.landmarkLeft, census.left, left);
        Side(i, line.landmarkRight, census.right, right);
        return true;
    }

private:
    static void Side(int line, int linkRow, int censusRow, KeyedSide& side) {
        if (linkRow < 0 || censusRow < 0) return;
        side.taken = true;
        PutLineCounty(line, side.entry.code);
        side.entry.intKey = linkRow;
    }
};

// The records of the rows that repeat the key of the row before them, each
// made from the later row of its pair; every pair is compared, the last
// one included.
template <typename Row, typename SameKey, typename MakeRecord>
std::vector<std::string> RepeatRecords(const std::vector<Row>& rows, int count, SameKey sameKey,
                                       MakeRecord makeRecord) {
    std::vector<std::string> records;
    count = std::min(count, static_cast<int>(rows.size()));
    for (int k = 0; k + 1 < count; ++k) {
        const Row& next = rows[static_cast<size_t>(k + 1)];
        if (sameKey(rows[static_cast<size_t>(k)], next)) records.push_back(makeRecord(next));
    }
    return records;
}

}  // namespace

void AddLandmarkDescriptors(std::vector<PolygonLayerDescriptor>& layers) { layers.push_back(kLandmarkLayer); }

void WriteLandmarkFeatureTable() {
    if (gType7Count < 2) return;
    WriteLayerTable(kFeatureTable, RepeatRecords(
                                       gType7Records, gType7Count,
                                       [](const Type7Record& a, const Type7Record& b) { return a.LAND == b.LAND; },
                                       [](const Type7Record& row) {
                                           DbfRecord record(kLandmarkFeatureTableFields);
                                           record.AddNumber(row.LAND).Add(TableText(row.CFCC));
                                           record.Add(TableText(row.LANAME)).Add(TableText(gCountyCode));
                                           return record.text();
                                       }));
}

void WritePolygonLandmarkLinkTable() {
    if (gType8Count < 2) return;
    WriteLayerTable(kLinkTable, RepeatRecords(
                                    gType8Records, gType8Count,
                                    [](const Type8Record& a, const Type8Record& b) {
                                        return std::strcmp(a.CENID, b.CENID) == 0 &&
                                               std::strcmp(a.POLYID, b.POLYID) == 0;
                                    },
                                    [](const Type8Record& row) {
                                        DbfRecord record(kPolygonLandmarkLinkTableFields);
                                        record.AddNumber(NumberValue(row.POLYID)).Add(TableText(row.CENID));
                                        record.AddNumber(row.LAND).Add(TableText(gCountyCode));
                                        return record.text();
                                    }));
}

void BuildLandmarkPolygons() {
    LandmarkSource source;
    const bool built = Polygons().BuildKeyedLayer(source);
    // The tables go with a written layer only.
    if (!built || source.polygonCount() == 0) return;
    WriteLandmarkFeatureTable();
    if (gConversionStatus == -1) return;
    WritePolygonLandmarkLinkTable();
}

}  // namespace vornak
