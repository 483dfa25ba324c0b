#include "conv2/keyed_layer_source.h"

#include "conv2/job_state.h"
#include "conv2/polygon_layers.h"
#include "conv2/record_store.h"
#include "conv2/shape_points.h"

#include <cstdlib>
#include <cstring>

namespace vornak2 {

bool KeyedLayerSource::Gather(std::vector<shapeio::BorderLineEntry>& entries, int capacity) {
    for (int i = 0; i < gTypeICount; ++i) {
        SetProgress(static_cast<int>(static_cast<long long>(i) * 100 / gTypeICount));
        KeyedSide left, right;
        if (!LineSides(i, left, right)) return false;
        const TypeIRecord& line = gTypeIRecords[static_cast<size_t>(i)];
        const Type1Record& chain = gType1Records[static_cast<size_t>(i)];
        for (KeyedSide* side : {&left, &right}) {
            if (!side->taken) continue;
            if (static_cast<int>(entries.size()) >= capacity) {
                WriteLogLine(layer_.overflowText);
                gConversionStatus = -1;
                return false;
            }
            shapeio::BorderLineEntry& entry = side->entry;
            std::memcpy(entry.tlid, line.TLID, sizeof entry.tlid);
            entry.from = {chain.FRLONG, chain.FRLAT};
            entry.to = {chain.TOLONG, chain.TOLAT};
            entry.used = 0;
            entry.side = side == &left ? 1 : 0;
            entries.push_back(entry);
        }
    }
    GatherDone(entries);
    return true;
}

void KeyedLayerSource::AppendShapePoints(const char* tlid, bool reverse, std::vector<shapeio::PointXY>& points) {
    gShapePointCount = 0;
    vornak2::AppendShapePoints(tlid, reverse ? 1 : 0);
    points.insert(points.end(), gShapePointBuffer.begin(), gShapePointBuffer.begin() + gShapePointCount);
}

bool BuildKeyedLayer(const shapeio::PolygonLayerDescriptor& layer, KeyedLayerSource& source) {
    return shapeio::BuildPolygonLayer(layer, source, CountyPolygonJob());
}

long long NumberValue(const char* text) { return std::strtoll(text, nullptr, 10); }

bool IsBlankText(const char* text) {
    for (; *text; ++text)
        if (*text != ' ') return false;
    return true;
}

}  // namespace vornak2
