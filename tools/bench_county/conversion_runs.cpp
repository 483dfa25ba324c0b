#include "conversion_runs.h"

#include "conv1/conversion_dialog.h"
#include "conv1/display.h"
#include "conv1/job_state.h"
#include "conv2/conversion_dialog.h"
#include "conv2/display.h"
#include "conv2/job_state.h"
#include "county_model.h"
#include "county_writer.h"
#include "platform/dialog.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

LibraryRun OldLibraryRun() {
    LibraryRun run;
    run.label = "vornak 101";
    run.heading = "vornak (1994-2000), release 101 (TIGER 2000): line classes 0-7, polygon options 8-49";
    run.edition = '6';
    // 0-7 line classes, 8-49 polygon layers, 50 a folder per county, 51 no
    // label points, 53 the edition, 54 no water clipping.
    run.options = std::string(50, '1') + "000600";
    run.convert = vornak::Display;
    run.conversionStatus = &vornak::gConversionStatus;
    run.statusId = vornak::ConversionDialog::kStatusId;
    run.layerId = vornak::ConversionDialog::kLayerId;
    return run;
}

LibraryRun NewLibraryRun(bool typeB) {
    LibraryRun run;
    run.label = typeB ? "vornak2 2006" : "vornak2 2006 no B";
    run.heading = std::string("vornak2 (2002-2006), 2006 edition") + (typeB ? "" : " without the type B file") +
                  ": every line class, road table and polygon layer";
    run.edition = 'd';
    run.typeB = typeB;
    // Flags 0 to 78 all on (the first line class brings the road tables),
    // 53 the edition, 79 a folder per county, 80 no water clipping, 81 no
    // label points.
    run.options = std::string(79, '1') + std::string(7, '0');
    run.options[53] = 'd';
    run.convert = vornak2::DisplayV2;
    run.conversionStatus = &vornak2::gConversionStatus;
    run.statusId = vornak2::ConversionDialog::kStatusId;
    run.layerId = vornak2::ConversionDialog::kLayerId;
    return run;
}

namespace {

// Runs `body` in a child process that writes "name<TAB>value..." lines to
// `out`; returns the lines and the child's peak memory.
bool RunChild(const std::function<int(FILE*)>& body, std::vector<std::string>& lines, long& peakKb) {
    int fds[2];
    if (::pipe(fds) != 0) return false;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return false;
    }
    if (child == 0) {
        ::close(fds[0]);
        FILE* out = ::fdopen(fds[1], "w");
        int rc = 1;
        try {
            rc = body(out);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "bench_county: %s\n", e.what());
        }
        std::fclose(out);
        std::_Exit(rc);
    }
    ::close(fds[1]);
    FILE* in = ::fdopen(fds[0], "r");
    char line[1024];
    while (std::fgets(line, sizeof line, in)) {
        std::string text = line;
        if (!text.empty() && text.back() == '\n') text.pop_back();
        lines.push_back(text);
    }
    std::fclose(in);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    peakKb = usage.ru_maxrss;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// "name<TAB>a<TAB>b": the name and the numbers.
std::string Fields(const std::string& line, double& a, double& b) {
    const std::string::size_type tab = line.find('\t');
    if (tab == std::string::npos) return line;
    char* end = nullptr;
    a = std::strtod(line.c_str() + tab + 1, &end);
    b = *end == '\t' ? std::strtod(end + 1, nullptr) : 0.0;
    return line.substr(0, tab);
}

}  // namespace

void KeepLeast(SizeResult& best, const SizeResult& other) {
    best.wall = std::min(best.wall, other.wall);
    best.cpu = std::min(best.cpu, other.cpu);
    best.peakKb = std::max(best.peakKb, other.peakKb);
    for (const StageTime& stage : other.stages) {
        bool found = false;
        for (StageTime& mine : best.stages) {
            if (mine.name != stage.name) continue;
            mine.wall = std::min(mine.wall, stage.wall);
            mine.cpu = std::min(mine.cpu, stage.cpu);
            found = true;
        }
        if (!found) best.stages.push_back(stage);
    }
}

bool RunSize(const LibraryRun& run, long long chains, const std::string& work, SizeResult& result) {
    const std::string input = work + "/county";
    const std::string output = work + "/out";
    const std::string command = "rm -rf '" + work + "' && mkdir -p '" + input + "' '" + output + "'";
    if (std::system(command.c_str()) != 0) return false;

    countygen::CountySpec spec = countygen::SpecForChains(chains);
    spec.edition = run.edition;
    spec.typeB = run.typeB;
    std::vector<std::string> lines;
    long generatorKb = 0;
    auto generate = [&](FILE* out) {
        const countygen::GeneratedCounty county = countygen::WriteCounty(spec, input);
        const std::string type1 = countygen::RecordSuffix(spec.edition, '1');
        std::fprintf(out, "=county\t%lld\t%lld\n", county.bytes,
                     county.records.count(type1) ? county.records.at(type1) : 0LL);
        std::fprintf(out, "=path\t%s\n", county.type1Path.c_str());
        return 0;
    };
    if (!RunChild(generate, lines, generatorKb)) {
        std::fprintf(stderr, "bench_county: the county of %lld chains could not be written\n", chains);
        return false;
    }
    std::string type1Path;
    for (const std::string& line : lines) {
        double a = 0, b = 0;
        const std::string name = Fields(line, a, b);
        if (name == "=county") {
            result.recordBytes = static_cast<long long>(a);
            result.chains = static_cast<long long>(b);
        } else if (name == "=path") {
            type1Path = line.substr(line.find('\t') + 1);
        }
    }

    auto convert = [&](FILE* out) {
        StageClock clock(run.statusId, run.layerId);
        platform::SetModelessRenderer(&clock);
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ProcessCpuSeconds();
        run.convert(type1Path.c_str(), output.c_str(), run.options.c_str(), 1, 1);
        const double cpu = ProcessCpuSeconds() - cpuStart;
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        platform::SetModelessRenderer(nullptr);
        for (const StageTime& stage : clock.Stages())
            std::fprintf(out, "%s\t%.6f\t%.6f\n", stage.name.c_str(), stage.wall, stage.cpu);
        std::fprintf(out, "=total\t%.6f\t%.6f\n", wall, cpu);
        if (*run.conversionStatus == -1) {
            std::fprintf(stderr, "bench_county: the county was abandoned; see the log in %s\n", output.c_str());
            return 1;
        }
        return 0;
    };
    lines.clear();
    if (!RunChild(convert, lines, result.peakKb)) {
        std::fprintf(stderr, "bench_county: the conversion of %lld chains failed\n", chains);
        return false;
    }
    for (const std::string& line : lines) {
        double wall = 0, cpu = 0;
        const std::string name = Fields(line, wall, cpu);
        if (name == "=total") {
            result.wall = wall;
            result.cpu = cpu;
        } else {
            result.stages.push_back({name, wall, cpu});
        }
    }
    return true;
}

}  // namespace bench
