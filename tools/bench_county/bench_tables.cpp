#include "bench_tables.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace bench {

namespace {

using Value = std::function<double(const SizeResult&)>;

// A stage whose time at the smaller size is below this has no ratio shown:
// it is mostly the clocks' own noise.
constexpr double kRatioFloor = 0.005;

const char* const kRoadTableStages[] = {
    "Building Alternate Names File", "Building Additional Address Info File", "Building Zip+4 Info File",
    "Alternate Feature Names",       "Additional Addresses",                   "Additional Zipcodes",
};

std::string Short(long long chains) { return std::to_string(chains / 1000) + "k"; }

// The ratio columns: each size over the one before, then the largest over
// the one of about a quarter of it when that pair is not among them.
struct Ratio {
    size_t over, under;
    bool quarter;
};

std::vector<Ratio> Ratios(const std::vector<SizeResult>& sizes) {
    std::vector<Ratio> ratios;
    for (size_t i = 1; i < sizes.size(); ++i) ratios.push_back({i, i - 1, false});
    if (sizes.size() < 2) return ratios;
    size_t largest = 0;
    for (size_t i = 1; i < sizes.size(); ++i)
        if (sizes[i].chains > sizes[largest].chains) largest = i;
    const double quarter = sizes[largest].chains / 4.0;
    for (size_t i = 0; i < sizes.size(); ++i) {
        if (std::fabs(sizes[i].chains - quarter) > quarter / 10) continue;
        bool listed = false;
        for (Ratio& r : ratios) {
            if (r.over == largest && r.under == i) {
                r.quarter = true;
                listed = true;
            }
        }
        if (!listed) ratios.push_back({largest, i, true});
        break;
    }
    return ratios;
}

constexpr int kLabelWidth = 48;

void PrintHeader(const char* title, const std::vector<SizeResult>& sizes, const std::vector<Ratio>& ratios,
                 const char* second = nullptr) {
    std::printf("%-*s", kLabelWidth, title);
    if (second) std::printf(" %-18s", second);
    for (const SizeResult& s : sizes) std::printf(" %9s", Short(s.chains).c_str());
    for (const Ratio& r : ratios) {
        const std::string head = Short(sizes[r.over].chains) + "/" + Short(sizes[r.under].chains);
        std::printf(" %9s", head.c_str());
    }
    std::printf("\n");
}

// One row: a value per size, then the ratios (a '!' marks a quarter ratio
// above the target when `judged`).
void PrintRow(const std::string& label, const std::vector<SizeResult>& sizes, const std::vector<Ratio>& ratios,
              const Value& value, const char* format, bool judged, const std::string& second = std::string(),
              bool withSecond = false) {
    std::printf("%-*.*s", kLabelWidth, kLabelWidth, label.c_str());
    if (withSecond) std::printf(" %-18.18s", second.c_str());
    for (const SizeResult& s : sizes) std::printf(format, value(s));
    for (const Ratio& r : ratios) {
        const double under = value(sizes[r.under]);
        if (under < kRatioFloor) {
            std::printf(" %9s", "-");
            continue;
        }
        const double ratio = value(sizes[r.over]) / under;
        const bool over = judged && r.quarter && ratio > kQuarterGrowthTarget;
        std::printf(" %8.2f%c", ratio, over ? '!' : ' ');
    }
    std::printf("\n");
}

std::vector<std::string> StageNames(const std::vector<SizeResult>& sizes) {
    std::vector<std::string> names;
    for (const SizeResult& s : sizes)
        for (const StageTime& t : s.stages)
            if (std::find(names.begin(), names.end(), t.name) == names.end()) names.push_back(t.name);
    return names;
}

double StageSeconds(const SizeResult& s, const std::string& name, bool cpu) {
    for (const StageTime& t : s.stages)
        if (t.name == name) return cpu ? t.cpu : t.wall;
    return 0.0;
}

double GroupSeconds(const SizeResult& s, const std::string& group, bool cpu) {
    double sum = 0;
    for (const StageTime& t : s.stages)
        if (StageGroup(t.name) == group) sum += cpu ? t.cpu : t.wall;
    return sum;
}

double PeakMb(const SizeResult& s) { return s.peakKb / 1024.0; }
double RecordMb(const SizeResult& s) { return static_cast<double>(s.recordBytes) / 1048576.0; }
double PeakOverRecords(const SizeResult& s) { return s.recordBytes > 0 ? s.peakKb * 1024.0 / s.recordBytes : 0; }

const char* const kGroups[] = {
    "reading and sorting records", "line layers",           "road tables",          "polygon sides",
    "all-polygons layer",          "corrections layer (CQs)", "other polygon layers", "driver and the rest",
};

}  // namespace

std::string StageGroup(const std::string& stage) {
    if (stage == "reading records") return "reading and sorting records";
    if (NamesLineClass(stage) || stage == "layer Lines" || stage == "layer Nodes and Lines") return "line layers";
    for (const char* road : kRoadTableStages)
        if (stage == road) return "road tables";
    if (stage == "polygon side assembly" || stage == "Determining Polygon Borders") return "polygon sides";
    if (stage == "layer All Polygons") return "all-polygons layer";
    if (stage == "layer CQs") return "corrections layer (CQs)";
    if (stage.rfind("layer ", 0) == 0) return "other polygon layers";
    return "driver and the rest";
}

void PrintRunTables(const RunResults& results) {
    const std::vector<SizeResult>& sizes = results.sizes;
    const std::vector<Ratio> ratios = Ratios(sizes);
    const std::vector<std::string> names = StageNames(sizes);
    std::printf("\n=== %s ===\n", results.run.heading.c_str());
    std::printf("complete chains:");
    for (const SizeResult& s : sizes) std::printf(" %lld", s.chains);
    std::printf("; options %s\n", results.run.options.c_str());
    for (bool cpu : {false, true}) {
        std::printf("\n");
        PrintHeader(cpu ? "stage (CPU seconds)" : "stage (wall seconds)", sizes, ratios);
        for (const std::string& name : names)
            PrintRow(name, sizes, ratios, [&](const SizeResult& s) { return StageSeconds(s, name, cpu); }, " %9.3f",
                     true);
        PrintRow("TOTAL", sizes, ratios, [cpu](const SizeResult& s) { return cpu ? s.cpu : s.wall; }, " %9.3f",
                 true);
    }
    std::printf("\n");
    PrintRow("peak memory (MB)", sizes, ratios, PeakMb, " %9.1f", false);
    PrintRow("record files (MB)", sizes, ratios, RecordMb, " %9.1f", false);
    PrintRow("peak memory / record files", sizes, ratios, PeakOverRecords, " %9.2f", false);
    std::printf("('!': grew more than %.1f times from about a quarter of the largest size; '-': too small to say)\n",
                kQuarterGrowthTarget);
}

void PrintSummary(const std::vector<RunResults>& runs) {
    if (runs.empty()) return;
    const std::vector<SizeResult>& first = runs.front().sizes;
    const std::vector<Ratio> ratios = Ratios(first);
    std::printf("\n=== summary: every run side by side ===\n\n");
    PrintHeader("", first, ratios, "run");
    auto block = [&](const std::string& label, const Value& value, const char* format, bool judged = true) {
        bool firstRow = true;
        for (const RunResults& r : runs) {
            PrintRow(firstRow ? label : std::string(), r.sizes, ratios, value, format, judged, r.run.label, true);
            firstRow = false;
        }
    };
    block("TOTAL (wall seconds)", [](const SizeResult& s) { return s.wall; }, " %9.3f");
    block("TOTAL (CPU seconds)", [](const SizeResult& s) { return s.cpu; }, " %9.3f");
    for (const char* group : kGroups) {
        bool any = false;
        for (const RunResults& r : runs)
            for (const SizeResult& s : r.sizes)
                for (const StageTime& t : s.stages) any = any || StageGroup(t.name) == group;
        if (!any) continue;
        block(std::string(group) + " (CPU s)",
              [group](const SizeResult& s) { return GroupSeconds(s, group, true); }, " %9.3f");
    }
    block("peak memory (MB)", PeakMb, " %9.1f", false);
    block("record files (MB)", RecordMb, " %9.1f", false);
    block("peak memory / record files", PeakOverRecords, " %9.2f", false);
}

}  // namespace bench
