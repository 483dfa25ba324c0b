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
    tigercore::AppendWaterLandmarks(gType7Records, gType7Count, gWaterLandmarkRecords);
    gWaterLandmarkCount = static_cast<int>(gWaterLandmarkRecords.size());
}

void ReleaseWaterLandmarks() {
    std::vector<Type7Record>().swap(gWaterLandmarkRecords);
    gWaterLandmarkCount = 0;
}

}  // namespace vornak
