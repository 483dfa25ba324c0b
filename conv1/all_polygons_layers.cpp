// The all-polygons layer of the 1994-2000 editions: every TIGER polygon of
// the county as a polygon of its own, keyed by POLYID and CENID, with the
// codes of its type S and type A rows and of the line's type 3 row. One
// builder per release; they differ in their field tables and in whether a
// county without polygon rows is also reported as having nothing to process.
#include "conv1/all_polygons_fields.h"
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/polygon_layers.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "tigercore/all_polygons_layer.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

namespace vornak {

using polygons::PolygonLayerDescriptor;

namespace {

PolygonLayerDescriptor AllPolygonsLayer(AllPolygonsRelease release) {
    return tigercore::AllPolygonsDescriptor(AllPolygonsFields(release));
}

// The row of a side in a side index.
int SideRow(const std::vector<SidePair>& index, int line, bool left) {
    const SidePair sides = SidesOfLine(index, line);
    return left ? sides.left : sides.right;
}

// Nothing is dissolved and no water is clipped: every side with a POLYID
// and a type A or type S row is taken, unless the line runs inside one
// polygon.
class AllPolygonsSource : public tigercore::AllPolygonsLayerSource {
public:
    AllPolygonsSource(AllPolygonsRelease release, int capacity)
        : AllPolygonsLayerSource(AllPolygonsLayer(release), Polygons(), capacity, capacity), release_(release) {}

    bool Gather(std::vector<BorderLineEntry>& entries, int capacity) override {
        Services().ShowStatus("Gathering Boundary Lines");
        Services().SetProgress(0);
        lineCount_ = lines_.LineCount();
        return KeyedLayerSource::Gather(entries, capacity);
    }

    std::string AttributeRow(const BorderLineEntry& first, int) override {
        StartPolygonRow();
        const int line = first.intKey;
        const bool left = first.side != 0;
        PolygonSideRows rows;
        rows.line = &gTypeIRecords[static_cast<size_t>(line)];
        if (static_cast<size_t>(line) < gType3Records.size()) rows.line3 = &gType3Records[static_cast<size_t>(line)];
        rows.left = left;
        const int a = SideRow(IAIndex, line, left);
        if (a >= 0 && ReadTypeARow(a, typeARow_)) rows.a = &typeARow_;
        const int s = SideRow(ISIndex, line, left);
        if (s >= 0 && static_cast<size_t>(s) < gTypeSRecords.size()) rows.s = &gTypeSRecords[static_cast<size_t>(s)];
        return AllPolygonsRow(release_, rows);
    }

protected:
    bool LineSides(int i, KeyedSide& left, KeyedSide& right) override {
        // Release 97 moves the bar only for the lines it does not skip.
        const bool progressFirst = release_ != AllPolygonsRelease::k97;
        if (progressFirst) ShowLineProgress(i);
        const TypeIRecord& line = gTypeIRecords[static_cast<size_t>(i)];
        if (std::strcmp(line.POLYIDL, line.POLYIDR) == 0 && std::strcmp(line.CENIDL, line.CENIDR) == 0) return true;
        if (!progressFirst) ShowLineProgress(i);
        return Side(i, true, line.POLYIDL, line.CENIDL, left) && Side(i, false, line.POLYIDR, line.CENIDR, right);
    }

    void GatherDone(std::vector<BorderLineEntry>& entries) override {
        if (!entries.empty()) Services().SetProgress(0);
    }

private:
    void ShowLineProgress(int i) const {
        Services().SetProgress(static_cast<int>(static_cast<long long>(i) * 100 / std::max(lineCount_, 1)));
    }

    bool Side(int i, bool isLeft, const char* polyid, const char* cenid, KeyedSide& out) {
        if (IsBlankText(polyid)) return true;
        const int a = SideRow(IAIndex, i, isLeft);
        if (a < 0 && SideRow(ISIndex, i, isLeft) < 0) return true;
        return TakeSide(i, polyid, cenid, a, out);
    }

    AllPolygonsRelease release_;
    int lineCount_ = 0;
    TypeARecord typeARow_{};
};

// A side is taken only when it has a type A or a type S row, and the
// border step counted each such side of a line between two different rows
// of the type: the sum of both counts bounds the entries (a polygon with a
// row of one type only adds to one count).
void BuildAllPolygons(AllPolygonsRelease release) {
    const long long sides = static_cast<long long>(gAllPolygonsLineCountA) + gAllPolygonsLineCountS;
    const PolygonLayerDescriptor layer = AllPolygonsLayer(release);
    if (sides == 0) {
        Services().WriteLogText(layer.noRecordsText);
        if (release != AllPolygonsRelease::k97) WriteLogLine("No polygons to process");
        Services().FailCounty();
        return;
    }
    AllPolygonsSource source(release, static_cast<int>(std::min<long long>(sides, INT_MAX)));
    Polygons().BuildKeyedLayer(source);
}

}  // namespace

void AddAllPolygonsDescriptors(std::vector<PolygonLayerDescriptor>& layers) {
    if (gEditionCode >= 97) layers.push_back(AllPolygonsLayer(AllPolygonsReleaseOf(gEditionCode)));
}

void BuildAllPolygonsTiger97() { BuildAllPolygons(AllPolygonsRelease::k97); }
void BuildAllPolygonsTiger98() { BuildAllPolygons(AllPolygonsRelease::k98); }
void BuildAllPolygonsDressRehearsal() { BuildAllPolygons(AllPolygonsRelease::k99); }
void BuildAllPolygonsTiger2000() { BuildAllPolygons(AllPolygonsRelease::k2000); }
void BuildAllPolygonsTiger2000UrbanAreas() { BuildAllPolygons(AllPolygonsRelease::k2000UrbanAreas); }
void BuildAllPolygonsTiger2000Cd108() { BuildAllPolygons(AllPolygonsRelease::k2000Cd108); }

}  // namespace vornak
