// bench_county: converts generated 2006 counties of growing size with every
// line class, every road table and every polygon layer, organised by county,
// and prints per size the time of each stage, the total, the peak memory
// against the size of the record files, and each stage's growth between the
// sizes. Each size runs in a child process of its own, so that its peak
// memory is its own.
//
//   bench_county [--work DIR] [--keep] [CHAINS ...]   (default 60000 125000 250000 500000)
#include "conv2/display.h"
#include "county_model.h"
#include "county_writer.h"
#include "platform/dialog.h"
#include "stage_clock.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <map>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct SizeResult {
    long long chains = 0;
    long long recordBytes = 0;
    double total = 0;
    long peakKb = 0;
    std::vector<std::pair<std::string, double>> stages;
};

// Every flag but the edition character: all line classes (the first brings
// the road tables) and every polygon layer.
std::string AllLayersOptions() {
    std::string options(86, '0');
    for (int i = 0; i <= 78; ++i) options[static_cast<size_t>(i)] = '1';
    options[53] = 'd';
    options[79] = '0';
    return options;
}

// Runs in the child: generates and converts one county, writes the stage
// times to `out` as "stage<TAB>seconds" lines, then "total", "bytes".
int ConvertOne(long long chains, const std::string& work, FILE* out) {
    std::string input = work + "/county";
    std::string output = work + "/out";
    std::string command = "rm -rf '" + work + "' && mkdir -p '" + input + "' '" + output + "'";
    if (std::system(command.c_str()) != 0) return 1;
    countygen::CountySpec spec = countygen::SpecForChains(chains);
    spec.edition = 'd';
    countygen::GeneratedCounty county = countygen::WriteCounty(spec, input);

    bench::StageClock clock;
    platform::SetModelessRenderer(&clock);
    std::string options = AllLayersOptions();
    auto start = std::chrono::steady_clock::now();
    vornak2::DisplayV2(county.type1Path.c_str(), output.c_str(), options.c_str(), 1, 1);
    double total = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    platform::SetModelessRenderer(nullptr);

    for (const auto& stage : clock.Stages()) std::fprintf(out, "%s\t%.6f\n", stage.first.c_str(), stage.second);
    std::fprintf(out, "=total\t%.6f\n=bytes\t%lld\n=chains\t%lld\n", total, county.bytes,
                 county.records.count("rt1") ? county.records.at("rt1") : 0LL);
    return 0;
}

bool RunSize(long long chains, const std::string& work, SizeResult& result) {
    int fds[2];
    if (::pipe(fds) != 0) return false;
    pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        ::close(fds[0]);
        FILE* out = ::fdopen(fds[1], "w");
        int rc = ConvertOne(chains, work, out);
        std::fclose(out);
        std::_Exit(rc);
    }
    ::close(fds[1]);
    FILE* in = ::fdopen(fds[0], "r");
    char line[512];
    while (std::fgets(line, sizeof line, in)) {
        char* tab = std::strchr(line, '\t');
        if (!tab) continue;
        *tab = '\0';
        std::string name = line;
        double value = std::atof(tab + 1);
        if (name == "=total") result.total = value;
        else if (name == "=bytes") result.recordBytes = static_cast<long long>(value);
        else if (name == "=chains") result.chains = static_cast<long long>(value);
        else result.stages.emplace_back(name, value);
    }
    std::fclose(in);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    result.peakKb = usage.ru_maxrss;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string work = "/tmp/bench_county";
    bool keep = false;
    std::vector<long long> sizes;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--work") && i + 1 < argc) work = argv[++i];
        else if (!std::strcmp(argv[i], "--keep")) keep = true;
        else if (std::atoll(argv[i]) > 0) sizes.push_back(std::atoll(argv[i]));
        else {
            std::fprintf(stderr, "usage: bench_county [--work DIR] [--keep] [CHAINS ...]\n");
            return 2;
        }
    }
    if (sizes.empty()) sizes = {60000, 125000, 250000, 500000};

    std::vector<SizeResult> results;
    for (long long chains : sizes) {
        SizeResult result;
        std::fprintf(stderr, "converting a county of about %lld chains...\n", chains);
        if (!RunSize(chains, work + "/" + std::to_string(chains), result)) {
            std::fprintf(stderr, "the county of %lld chains failed\n", chains);
            return 1;
        }
        if (!keep) std::system(("rm -rf '" + work + "/" + std::to_string(chains) + "'").c_str());
        results.push_back(result);
    }

    // One table: a row per stage, a column per size, then the growth ratios.
    std::vector<std::string> names;
    for (const SizeResult& r : results)
        for (const auto& s : r.stages)
            if (std::find(names.begin(), names.end(), s.first) == names.end()) names.push_back(s.first);
    auto seconds = [](const SizeResult& r, const std::string& name) {
        for (const auto& s : r.stages)
            if (s.first == name) return s.second;
        return 0.0;
    };
    std::printf("%-52s", "stage (seconds)");
    for (const SizeResult& r : results) std::printf(" %10lld", r.chains);
    for (size_t i = 1; i < results.size(); ++i) std::printf("  ratio %lld/%lld", results[i].chains, results[i - 1].chains);
    std::printf("\n");
    auto row = [&](const std::string& label, auto value) {
        std::printf("%-52.52s", label.c_str());
        for (const SizeResult& r : results) std::printf(" %10.3f", value(r));
        for (size_t i = 1; i < results.size(); ++i) {
            double before = value(results[i - 1]);
            if (before > 0.001) std::printf(" %17.2f", value(results[i]) / before);
            else std::printf(" %17s", "-");
        }
        std::printf("\n");
    };
    for (const std::string& name : names) row(name, [&](const SizeResult& r) { return seconds(r, name); });
    row("TOTAL", [](const SizeResult& r) { return r.total; });
    std::printf("%-52s", "peak memory (MB)");
    for (const SizeResult& r : results) std::printf(" %10.1f", r.peakKb / 1024.0);
    std::printf("\n%-52s", "record files (MB)");
    for (const SizeResult& r : results) std::printf(" %10.1f", r.recordBytes / 1048576.0);
    std::printf("\n%-52s", "peak memory / record files");
    for (const SizeResult& r : results) std::printf(" %10.2f", r.peakKb * 1024.0 / static_cast<double>(r.recordBytes));
    std::printf("\n");
    return 0;
}
