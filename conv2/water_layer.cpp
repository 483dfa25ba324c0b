// Water polygons: the county's water areas (type P WATER not 0), one polygon
// per water body. A body is the set of water polygons whose first landmark
// link names the same named water landmark (CFCC and name), or a single
// unnamed water polygon; parts of different WATER values stay apart.
#include "conv2/job_state.h"
#include "conv2/layer_catalogue.h"
#include "conv2/polygon_layers.h"
#include "conv2/polygon_sides.h"
#include "conv2/record_search.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "conv2/water_landmarks.h"
#include "tigercore/sort_keys.h"
#include "tigercore/landmark_water_layers.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>

namespace vornak2 {

namespace {

using polygons::BorderLineEntry;
using polygons::CompareIntAt8;
using polygons::PolygonLayerDescriptor;
using shapeio::DbfFieldDef;
using shapeio::DbfRecord;

const DbfFieldDef kWaterPolygonFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"CFCC", 'C', 3, 0}, {"LANDNAME", 'C', 30, 0},
    {"FLAG", 'N', 1, 0},    {nullptr, 0, 0, 0},
};

const PolygonLayerDescriptor kWaterLayer = tigercore::WaterPolygonTexts(StatusMoment::kBeforeSorting)
    .Fields(kWaterPolygonFields, "LANDNAME")
    .Order(CompareIntAt8);

// The water key of a side: the name part (CFCC and LANAME of its water
// landmark, 33 characters), the id part (CENID and POLYID of an unnamed
// polygon, blanks for a named one, 15) and the WATER flag (1).
constexpr size_t kNamePartLength = 33;

std::string WaterKey(int landmarkRow, const TypeSRecord& polygon, int water) {
    const Type7Record* landmark = nullptr;
    if (landmarkRow >= 0 && gWaterLandmarkCount > 0 && gType8Count > 0) {
        int found = FindWaterLandmarkRecord(gType8Records[static_cast<size_t>(landmarkRow)].LAND);
        if (found >= 0) landmark = &gWaterLandmarkRecords[static_cast<size_t>(found)];
    }
    char key[64];
    int at;
    if (landmark) at = std::snprintf(key, sizeof key, "%-3.3s%-30.30s", landmark->CFCC, landmark->LANAME);
    else at = std::snprintf(key, sizeof key, "%33s", "");
    if (landmark && !IsBlankText(landmark->LANAME)) at += std::snprintf(key + at, sizeof key - at, "%15s", "");
    else at += std::snprintf(key + at, sizeof key - at, "%5.5s%10.10s", polygon.CENID, polygon.POLYID);
    char flag[16];
    std::snprintf(flag, sizeof flag, "%d", water);
    key[at++] = flag[0];
    return std::string(key, static_cast<size_t>(at));
}

// Entry: the county code of the side's type S row at 0, its WATER flag at 8
// (one digit); the body in the integer key: while gathering, its number in
// order of appearance; once gathered, its rank in the order of the keys.
class WaterSource : public KeyedLayerSource {
public:
    WaterSource()
        : KeyedLayerSource(kWaterLayer, Polygons(), gBorderLineCountsS[kWaterSidesSlot], gBorderLineCountsS[kWaterSidesSlot]) {}

    std::string AttributeRow(const BorderLineEntry& first, int gistId) override {
        CountPolygon();
        const std::string& key = keys_[static_cast<size_t>(first.intKey)];
        DbfRecord record(layer_.fields);
        record.AddNumber(static_cast<long long>(gistId)).Add(std::string(first.code, strnlen(first.code, 5)));
        record.Add(key.substr(0, 3)).Add(key.substr(3, kNamePartLength - 3));
        record.Add(std::string(1, first.code[8]));
        return record.text();
    }

protected:
    bool LineSides(int i, KeyedSide& left, KeyedSide& right) override {
        const TypeIRecord& line = gTypeIRecords[static_cast<size_t>(i)];
        const SidePair census = i < static_cast<int>(ISIndex.size()) ? ISIndex[static_cast<size_t>(i)] : SidePair{};
        const SideWater water = WaterOfLine(i);
        int leftWater = census.left >= 0 ? water.left : 0;
        int rightWater = census.right >= 0 ? water.right : 0;
        if (leftWater == 0 && rightWater == 0) return true;
        std::string leftKey, rightKey;
        if (leftWater != 0 && census.left >= 0)
            leftKey = WaterKey(line.leftLandmarkRow, gTypeSRecords[static_cast<size_t>(census.left)], leftWater);
        if (rightWater != 0 && census.right >= 0)
            rightKey = WaterKey(line.rightLandmarkRow, gTypeSRecords[static_cast<size_t>(census.right)], rightWater);
        // A line inside one water body is no border.
        if (leftWater == rightWater && leftKey == rightKey) return true;
        if (!leftKey.empty()) Side(leftKey, census.left, left);
        if (!rightKey.empty()) Side(rightKey, census.right, right);
        return true;
    }

    // Numbers of appearance become ranks, so the bodies sort by their keys.
    void GatherDone(std::vector<BorderLineEntry>& entries) override {
        std::vector<int32_t> order(keys_.size());
        for (size_t k = 0; k < order.size(); ++k) order[k] = static_cast<int32_t>(k);
        std::sort(order.begin(), order.end(), [this](int32_t a, int32_t b) {
            return keys_[static_cast<size_t>(a)] < keys_[static_cast<size_t>(b)];
        });
        std::vector<int32_t> rank(keys_.size());
        std::vector<std::string> sorted(keys_.size());
        for (size_t r = 0; r < order.size(); ++r) {
            rank[static_cast<size_t>(order[r])] = static_cast<int32_t>(r);
            sorted[r] = std::move(keys_[static_cast<size_t>(order[r])]);
        }
        keys_.swap(sorted);
        for (BorderLineEntry& entry : entries) entry.intKey = rank[static_cast<size_t>(entry.intKey)];
        numbers_.clear();
    }

private:
    void Side(const std::string& key, int censusRow, KeyedSide& side) {
        const TypeSRecord& s = gTypeSRecords[static_cast<size_t>(censusRow)];
        side.taken = true;
        tigercore::JoinedKey<64>().Text(s.STATE00).Text(s.COUNTY00).CopyTo(side.entry.code, sizeof side.entry.code);
        side.entry.code[8] = key.back();
        auto found = numbers_.try_emplace(key, static_cast<int32_t>(keys_.size()));
        if (found.second) keys_.push_back(key);
        side.entry.intKey = found.first->second;
    }

    std::vector<std::string> keys_;
    std::unordered_map<std::string, int32_t> numbers_;
};

}  // namespace

void BuildWaterPolygons() {
    if (gBorderLineCountsS[kWaterSidesSlot] > 0 && gType7Count > 0) SelectWaterLandmarks();
    WaterSource source;
    Polygons().BuildKeyedLayer(source);
}

void AddWaterDescriptors(std::vector<PolygonLayerDescriptor>& layers) { layers.push_back(kWaterLayer); }

}  // namespace vornak2
