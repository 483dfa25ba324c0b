// The water landmarks of a county as both libraries keep them: the type 7
// rows whose feature class is hydrography (CFCC of class H), in type 7
// order, and their count, which the water layers search for the names of
// water bodies.
#pragma once

#include "tigercore/record_rows.h"

#include <vector>

namespace tigercore {

// Empties the table and its storage; the count is 0.
void ReleaseWaterLandmarks(std::vector<Type7Record>& water, int& waterCount);

// Refills the table from the first `count` rows of a type 7 table: emptied,
// room taken for all of them at once (std::bad_alloc when it cannot be
// had, the table then left empty) and the water landmarks copied in.
void RefillWaterLandmarks(const std::vector<Type7Record>& rows, int count, std::vector<Type7Record>& water,
                          int& waterCount);

}  // namespace tigercore
