// Key geographic locations: one polygon per type 9 row (a named place tied
// to a TIGER polygon), from the lines on whose sides the border step found
// the row; and the table of their street addresses, the street's name from
// the type 5 row of the location's feature.
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/layer_tables.h"
#include "conv1/polygon_layers.h"
#include "conv1/record_search.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"

#include <algorithm>

namespace vornak {

using polygons::CompareIntAt8;
using polygons::PolygonLayerDescriptor;

namespace {

const DbfFieldDef kKeyGeographicLocationFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"POLYID", 'N', 10, 0}, {"CENID", 'C', 5, 0},   {"COUNTY", 'C', 5, 0},
    {"CFCC", 'C', 3, 0},    {"KGLNAME", 'C', 30, 0}, {nullptr, 0, 0, 0},
};

const DbfFieldDef kKeyGeographicLocationAddressFields[] = {
    {"POLYID", 'N', 10, 0}, {"CENID", 'C', 5, 0},   {"NAME", 'C', 30, 0}, {"ADDRESS", 'C', 11, 0},
    {"FEDIRP", 'C', 2, 0},  {"FENAME", 'C', 30, 0}, {"FETYPE", 'C', 4, 0}, {"FEDIRS", 'C', 2, 0},
    {"ZIPCODE", 'C', 5, 0}, {"ZIP4", 'C', 4, 0},    {nullptr, 0, 0, 0},
};

const PolygonLayerDescriptor kKeyGeographicLocationLayer =
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Key Geographic Locations", TitleMoment::kAfterAllocation)
        .StatusText("Gathering KGL Boundary Lines")
        .NoRecordsText("There are no KGL records\n")
        .OverflowText("the number of Key Geographic Location border lines exceeds the count")
        .NoEntriesClipText("There are no KGL border lines\n")
        .NoEntriesText("There are no KGL border lines\n")
        .Abbreviation("kgl")
        .ThemeFolder("kgl")
        .Fields(kKeyGeographicLocationFields, "KGLNAME")
        .Order(CompareIntAt8);

const LayerTable kAddressTable{"kgl", "add", kKeyGeographicLocationAddressFields,
                               "Wrote %d Key Geographic Location address records to file %s\n"};

// Entry: the line's county code at 0; the side's type 9 row in the integer
// key. Water plays no part.
class KeyGeographicLocationSource : public KeyedLayerSource {
public:
    KeyGeographicLocationSource()
        : KeyedLayerSource(kKeyGeographicLocationLayer, Polygons(), gLandmarkBorderLineCount,
                           gLandmarkBorderLineCount) {}

    std::string AttributeRow(const BorderLineEntry& first, int gistId) override {
        CountPolygon();
        const Type9Record& location = gType9Records[static_cast<size_t>(first.intKey)];
        DbfRecord record(layer_.fields);
        record.AddNumber(static_cast<long long>(gistId)).AddNumber(NumberValue(location.POLYID));
        record.Add(TableText(location.CENID)).Add(TableText(first.code, 5));
        record.Add(TableText(location.CFCC)).Add(TableText(location.KGLNAME));
        return record.text();
    }

protected:
    bool LineSides(int i, KeyedSide& left, KeyedSide& right) override {
        const TypeIRecord& line = gTypeIRecords[static_cast<size_t>(i)];
        if (line.kglLeft == line.kglRight) return true;
        Side(i, line.kglLeft, left);
        Side(i, line.kglRight, right);
        return true;
    }

private:
    static void Side(int line, int locationRow, KeyedSide& side) {
        if (locationRow < 0) return;
        side.taken = true;
        PutLineCounty(line, side.entry.code);
        side.entry.intKey = locationRow;
    }
};

}  // namespace

void AddKeyGeographicLocationDescriptors(std::vector<PolygonLayerDescriptor>& layers) {
    layers.push_back(kKeyGeographicLocationLayer);
}

void BuildKeyGeographicLocationPolygons() {
    KeyGeographicLocationSource source;
    Polygons().BuildKeyedLayer(source);
}

void WriteKeyGeographicLocationAddressTable() {
    std::vector<std::string> records;
    const int rows = std::min(gType9Count, static_cast<int>(gType9Records.size()));
    for (int k = 0; k < rows; ++k) {
        const Type9Record& location = gType9Records[static_cast<size_t>(k)];
        if (IsBlankText(location.FEAT)) continue;
        const int street = FindType5Record(location.FEAT);
        if (street < 0) continue;
        const Type5Record& feature = gType5Records[static_cast<size_t>(street)];
        DbfRecord record(kKeyGeographicLocationAddressFields);
        record.AddNumber(NumberValue(location.POLYID)).Add(TableText(location.CENID));
        record.Add(TableText(location.KGLNAME)).Add(TableText(location.ADDRESS));
        record.Add(TableText(feature.FEDIRP)).Add(TableText(feature.FENAME));
        record.Add(TableText(feature.FETYPE)).Add(TableText(feature.FEDIRS));
        record.Add(TableText(location.ZIPCODE)).Add(TableText(location.ZIP4));
        records.push_back(record.text());
    }
    WriteLayerTable(kAddressTable, records);
}

}  // namespace vornak
