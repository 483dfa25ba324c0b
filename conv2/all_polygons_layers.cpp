// The all-polygons layer: every TIGER polygon of the county as a polygon of
// its own, keyed by POLYID and CENID, carrying every code its records hold.
// One builder per edition family; they differ in their field tables and in
// whether the economic census sides take part.
#include "conv2/all_polygons_fields.h"
#include "conv2/job_state.h"
#include "conv2/layer_catalogue.h"
#include "conv2/polygon_layers.h"
#include "conv2/polygon_sides.h"
#include "conv2/record_search.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "tigercore/all_polygons_layer.h"

#include <cstdio>
#include <cstring>

namespace vornak2 {

namespace {

using polygons::BorderLineEntry;
using polygons::PolygonLayerDescriptor;

// The layer's texts: "Gathering Boundary Lines" from its start, its title
// once the entries' room is obtained, "Sorting Polygon Boundaries" before
// the sort and "Building Polygons" when the first polygon is written.
PolygonLayerDescriptor AllPolygonsLayer(AllPolygonsEdition edition) {
    return tigercore::AllPolygonsDescriptor(AllPolygonsFields(edition))
        .EarlyStatusText("Gathering Boundary Lines", PolygonLayerDescriptor::EarlyMoment::kAtStart);
}

// The rows of every polygon record type on one side of a line.
struct SideRows {
    int a = -1, s = -1, b = -1, e = -1;
    bool Any() const { return a >= 0 || s >= 0 || b >= 0 || e >= 0; }
};

SideRows RowsOf(int line, int side, bool economic) {
    auto pick = [line, side](const std::vector<SidePair>& index) {
        if (line >= static_cast<int>(index.size())) return -1;
        const SidePair& pair = index[static_cast<size_t>(line)];
        return side ? pair.left : pair.right;
    };
    SideRows rows;
    rows.a = pick(IAIndex);
    rows.s = pick(ISIndex);
    rows.b = pick(IBIndex);
    if (economic) rows.e = pick(IEIndex);
    return rows;
}

// Every side with a POLYID and a row of any polygon record type is taken,
// unless the line runs inside one polygon.
class AllPolygonsSource : public tigercore::AllPolygonsLayerSource {
public:
    AllPolygonsSource(AllPolygonsEdition edition, int sides, bool economic)
        : AllPolygonsLayerSource(AllPolygonsLayer(edition), Polygons(), sides, sides), edition_(edition),
          economic_(economic) {}

    std::string AttributeRow(const BorderLineEntry& first, int) override {
        StartPolygonRow();
        const TypeIRecord& line = gTypeIRecords[static_cast<size_t>(first.intKey)];
        const char* polyid = first.side ? line.POLYIDL : line.POLYIDR;
        const char* cenid = first.side ? line.CENIDL : line.CENIDR;
        SideRows rows = RowsOf(first.intKey, first.side, economic_);
        PolygonRecords records;
        TypeARecord a{};
        if (rows.a >= 0 && ReadTypeARow(rows.a, a)) records.a = &a;
        if (rows.s >= 0) {
            records.s = &gTypeSRecords[static_cast<size_t>(rows.s)];
            int p = FindTypePRecord(cenid, polyid);
            if (p >= 0) records.p = &gTypePRecords[static_cast<size_t>(p)];
        }
        if (rows.b >= 0) records.b = &gTypeBRecords[static_cast<size_t>(rows.b)];
        if (rows.e >= 0) records.e = &gTypeERecords[static_cast<size_t>(rows.e)];
        return AllPolygonsRow(edition_, polyid, cenid, records);
    }

protected:
    bool LineSides(int i, KeyedSide& left, KeyedSide& right) override {
        const TypeIRecord& line = gTypeIRecords[static_cast<size_t>(i)];
        // Both sides in one polygon: the line lies inside it.
        if (std::strcmp(line.POLYIDL, line.POLYIDR) == 0 && std::strcmp(line.CENIDL, line.CENIDR) == 0) return true;
        return Side(i, 1, line.POLYIDL, line.CENIDL, left) && Side(i, 0, line.POLYIDR, line.CENIDR, right);
    }

private:
    bool Side(int i, int side, const char* polyid, const char* cenid, KeyedSide& out) {
        if (IsBlankText(polyid)) return true;
        SideRows rows = RowsOf(i, side, economic_);
        if (!rows.Any()) return true;
        return TakeSide(i, polyid, cenid, rows.a, out);
    }

    AllPolygonsEdition edition_;
    bool economic_;
};

// Every side that has a row of any polygon record type gets an entry, so
// the entries are at most the sum of the per-type side totals.
void BuildAllPolygons(bool economic) {
    long long sides = static_cast<long long>(gBorderLineTotalA) + gBorderLineTotalS + gBorderLineTotalB +
                      (economic ? gBorderLineTotalE : 0);
    if (sides == 0) {
        Services().WriteLogText("There are no polygon records\n");
        WriteLogLine("No polygons to process");
        Services().FailCounty();
        return;
    }
    AllPolygonsEdition edition = CurrentAllPolygonsEdition();
    AllPolygonsSource source(edition, static_cast<int>(sides), economic);
    Polygons().BuildKeyedLayer(source);
}

}  // namespace

void BuildAllPolygonsTiger2002() { BuildAllPolygons(false); }
void BuildAllPolygonsTiger2003() { BuildAllPolygons(true); }
void BuildAllPolygonsTiger2006SecondEdition() { BuildAllPolygons(true); }

void AddAllPolygonsDescriptors(std::vector<PolygonLayerDescriptor>& layers) {
    layers.push_back(AllPolygonsLayer(CurrentAllPolygonsEdition()));
}

}  // namespace vornak2
