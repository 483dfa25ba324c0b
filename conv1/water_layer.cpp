// Water polygons: the county's water areas (type S WATER 1), one polygon
// per water body. A body is the set of water polygons whose first landmark
// link names the same hydrography landmark (its CFCC and name), or that
// have no such landmark (the blank body).
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/layer_tables.h"
#include "conv1/polygon_layers.h"
#include "conv1/record_search.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "conv1/water_landmarks.h"
#include "tigercore/landmark_water_layers.h"

#include <cstring>
#include <string>

namespace vornak {

using polygons::CompareTextAt6;
using polygons::PolygonLayerDescriptor;

namespace {

const DbfFieldDef kWaterPolygonFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"CFCC", 'C', 3, 0}, {"LANDNAME", 'C', 30, 0}, {nullptr, 0, 0, 0},
};

// The entries sort by the whole water body key (after the county code).
const PolygonLayerDescriptor kWaterLayer =
    tigercore::WaterPolygonTexts(StatusMoment::kBeforeSorting)
        .Fields(kWaterPolygonFields, "LANDNAME")
        .Order(CompareTextAt6);

// Entry: the line's county code at 0 (5 characters and a NUL), the water
// body key at 6: the CFCC (3) and the name (30) of the side's water
// landmark, or 33 blanks.
constexpr size_t kKeyOffset = 6;
constexpr size_t kCfccWidth = 3;
constexpr size_t kNameWidth = 30;
constexpr size_t kKeyWidth = kCfccWidth + kNameWidth;
static_assert(kKeyOffset + kKeyWidth < sizeof(BorderLineEntry::code), "the key and its NUL fit an entry");

std::string Padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

// The key of a side whose type 8 row is `linkRow` (-1: none).
std::string WaterBodyKey(int linkRow) {
    if (linkRow >= 0 && gType8Count >= 1 && gWaterLandmarkCount >= 1) {
        const int found = FindWaterLandmarkRecord(gType8Records[static_cast<size_t>(linkRow)].LAND);
        if (found >= 0) {
            const Type7Record& landmark = gWaterLandmarkRecords[static_cast<size_t>(found)];
            return Padded(TableText(landmark.CFCC), kCfccWidth) + Padded(TableText(landmark.LANAME), kNameWidth);
        }
    }
    return std::string(kKeyWidth, ' ');
}

bool IsWater(int censusRow) { return censusRow >= 0 && gTypeSRecords[static_cast<size_t>(censusRow)].WATER == 1; }

class WaterSource : public KeyedLayerSource {
public:
    WaterSource()
        : KeyedLayerSource(kWaterLayer, Polygons(), gBorderLineCountsS[kWaterSidesSlot],
                           gBorderLineCountsS[kWaterSidesSlot]) {}

    std::string AttributeRow(const BorderLineEntry& first, int gistId) override {
        CountPolygon();
        const char* key = first.code + kKeyOffset;
        DbfRecord record(layer_.fields);
        record.AddNumber(static_cast<long long>(gistId)).Add(TableText(first.code, 5));
        record.Add(TableText(key, kCfccWidth)).Add(TableText(key + kCfccWidth, kNameWidth));
        return record.text();
    }

protected:
    bool LineSides(int i, KeyedSide& left, KeyedSide& right) override {
        const TypeIRecord& line = gTypeIRecords[static_cast<size_t>(i)];
        const SidePair census = SidesOfLine(ISIndex, i);
        const bool leftWater = IsWater(census.left);
        const bool rightWater = IsWater(census.right);
        if (!leftWater && !rightWater) return true;
        const std::string leftKey = leftWater ? WaterBodyKey(line.landmarkLeft) : std::string();
        const std::string rightKey = rightWater ? WaterBodyKey(line.landmarkRight) : std::string();
        // A line inside one water body is no border.
        if (leftWater && rightWater && leftKey == rightKey) return true;
        if (leftWater) Side(i, leftKey, left);
        if (rightWater) Side(i, rightKey, right);
        return true;
    }

private:
    static void Side(int line, const std::string& key, KeyedSide& side) {
        side.taken = true;
        PutLineCounty(line, side.entry.code);
        std::memcpy(side.entry.code + kKeyOffset, key.data(), kKeyWidth);
        side.entry.code[kKeyOffset + kKeyWidth] = '\0';
    }
};

}  // namespace

void AddWaterDescriptors(std::vector<PolygonLayerDescriptor>& layers) { layers.push_back(kWaterLayer); }

void BuildWaterPolygons() {
    if (gBorderLineCountsS[kWaterSidesSlot] > 0 && gType7Count >= 1) SelectWaterLandmarks();
    WaterSource source;
    Polygons().BuildKeyedLayer(source);
}

}  // namespace vornak
