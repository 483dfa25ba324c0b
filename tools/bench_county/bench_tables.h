// The county benchmark's tables: per run a row per stage and a column per
// size, by wall clock and by CPU clock, with the growth between sizes; then
// a summary of every run side by side, the stages gathered into groups.
#pragma once

#include "conversion_runs.h"

#include <string>
#include <vector>

namespace bench {

struct RunResults {
    LibraryRun run;
    std::vector<SizeResult> sizes;  // in the order given, every run the same sizes
};

// The growth that counts against the largest size: its ratio to the size of
// about a quarter of it (within a tenth), when one was run.
constexpr double kQuarterGrowthTarget = 4.6;

// The group of a stage in the summary: reading, line layers, road tables,
// polygon sides, the corrections layer, the all-polygons layer, the other
// polygon layers, or the driver.
std::string StageGroup(const std::string& stage);

void PrintRunTables(const RunResults& results);
void PrintSummary(const std::vector<RunResults>& runs);

}  // namespace bench
