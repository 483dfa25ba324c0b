#include "conv1/polygon_layers.h"

#include "conv1/entity_names.h"
#include "conv1/job_state.h"
#include "conv1/record_store.h"
#include "conv1/shape_points.h"
#include "tigercore/sort_keys.h"

#include <algorithm>
#include <cstdio>

namespace vornak {

namespace {

// The lines are the type I rows; row i of the type 1 lines' ends (sorted by
// TLID for the polygon stage) and of the type 3 table is the same line.
class Conv1CountyPolygons : public tigercore::TableCountyPolygons<TypeIRecord, LineEnds, TypeARecord> {
public:
    Conv1CountyPolygons()
        : TableCountyPolygons(vornak::Services(), gTypeIRecords, gLineEnds, vornak::AppendShapePoints, ReadTypeARow) {}

    int LineCount() const override { return std::min(gTypeICount, static_cast<int>(gTypeIRecords.size())); }
    tigercore::SidePair Sides(SideTable table, int line) const override {
        return SidesOfLine(table == SideTable::kTypeA ? IAIndex : ISIndex, line);
    }
    const void* SideRow(SideTable table, int row) override {
        if (table == SideTable::kTypeA) return TypeARowAt(row);
        if (table == SideTable::kTypeS && row < static_cast<int>(gTypeSRecords.size()))
            return &gTypeSRecords[static_cast<size_t>(row)];
        return nullptr;
    }
    // The WATER flag of each side's type S row.
    tigercore::SideWater Water(int line) const override {
        const SidePair s = SidesOfLine(ISIndex, line);
        tigercore::SideWater water;
        if (s.left >= 0) water.left = gTypeSRecords[static_cast<size_t>(s.left)].WATER;
        if (s.right >= 0) water.right = gTypeSRecords[static_cast<size_t>(s.right)].WATER;
        return water;
    }
    // Flags that differ make a shore; only flag 0 is land, so that other
    // water (intermittent, 2) is clipped as well.
    bool IsShore(const tigercore::SideWater& water) const override { return water.left != water.right; }
    bool IsLand(int water) const override { return water == 0; }
    // The land sides of the shores: a shore between land and water of any
    // flag adds one entry where the codes on its sides are equal.
    int WaterSideCount() const override {
        int count = 0;
        for (int line = 0; line < LineCount(); ++line) {
            const tigercore::SideWater water = Water(line);
            if (IsShore(water)) count += (IsLand(water.left) ? 1 : 0) + (IsLand(water.right) ? 1 : 0);
        }
        return count;
    }
    bool GatheringShowsProgress() const override { return false; }
    tigercore::SideContext ContextOf(int line, bool left) const override {
        return SideContextOf(line, left ? LineSide::kLeft : LineSide::kRight);
    }
};

}  // namespace

tigercore::CountyPolygons& Polygons() {
    static Conv1CountyPolygons polygons;
    return polygons;
}

void BuildPolygonLayer(const SideLayer& layer) { Polygons().BuildSideLayer(layer); }

void PutLineCounty(int line, char* out) {
    const TypeIRecord& row = gTypeIRecords[static_cast<size_t>(line)];
    tigercore::JoinedKey<64>().Right(row.STATE, 2).Right(row.COUNTY, 3).CopyTo(out, 6);
}

void PutTypeACounty(const SideOf& side, char* out) {
    CodeText county;
    TypeALevelCode(kCounty1990Level, RowA(side), side.line, side.left ? LineSide::kLeft : LineSide::kRight, county);
    PutCodeText(out, county.text, 5);
}

std::string NameByYear(int kind, const std::string& code1, const std::string& code2, int year) {
    EntityNameQuery query;
    query.kind = kind;
    query.code1 = code1.c_str();
    query.code2 = code2.c_str();
    query.year = year;
    return LookupEntityNameByYear(query);
}

std::string NameWithoutYear(int kind, const std::string& code1, const std::string& code2) {
    EntityNameQuery query;
    query.kind = kind;
    query.code1 = code1.c_str();
    query.code2 = code2.c_str();
    return LookupEntityName(query);
}

std::string NameFrom100(int kind, const std::string& code1, const std::string& code2, int year) {
    return gEditionCode >= 100 ? NameByYear(kind, code1, code2, year) : NameWithoutYear(kind, code1, code2);
}

}  // namespace vornak
