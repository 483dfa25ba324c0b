#include "tigercore/all_polygons_layer.h"

#include "tigercore/sort_keys.h"

namespace tigercore {

void AllPolygonsLayerSource::StartPolygonRow() {
    if (polygonCount() == 0) lines_.Services().ShowStatus("Building Polygons");
    CountPolygon();
}

bool AllPolygonsLayerSource::TakeSide(int line, const char* polyid, const char* cenid, int typeARow,
                                      KeyedSide& out) {
    if (typeARow >= 0 && lines_.SideRow(SideTable::kTypeA, typeARow) == nullptr) {
        lines_.Services().WriteLogLine("\nCannot read from temp file");
        lines_.Services().FailCounty();
        return false;
    }
    out.taken = true;
    JoinedKey<64>().Text(polyid).Text(cenid).CopyTo(out.entry.code, sizeof out.entry.code);
    out.entry.intKey = line;
    return true;
}

}  // namespace tigercore
