// bench_county: converts generated counties of growing size with both
// libraries and prints, per run and size, the time of each stage by the
// wall clock and by the CPU clock, the total, the peak memory against the
// size of the record files, each stage's growth between the sizes, and then
// a summary of the runs side by side. Each size of each run converts in a
// child process of its own (another one writes the county), so that its
// peak memory is its own.
//
//   bench_county [--work DIR] [--keep] [--library old|new|both]
//                [--type-b with|without|both] [--repeat N] [CHAINS ...]
//
// The runs: the 1994-2000 library on release 101 (TIGER 2000) counties with
// every line class and polygon options 8 to 49; the 2002-2006 library on
// 2006-edition counties with every line class, road table and polygon
// layer, with the type B file, without it (as real counties of 2005 on
// come), or both. Default: both libraries, both kinds of 2006 county, sizes
// 60000 125000 250000 500000. --repeat N converts each size N times and
// keeps each stage's least time (wall and CPU apart) and the largest peak
// memory: the least time is the one least disturbed by other work.
#include "bench_tables.h"
#include "conversion_runs.h"
#include "platform/memory.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "usage: bench_county [--work DIR] [--keep] [--library old|new|both] [--type-b with|without|both] "
    "[--repeat N] [CHAINS ...]\n";

}  // namespace

int main(int argc, char** argv) {
    // As in pellard and convert_county, which the timed conversions stand for.
    platform::KeepFreedMemoryForReuse();
    std::string work = "/tmp/bench_county";
    bool keep = false;
    std::string library = "both";
    std::string typeB = "both";
    int repeat = 1;
    std::vector<long long> sizes;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--work" && i + 1 < argc) {
            work = argv[++i];
        } else if (arg == "--keep") {
            keep = true;
        } else if (arg == "--library" && i + 1 < argc) {
            library = argv[++i];
        } else if (arg == "--type-b" && i + 1 < argc) {
            typeB = argv[++i];
        } else if (arg == "--repeat" && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
            repeat = std::atoi(argv[++i]);
        } else if (std::atoll(arg.c_str()) > 0) {
            sizes.push_back(std::atoll(arg.c_str()));
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    const bool oldRuns = library == "old" || library == "both";
    const bool newRuns = library == "new" || library == "both";
    if ((!oldRuns && !newRuns) || (typeB != "with" && typeB != "without" && typeB != "both")) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (sizes.empty()) sizes = {60000, 125000, 250000, 500000};

    std::vector<bench::RunResults> runs;
    if (oldRuns) runs.push_back({bench::OldLibraryRun(), {}});
    if (newRuns && typeB != "without") runs.push_back({bench::NewLibraryRun(true), {}});
    if (newRuns && typeB != "with") runs.push_back({bench::NewLibraryRun(false), {}});

    // Repeats go round every run and size in turn, so that a spell of other
    // work on the machine does not fall on the repeats of one size alone.
    for (bench::RunResults& r : runs) r.sizes.resize(sizes.size());
    for (int k = 1; k <= repeat; ++k) {
        for (size_t r = 0; r < runs.size(); ++r) {
            for (size_t n = 0; n < sizes.size(); ++n) {
                const long long chains = sizes[n];
                bench::SizeResult result;
                std::fprintf(stderr, "%s: a county of about %lld chains (%d of %d)...\n",
                             runs[r].run.label.c_str(), chains, k, repeat);
                const std::string folder = work + "/" + std::to_string(r) + "-" + std::to_string(chains);
                if (!bench::RunSize(runs[r].run, chains, folder, result)) {
                    std::fprintf(stderr, "%s: the county of %lld chains failed; kept in %s\n",
                                 runs[r].run.label.c_str(), chains, folder.c_str());
                    return 1;
                }
                if (!keep && std::system(("rm -rf '" + folder + "'").c_str()) != 0)
                    std::fprintf(stderr, "could not remove %s\n", folder.c_str());
                bench::SizeResult& best = runs[r].sizes[n];
                if (k == 1) best = result;
                else bench::KeepLeast(best, result);
            }
        }
    }

    for (const bench::RunResults& r : runs) bench::PrintRunTables(r);
    if (runs.size() > 1) bench::PrintSummary(runs);
    return 0;
}
