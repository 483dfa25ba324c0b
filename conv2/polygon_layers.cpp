#include "conv2/polygon_layers.h"

#include "conv2/entity_names.h"
#include "conv2/job_state.h"
#include "conv2/polygon_sides.h"
#include "conv2/record_search.h"
#include "conv2/record_store.h"
#include "conv2/shape_points.h"

#include <cstdlib>
#include <cstring>

namespace vornak2 {

using polygons::BorderLineEntry;

void AddEntityCodes(shapeio::DbfRecord& record) {
    if (gEntityRow < 0) {
        record.Add("  ").Add("  ").Add(" ");
        return;
    }
    const TypeCRecord& row = gTypeCRecords[static_cast<size_t>(gEntityRow)];
    record.Add(row.LSADC).Add(row.FIPSCC).Add(std::string(1, row.ENTITY));
}

std::string EntityName(int kind, const std::string& code1, const std::string& code2, int year) {
    EntityNameQuery query;
    query.kind = kind;
    query.code1 = code1;
    query.code2 = code2;
    query.year = year;
    return LookupEntityName(query);
}

int CompareAianhhKey(const BorderLineEntry& a, const BorderLineEntry& b) {
    int c = std::strcmp(a.code + 12, b.code + 12);
    if (c == 0) c = std::strcmp(a.code + 6, b.code + 6);
    if (c == 0) c = static_cast<unsigned char>(a.code[17]) - static_cast<unsigned char>(b.code[17]);
    return c;
}

int CompareAitsKey(const BorderLineEntry& a, const BorderLineEntry& b) {
    int c = std::strcmp(a.code + 6, b.code + 6);
    return c != 0 ? c : std::strcmp(a.code + 12, b.code + 12);
}

void FillCountyRecord(const BorderLineEntry& first, shapeio::DbfRecord& record, int year) {
    if (year == 0) year = gEditionYear;
    std::string code = EntryText(first, 0, 5);
    std::string state = EntityName(kStateEntity, "", code, year);
    std::string county = EntityName(kCountyEntity, "", code, year);
    record.Add(code).Add(state).Add(county);
    AddEntityCodes(record);
}

void FillTractRecord(const BorderLineEntry& first, shapeio::DbfRecord& record, int year) {
    if (year == 0) year = gEditionYear;
    std::string code = EntryText(first, 0, 11);
    std::string tract = code.substr(5, 6);
    std::string name = EntityName(kTractEntity, tract, "", year);
    record.Add(code.substr(0, 5)).Add(tract).Add(code).Add(name);
}

void FillBlockGroupRecord(const BorderLineEntry& first, shapeio::DbfRecord& record) {
    std::string code = EntryText(first, 0, 12);
    record.Add(code.substr(0, 5)).Add(code.substr(5, 6)).Add(code.substr(11, 1)).Add(code);
}

void FillAianhhRecord(const BorderLineEntry& first, shapeio::DbfRecord& record, int year) {
    if (year == 0) year = gEditionYear;
    std::string aianhh = EntryText(first, 12, 4);
    std::string aianhhfp = EntryText(first, 6, 5);
    std::string name = EntityName(kAmericanIndianAreaEntity, aianhh, aianhhfp, year);
    record.Add(EntryText(first, 0, 5)).Add(aianhh).Add(aianhhfp).Add(std::string(1, first.code[17])).Add(name);
    AddEntityCodes(record);
}

void FillAnrcRecord(const BorderLineEntry& first, shapeio::DbfRecord& record, int year) {
    if (year == 0) year = gEditionYear;
    std::string anrc = EntryText(first, 6, 5);
    std::string name = EntityName(kAnrcEntity, anrc, "", year);
    record.Add(EntryText(first, 0, 5)).Add(anrc).Add(name);
    AddEntityCodes(record);
}

void FillAitsRecord(const BorderLineEntry& first, shapeio::DbfRecord& record, int year) {
    if (year == 0) year = gEditionYear;
    std::string aits = EntryText(first, 6, 5);
    std::string aitsce = EntryText(first, 12, 3);
    std::string name = EntityName(kTribalSubdivisionEntity, aits, aitsce, year);
    record.Add(EntryText(first, 0, 5)).Add(aits).Add(aitsce).Add(name);
    AddEntityCodes(record);
}

namespace {

// The lines are the type I rows; row i of the type 1 table (sorted by TLID
// for the polygon stage) is the same line.
class Conv2CountyPolygons : public tigercore::TableCountyPolygons<TypeIRecord, Type1Record, TypeARecord> {
public:
    Conv2CountyPolygons()
        : TableCountyPolygons(vornak2::Services(), gTypeIRecords, gType1Records, vornak2::AppendShapePoints,
                              ReadTypeARow) {}

    int LineCount() const override { return gTypeICount; }
    tigercore::SidePair Sides(SideTable table, int line) const override {
        const std::vector<SidePair>& index = Index(table);
        return line < static_cast<int>(index.size()) ? index[static_cast<size_t>(line)] : SidePair{};
    }
    const void* SideRow(SideTable table, int row) override {
        switch (table) {
            case SideTable::kTypeA: return TypeARowAt(row);
            case SideTable::kTypeS: return &gTypeSRecords[static_cast<size_t>(row)];
            case SideTable::kTypeB: return &gTypeBRecords[static_cast<size_t>(row)];
            case SideTable::kTypeE: return &gTypeERecords[static_cast<size_t>(row)];
        }
        return nullptr;
    }
    // Water sides: the polygon's type P row, where the side has a Census 2000 row.
    tigercore::SideWater Water(int line) const override { return WaterOfLine(line); }
    int WaterSideCount() const override { return gBorderLineCountsS[kWaterSidesSlot]; }
    bool GatheringShowsProgress() const override { return true; }

private:
    static const std::vector<SidePair>& Index(SideTable table) {
        switch (table) {
            case SideTable::kTypeA: return IAIndex;
            case SideTable::kTypeS: return ISIndex;
            case SideTable::kTypeB: return IBIndex;
            case SideTable::kTypeE: break;
        }
        return IEIndex;
    }
};

}  // namespace

tigercore::CountyPolygons& Polygons() {
    static Conv2CountyPolygons polygons;
    return polygons;
}

void BuildPolygonLayer(const SideLayer& layer) { Polygons().BuildSideLayer(layer); }

}  // namespace vornak2
