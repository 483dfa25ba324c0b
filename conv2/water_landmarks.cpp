#include "conv2/water_landmarks.h"

#include "conv2/record_store.h"

namespace vornak2 {

std::vector<Type7Record> gWaterLandmarkRecords;
int gWaterLandmarkCount = 0;

void SelectWaterLandmarks() {
    ReleaseWaterLandmarks();
    if (gType7Count <= 0) return;
    gWaterLandmarkRecords.reserve(static_cast<size_t>(gType7Count));
    tigercore::AppendWaterLandmarks(gType7Records, gType7Count, gWaterLandmarkRecords);
    gWaterLandmarkCount = static_cast<int>(gWaterLandmarkRecords.size());
}

void ReleaseWaterLandmarks() {
    std::vector<Type7Record>().swap(gWaterLandmarkRecords);
    gWaterLandmarkCount = 0;
}

}  // namespace vornak2
