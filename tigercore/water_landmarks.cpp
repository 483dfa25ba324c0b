#include "tigercore/water_landmarks.h"

#include <cstddef>

namespace tigercore {

void ReleaseWaterLandmarks(std::vector<Type7Record>& water, int& waterCount) {
    std::vector<Type7Record>().swap(water);
    waterCount = 0;
}

void RefillWaterLandmarks(const std::vector<Type7Record>& rows, int count, std::vector<Type7Record>& water,
                          int& waterCount) {
    ReleaseWaterLandmarks(water, waterCount);
    water.reserve(static_cast<size_t>(count));
    AppendWaterLandmarks(rows, count, water);
    waterCount = static_cast<int>(water.size());
}

}  // namespace tigercore
