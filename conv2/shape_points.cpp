#include "conv2/shape_points.h"

#include "conv2/job_state.h"
#include "conv2/record_store.h"
#include "tigercore/shape_points.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace vornak2 {

void AppendShapePoints(const char* tlid, int reverse) {
    tigercore::AppendLineShape(gType2Records, gType2Count, gType2Index, tlid, reverse, Services());
}

char LookupOverUnderFlag(const char* tzid, const char* tlid) {
    auto key = [](const TypeURecord& row) { return row.TZID; };
    int found = tigercore::FindByText(gTypeURecords, gTypeUCount, tzid, key);
    if (found < 0) return ' ';
    int first = tigercore::StepBackToFirstRow(gTypeURecords, found, gTypeURecords[static_cast<size_t>(found)].RTSQ, tzid, key);
    if (first < 0) {
        WriteLogLine("ERROR - nonmatching Tzid values after sequence adjustment");
        Services().FailCounty();
        return ' ';
    }
    const int rows = std::min(gTypeUCount, static_cast<int>(gTypeURecords.size()));
    for (int row = first; row < rows && std::strcmp(gTypeURecords[static_cast<size_t>(row)].TZID, tzid) == 0;
         ++row) {
        const TypeURecord& node = gTypeURecords[static_cast<size_t>(row)];
        if (std::strcmp(node.TLIDOV1, tlid) == 0 || std::strcmp(node.TLIDOV2, tlid) == 0) return 'O';
        if (std::strcmp(node.TLIDUN1, tlid) == 0 || std::strcmp(node.TLIDUN2, tlid) == 0) return 'U';
    }
    return ' ';
}

}  // namespace vornak2
