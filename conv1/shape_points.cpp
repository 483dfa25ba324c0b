#include "conv1/shape_points.h"

#include "conv1/job_state.h"
#include "conv1/record_store.h"
#include "tigercore/shape_points.h"

namespace vornak {

void AppendShapePoints(const char* tlid, int reverse) {
    tigercore::AppendLineShape(gType2Records, gType2Count, gType2Index, tlid, reverse, Services());
}

}  // namespace vornak
