// The correction layer: every TIGER polygon that has a type B row (its
// corrected codes) as a polygon of its own, named by its POLYID.
#include "conv2/job_state.h"
#include "conv2/layer_catalogue.h"
#include "conv2/polygon_layers.h"
#include "conv2/polygon_sides.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "tigercore/sort_keys.h"

#include <cstdio>
#include <cstring>

namespace vornak2 {

namespace {

using polygons::BorderLineEntry;
using polygons::CompareLeadingText;
using polygons::PolygonLayerDescriptor;
using shapeio::DbfFieldDef;
using shapeio::DbfRecord;

const DbfFieldDef kCorrectionFields[] = {
    {"POLYID", 'N', 10, 0},  {"CENID", 'C', 5, 0},    {"STATECQ", 'C', 2, 0},  {"COUNTYCQ", 'C', 3, 0},
    {"TRACTCQ", 'C', 6, 0},  {"BLOCKCQ", 'C', 4, 0},  {"AIANHHFPCQ", 'C', 5, 0}, {"AIANHHCQ", 'C', 4, 0},
    {"AIHHTLICQ", 'C', 1, 0}, {"ANRCCQ", 'C', 5, 0},   {"AITSCECQ", 'C', 3, 0}, {"AITSCQ", 'C', 5, 0},
    {"CONCITCQ", 'C', 5, 0}, {"COUSUBCQ", 'C', 5, 0}, {"SUBMCDCQ", 'C', 5, 0}, {"PLACECQ", 'C', 5, 0},
    {"UACC", 'C', 5, 0},     {"URCC", 'C', 1, 0},     {nullptr, 0, 0, 0},
};

// The second editions name the last two fields after their record columns.
const DbfFieldDef kCorrectionSecondEditionFields[] = {
    {"POLYID", 'N', 10, 0},  {"CENID", 'C', 5, 0},    {"STATECQ", 'C', 2, 0},  {"COUNTYCQ", 'C', 3, 0},
    {"TRACTCQ", 'C', 6, 0},  {"BLOCKCQ", 'C', 4, 0},  {"AIANHHFPCQ", 'C', 5, 0}, {"AIANHHCQ", 'C', 4, 0},
    {"AIHHTLICQ", 'C', 1, 0}, {"ANRCCQ", 'C', 5, 0},   {"AITSCECQ", 'C', 3, 0}, {"AITSCQ", 'C', 5, 0},
    {"CONCITCQ", 'C', 5, 0}, {"COUSUBCQ", 'C', 5, 0}, {"SUBMCDCQ", 'C', 5, 0}, {"PLACECQ", 'C', 5, 0},
    {"RS_B2", 'C', 5, 0},    {"RS_B3", 'C', 1, 0},    {nullptr, 0, 0, 0},
};

PolygonLayerDescriptor CorrectionLayer() {
    return PolygonLayerDescriptor()
        .Title("CQs")
        .StatusText("Gathering Cq Boundary Lines")
        .NoRecordsText("There are no CQ records\n")
        .OverflowText("the number of cq border lines exceeds the count")
        .NoEntriesClipText("")
        .NoEntriesText("There are no cq border lines\n")
        .Abbreviation("cq")
        .ThemeFolder("corrections")
        .Fields(gSecondEdition == 1 ? kCorrectionSecondEditionFields : kCorrectionFields, "POLYID")
        .Order(CompareLeadingText);
}

// A one-character code as written: a blank for a missing character.
std::string Character(char c) { return std::string(1, c ? c : ' '); }

// Entry: POLYID and CENID of the side (the key, 15 characters); the side's
// type B row in the integer key.
class CorrectionSource : public KeyedLayerSource {
public:
    CorrectionSource()
        : KeyedLayerSource(CorrectionLayer(), Polygons(), gBorderLineTotalB,
                           gBorderLineTotalB + (gClipWaterPolygons ? gBorderLineCountsS[kWaterSidesSlot] : 0)) {}

    std::string AttributeRow(const BorderLineEntry& first, int) override {
        CountPolygon();
        const TypeBRecord& b = gTypeBRecords[static_cast<size_t>(first.intKey)];
        DbfRecord record(layer_.fields);
        record.AddNumber(NumberValue(b.POLYID)).Add(b.CENID);
        record.Add(b.STATECQ).Add(b.COUNTYCQ).Add(b.TRACTCQ).Add(b.BLOCKCQ);
        record.Add(b.AIANHHFPCQ).Add(b.AIANHHCQ).Add(Character(b.AIHHTLICQ));
        record.Add(b.ANRCCQ).Add(b.AITSCECQ).Add(b.AITSCQ);
        record.Add(b.CONCITCQ).Add(b.COUSUBCQ).Add(b.SUBMCDCQ).Add(b.PLACECQ);
        record.Add(b.UACC).Add(Character(b.URCC));
        return record.text();
    }

protected:
    bool LineSides(int i, KeyedSide& left, KeyedSide& right) override {
        const TypeIRecord& line = gTypeIRecords[static_cast<size_t>(i)];
        // Both sides in one TIGER polygon: no border.
        if (std::strcmp(line.POLYIDL, line.POLYIDR) == 0 && std::strcmp(line.CENIDL, line.CENIDR) == 0) return true;
        const SidePair rows = i < static_cast<int>(IBIndex.size()) ? IBIndex[static_cast<size_t>(i)] : SidePair{};
        Side(line.POLYIDL, line.CENIDL, rows.left, left);
        Side(line.POLYIDR, line.CENIDR, rows.right, right);
        return true;
    }

private:
    static void Side(const char* polyid, const char* cenid, int row, KeyedSide& side) {
        if (IsBlankText(polyid) || row < 0) return;
        side.taken = true;
        tigercore::JoinedKey<64>().Text(polyid).Text(cenid).CopyTo(side.entry.code, sizeof side.entry.code);
        side.entry.intKey = row;
    }
};

}  // namespace

void BuildCorrectionPolygons() {
    CorrectionSource source;
    Polygons().BuildKeyedLayer(source);
}

void AddCorrectionDescriptors(std::vector<PolygonLayerDescriptor>& layers) { layers.push_back(CorrectionLayer()); }

}  // namespace vornak2
