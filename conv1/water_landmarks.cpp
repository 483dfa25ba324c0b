#include "conv1/water_landmarks.h"

#include "conv1/record_store.h"

#include <new>

namespace vornak {

std::vector<Type7Record> gWaterLandmarkRecords;
int gWaterLandmarkCount = 0;

void SelectWaterLandmarks() {
    if (gType7Count <= 0) return;
    std::vector<Type7Record>().swap(gWaterLandmarkRecords);
    gWaterLandmarkCount = 0;
    try {
        gWaterLandmarkRecords.reserve(static_cast<size_t>(gType7Count));
    } catch (const std::bad_alloc&) {
        return;  // no room: the water layer finds no landmark names
    }
    gTableAllocated[kWaterLandmarkTable] = 1;
    for (int i = 0; i < gType7Count && i < static_cast<int>(gType7Records.size()); ++i) {
        if (gType7Records[static_cast<size_t>(i)].CFCC[0] == 'H')
            gWaterLandmarkRecords.push_back(gType7Records[static_cast<size_t>(i)]);
    }
    gWaterLandmarkCount = static_cast<int>(gWaterLandmarkRecords.size());
}

void ReleaseWaterLandmarks() {
    std::vector<Type7Record>().swap(gWaterLandmarkRecords);
    gWaterLandmarkCount = 0;
}

}  // namespace vornak
