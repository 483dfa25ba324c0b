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

void PutCodeText(char* out, const char* text, int width) {
    int length = static_cast<int>(std::strlen(text));
    for (int i = 0; i < width; ++i) out[i] = i < length ? text[i] : ' ';
    out[width] = '\0';
}

std::string EntryText(const shapeio::BorderLineEntry& entry, int offset, int width) {
    const char* text = entry.code + offset;
    return std::string(text, strnlen(text, static_cast<size_t>(width)));
}

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

int CompareAianhhKey(const shapeio::BorderLineEntry& a, const shapeio::BorderLineEntry& b) {
    int c = std::strcmp(a.code + 12, b.code + 12);
    if (c == 0) c = std::strcmp(a.code + 6, b.code + 6);
    if (c == 0) c = static_cast<unsigned char>(a.code[17]) - static_cast<unsigned char>(b.code[17]);
    return c;
}

int CompareAitsKey(const shapeio::BorderLineEntry& a, const shapeio::BorderLineEntry& b) {
    int c = std::strcmp(a.code + 6, b.code + 6);
    return c != 0 ? c : std::strcmp(a.code + 12, b.code + 12);
}

const shapeio::DbfFieldDef kCountyFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSSTCO", 'C', 5, 0}, {"STATE", 'C', 60, 0}, {"COUNTY", 'C', 60, 0},
    {"LSADC", 'C', 2, 0},   {"FIPSCC", 'C', 2, 0},   {"ENTITY", 'C', 1, 0}, {nullptr, 0, 0, 0},
};

const shapeio::DbfFieldDef kTractFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSSTCO", 'C', 5, 0}, {"TRACT", 'C', 6, 0},
    {"STFID", 'C', 11, 0},  {"NAME", 'C', 60, 0},    {nullptr, 0, 0, 0},
};

const shapeio::DbfFieldDef kBlockGroupFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSSTCO", 'C', 5, 0}, {"TRACT", 'C', 6, 0},
    {"GROUP", 'C', 1, 0},   {"STFID", 'C', 12, 0},   {nullptr, 0, 0, 0},
};

void FillCountyRecord(const shapeio::BorderLineEntry& first, shapeio::DbfRecord& record, int year) {
    if (year == 0) year = gEditionYear;
    std::string code = EntryText(first, 0, 5);
    std::string state = EntityName(kStateEntity, "", code, year);
    std::string county = EntityName(kCountyEntity, "", code, year);
    record.Add(code).Add(state).Add(county);
    AddEntityCodes(record);
}

void FillTractRecord(const shapeio::BorderLineEntry& first, shapeio::DbfRecord& record, int year) {
    if (year == 0) year = gEditionYear;
    std::string code = EntryText(first, 0, 11);
    std::string tract = code.substr(5, 6);
    std::string name = EntityName(kTractEntity, tract, "", year);
    record.Add(code.substr(0, 5)).Add(tract).Add(code).Add(name);
}

void FillBlockGroupRecord(const shapeio::BorderLineEntry& first, shapeio::DbfRecord& record) {
    std::string code = EntryText(first, 0, 12);
    record.Add(code.substr(0, 5)).Add(code.substr(5, 6)).Add(code.substr(11, 1)).Add(code);
}

const shapeio::DbfFieldDef kAianhhFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"AIANHH", 'C', 4, 0}, {"AIANHHFP", 'C', 5, 0},
    {"AIHHTLI", 'C', 1, 0}, {"NAME", 'C', 60, 0},  {"LSADC", 'C', 2, 0},  {"FIPSCC", 'C', 2, 0},
    {"ENTITY", 'C', 1, 0},  {nullptr, 0, 0, 0},
};

const shapeio::DbfFieldDef kAnrcFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"ANRC", 'C', 5, 0},   {"NAME", 'C', 60, 0},
    {"LSADC", 'C', 2, 0},   {"FIPSCC", 'C', 2, 0}, {"ENTITY", 'C', 1, 0}, {nullptr, 0, 0, 0},
};

const shapeio::DbfFieldDef kAitsFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"AITS", 'C', 5, 0},   {"AITSCE", 'C', 3, 0},
    {"NAME", 'C', 60, 0},   {"LSADC", 'C', 2, 0},  {"FIPSCC", 'C', 2, 0}, {"ENTITY", 'C', 1, 0},
    {nullptr, 0, 0, 0},
};

shapeio::PolygonLayerJob CountyPolygonJob() {
    shapeio::PolygonLayerJob job;
    job.services = &Services();
    job.scratchFolder = gOutputDir + "/";
    job.outputPrefix = gOutputPrefix;
    job.countyBaseName = gCountyBaseName;
    job.countyCode = gCountyCode;
    job.organisationMode = gOrganisationMode;
    job.clipWater = gClipWaterPolygons != 0;
    job.labelPoints = gKmlLabelPoints != 0;
    return job;
}

namespace {

// The county's border lines of one layer, gathered from its side records.
class CountyLayerSource : public shapeio::PolygonLayerSource {
public:
    explicit CountyLayerSource(const Conv2PolygonLayer& spec) : spec_(spec) {}

    int BorderLineCount() const override { return spec_.borderLineCount(); }

    int Capacity() const override {
        return spec_.borderLineCount() + (gClipWaterPolygons ? gBorderLineCountsS[kWaterSidesSlot] : 0);
    }

    bool Gather(std::vector<shapeio::BorderLineEntry>& entries, int capacity) override;

    std::string AttributeRow(const shapeio::BorderLineEntry& first, int gistId) override {
        shapeio::DbfRecord record(spec_.layer.fields);
        record.AddNumber(static_cast<long long>(gistId));
        spec_.fill(first, record);
        return record.text();
    }

    void AppendShapePoints(const char* tlid, bool reverse, std::vector<shapeio::PointXY>& points) override {
        gShapePointCount = 0;
        vornak2::AppendShapePoints(tlid, reverse ? 1 : 0);
        points.insert(points.end(), gShapePointBuffer.begin(), gShapePointBuffer.begin() + gShapePointCount);
    }

private:
    // The code of one side; false when the side's row cannot be read.
    bool Side(int row, SideCode& code);

    const Conv2PolygonLayer& spec_;
    TypeARecord typeARow_{};
};

bool CountyLayerSource::Side(int row, SideCode& code) {
    if (row < 0) {
        spec_.sideCode(nullptr, code);
        return true;
    }
    const void* record = nullptr;
    switch (spec_.source) {
        case SideSource::kTypeA:
            if (!ReadTypeARow(row, typeARow_)) return false;
            record = &typeARow_;
            break;
        case SideSource::kTypeS: record = &gTypeSRecords[static_cast<size_t>(row)]; break;
        case SideSource::kTypeB: record = &gTypeBRecords[static_cast<size_t>(row)]; break;
        case SideSource::kTypeE: record = &gTypeERecords[static_cast<size_t>(row)]; break;
    }
    spec_.sideCode(record, code);
    return true;
}

const std::vector<SidePair>& SourceIndex(SideSource source) {
    switch (source) {
        case SideSource::kTypeA: return IAIndex;
        case SideSource::kTypeS: return ISIndex;
        case SideSource::kTypeB: return IBIndex;
        default: return IEIndex;
    }
}

bool CountyLayerSource::Gather(std::vector<shapeio::BorderLineEntry>& entries, int capacity) {
    const std::vector<SidePair>& index = SourceIndex(spec_.source);
    SideCode blank;
    spec_.sideCode(nullptr, blank);
    const bool clip = gClipWaterPolygons != 0;
    for (int i = 0; i < gTypeICount; ++i) {
        SetProgress(static_cast<int>(static_cast<long long>(i) * 100 / gTypeICount));
        const TypeIRecord& line = gTypeIRecords[static_cast<size_t>(i)];
        const SidePair sides = i < static_cast<int>(index.size()) ? index[static_cast<size_t>(i)] : SidePair{};
        const SidePair census = i < static_cast<int>(ISIndex.size()) ? ISIndex[static_cast<size_t>(i)] : SidePair{};
        SideCode left, right;
        if (!Side(sides.left, left) || !Side(sides.right, right)) {
            WriteLogLine("\nCannot read from temp file");
            gConversionStatus = -1;
            return false;
        }
        // Water sides: the polygon's type P row, where the side has a Census 2000 row.
        const SideWater water = WaterOfLine(i);
        const int leftWater = water.left, rightWater = water.right;
        bool border = std::strcmp(left.key, right.key) != 0 || (clip && std::abs(leftWater - rightWater) == 1);
        if (!border) continue;
        const Type1Record& chain = gType1Records[static_cast<size_t>(i)];
        auto take = [&](const SideCode& code, int row, int censusRow, int water, int side) {
            if (code.noCode || std::strcmp(code.key, blank.key) == 0 || (row < 0 && censusRow < 0) ||
                (clip && water == 1))
                return true;
            if (static_cast<int>(entries.size()) >= capacity) {
                WriteLogLine(side == 0 && spec_.rightOverflowText ? spec_.rightOverflowText : spec_.layer.overflowText);
                gConversionStatus = -1;
                return false;
            }
            shapeio::BorderLineEntry entry;
            std::memcpy(entry.code, code.entry, sizeof entry.code);
            entry.intKey = code.intKey;
            std::memcpy(entry.tlid, line.TLID, sizeof entry.tlid);
            entry.from = {chain.FRLONG, chain.FRLAT};
            entry.to = {chain.TOLONG, chain.TOLAT};
            entry.side = side;
            entries.push_back(entry);
            return true;
        };
        if (!take(left, sides.left, census.left, leftWater, 1)) return false;
        if (!take(right, sides.right, census.right, rightWater, 0)) return false;
    }
    return true;
}

}  // namespace

void BuildPolygonLayer(const Conv2PolygonLayer& layer) {
    CountyLayerSource source(layer);
    shapeio::BuildPolygonLayer(layer.layer, source, CountyPolygonJob());
}

}  // namespace vornak2
