#include "tigercore/keyed_layer_source.h"

#include <cstdlib>
#include <cstring>

namespace tigercore {

bool KeyedLayerSource::Gather(std::vector<polygons::BorderLineEntry>& entries, int capacity) {
    shapeio::JobServices& services = lines_.Services();
    const int lineCount = lines_.LineCount();
    const bool progress = lines_.GatheringShowsProgress();
    for (int i = 0; i < lineCount; ++i) {
        if (progress) services.SetProgress(static_cast<int>(static_cast<long long>(i) * 100 / lineCount));
        KeyedSide left, right;
        if (!LineSides(i, left, right)) return false;
        for (KeyedSide* side : {&left, &right}) {
            if (!side->taken) continue;
            if (static_cast<int>(entries.size()) >= capacity) {
                services.WriteLogLine(layer_.overflowText);
                services.FailCounty();
                return false;
            }
            polygons::BorderLineEntry& entry = side->entry;
            std::strncpy(entry.tlid, lines_.Tlid(i), sizeof entry.tlid - 1);
            entry.tlid[sizeof entry.tlid - 1] = '\0';
            entry.from = lines_.From(i);
            entry.to = lines_.To(i);
            entry.used = 0;
            entry.side = side == &left ? 1 : 0;
            entries.push_back(entry);
        }
    }
    GatherDone(entries);
    return true;
}

void KeyedLayerSource::AppendShapePoints(const char* tlid, bool reverse, std::vector<shapeio::PointXY>& points) {
    lines_.AppendShapePoints(tlid, reverse, points);
}

long long NumberValue(const char* text) { return std::strtoll(text, nullptr, 10); }

bool IsBlankText(const char* text) {
    for (; *text; ++text)
        if (*text != ' ') return false;
    return true;
}

}  // namespace tigercore
