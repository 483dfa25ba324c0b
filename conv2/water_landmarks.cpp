#include "conv2/water_landmarks.h"

#include "conv2/record_store.h"
#include "tigercore/water_landmarks.h"

namespace vornak2 {

std::vector<Type7Record> gWaterLandmarkRecords;
int gWaterLandmarkCount = 0;

void SelectWaterLandmarks() {
    ReleaseWaterLandmarks();
    if (gType7Count <= 0) return;
    tigercore::RefillWaterLandmarks(gType7Records, gType7Count, gWaterLandmarkRecords, gWaterLandmarkCount);
}

void ReleaseWaterLandmarks() { tigercore::ReleaseWaterLandmarks(gWaterLandmarkRecords, gWaterLandmarkCount); }

}  // namespace vornak2
