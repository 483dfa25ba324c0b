#include "conv1/water_landmarks.h"

#include "conv1/record_store.h"
#include "tigercore/water_landmarks.h"

#include <new>

namespace vornak {

void SelectWaterLandmarks() {
    if (gType7Count <= 0) return;
    try {
        tigercore::RefillWaterLandmarks(gType7Records, gType7Count, gWaterLandmarkRecords, gWaterLandmarkCount);
    } catch (const std::bad_alloc&) {
        return;  // no room: the table stays empty and the water layer finds no landmark names
    }
    gTableAllocated[kWaterLandmarkTable] = 1;
}

}  // namespace vornak
