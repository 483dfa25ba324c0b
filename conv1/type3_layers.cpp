#include "conv1/type3_layers.h"

#include "conv1/job_state.h"
#include "conv1/record_store.h"

#include <algorithm>
#include <cstring>

namespace vornak {

using polygons::BorderLineEntry;

namespace {

int Type3RowCount() {
    return std::max(0, std::min(gType3Count, static_cast<int>(gType3Records.size())));
}

// The codes of a line's two sides and whether they make it a border
// without water clipping.
struct LineCodes {
    SideCode left, right;
    bool border = false;
};

bool CodesOf(const Type3Layer& layer, int line, LineCodes& codes) {
    if (line >= Type3RowCount()) return false;
    const Type3Record& row = gType3Records[static_cast<size_t>(line)];
    layer.sideCode(row, line, true, codes.left);
    layer.sideCode(row, line, false, codes.right);
    codes.border = layer.isBorder ? layer.isBorder(row) : std::strcmp(codes.left.key, codes.right.key) != 0;
    return true;
}

// The sides the layer takes on lines that are borders by their codes.
int CountCodedSides(const Type3Layer& layer, int lines) {
    int count = 0;
    LineCodes codes;
    for (int i = 0; i < lines; ++i) {
        if (!CodesOf(layer, i, codes) || !codes.border) continue;
        count += (codes.left.noCode ? 0 : 1) + (codes.right.noCode ? 0 : 1);
    }
    return count;
}

class Type3LayerSource : public KeyedLayerSource {
public:
    Type3LayerSource(const Type3Layer& layer, tigercore::CountyLines& lines, bool clip, int capacity)
        : KeyedLayerSource(layer.layer, lines, layer.borderLineCount(), capacity), spec_(layer), clip_(clip) {}

    std::string AttributeRow(const BorderLineEntry& first, int gistId) override {
        CountPolygon();
        shapeio::DbfRecord record(spec_.layer.fields);
        record.AddNumber(static_cast<long long>(gistId));
        spec_.fill(first, record);
        return record.text();
    }

    // Called once per entry the walk takes.
    void AppendShapePoints(const char* tlid, bool reverse, std::vector<shapeio::PointXY>& points) override {
        KeyedLayerSource::AppendShapePoints(tlid, reverse, points);
        if (++taken_ == gathered_ && spec_.walked) spec_.walked(taken_, gathered_);
    }

protected:
    bool LineSides(int line, KeyedSide& left, KeyedSide& right) override {
        LineCodes codes;
        if (!CodesOf(spec_, line, codes)) return true;
        const tigercore::SideWater water = lines_.Water(line);
        if (!codes.border && !(clip_ && lines_.IsShore(water))) return true;
        Take(codes.left, water.left, left);
        Take(codes.right, water.right, right);
        return true;
    }

    void GatherDone(std::vector<BorderLineEntry>& entries) override {
        gathered_ = static_cast<int>(entries.size());
    }

private:
    void Take(const SideCode& code, int water, KeyedSide& side) const {
        side.taken = !code.noCode && !(clip_ && !lines_.IsLand(water));
        if (side.taken) std::memcpy(side.entry.code, code.entry, sizeof side.entry.code);
    }

    const Type3Layer& spec_;
    bool clip_;
    int taken_ = 0;
    int gathered_ = 0;
};

}  // namespace

void BuildType3Layer(const Type3Layer& layer) {
    tigercore::CountyLines& lines = Polygons();
    const bool clip = gClipWaterPolygons != 0;
    int capacity = 0;
    if (layer.borderLineCount() != 0)
        capacity = CountCodedSides(layer, lines.LineCount()) + (clip ? lines.WaterSideCount() : 0);
    Type3LayerSource source(layer, lines, clip, capacity);
    Polygons().BuildKeyedLayer(source);
}

}  // namespace vornak
