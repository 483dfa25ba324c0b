// bench_merged: converts COUNTIES generated counties of about CHAINS lines
// each, every polygon layer, one after another as one job converts them:
// once into one merged folder (organisation '3') and once a folder per
// county (organisation '0'), each job in a child process of its own. Prints
// each county's time in both jobs, the first and the last merged county,
// the whole jobs and their peak memory.
//
//   bench_merged [--counties N] [--chains C] [--edition E] [--work DIR] [--keep]
//
// Default: 40 counties of 20,000 lines of the 2005 edition ('c'); an
// edition of 1994-2000 ('0' to '8') converts with the older library.
#include "conv1/display.h"
#include "conv2/display.h"
#include "county_model.h"
#include "county_writer.h"
#include "options/options_strings.h"
#include "platform/dialog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Job {
    std::vector<double> seconds;  // per county, in job order: wall clock
    std::vector<double> cpu;      // and the process's CPU time, user and system
    double total = 0;
    long peakKb = 0;
    bool ok = false;
};

// Every polygon layer of the edition's string, organised by `organisation`.
std::string PolygonOptions(char edition, char organisation) {
    const bool older = countygen::IsOldEdition(edition);
    const options::OptionsFamily& family = older ? options::OlderFamily() : options::LaterFamily();
    std::string text(family.length, '0');
    const int first = older ? static_cast<int>(options::older::kFirstPolygonLayer)
                            : static_cast<int>(options::later::kFirstPolygonLayer);
    const int last = older ? static_cast<int>(options::older::kLastPolygonLayer)
                           : options::later::kLastPolygonFlag;
    for (int i = first; i <= last; ++i) text[static_cast<size_t>(i)] = '1';
    text[family.edition] = edition;
    text[family.organisation] = organisation;
    return text;
}

double CpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Converts every county into `out` in a child process; each county's time
// comes back through a pipe.
Job RunJob(const std::vector<std::string>& counties, const std::string& out, const std::string& options,
           bool older) {
    Job job;
    int fds[2];
    if (::pipe(fds) != 0) return job;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) return job;
    if (child == 0) {
        ::close(fds[0]);
        platform::SilentRenderer silent;
        platform::SetModelessRenderer(&silent);
        const int count = static_cast<int>(counties.size());
        int failed = 0;
        for (int k = 0; k < count; ++k) {
            const double cpuStart = CpuSeconds();
            const auto start = std::chrono::steady_clock::now();
            const char* input = counties[static_cast<size_t>(k)].c_str();
            const int rc = older ? vornak::Display(input, out.c_str(), options.c_str(), k + 1, count)
                                 : vornak2::DisplayV2(input, out.c_str(), options.c_str(), k + 1, count);
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (rc != 0) {
                std::fprintf(stderr, "bench_merged: %s failed; see its log in %s\n", input, out.c_str());
                failed = 1;
            }
            char line[64];
            const int n = std::snprintf(line, sizeof line, "%.6f %.6f\n", seconds, CpuSeconds() - cpuStart);
            if (::write(fds[1], line, static_cast<size_t>(n)) != n) std::_Exit(1);
        }
        std::_Exit(failed);
    }
    ::close(fds[1]);
    FILE* in = ::fdopen(fds[0], "r");
    for (double s, c; std::fscanf(in, "%lf %lf", &s, &c) == 2;) {
        job.seconds.push_back(s);
        job.cpu.push_back(c);
        job.total += s;
    }
    std::fclose(in);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    job.peakKb = usage.ru_maxrss;
    job.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && job.seconds.size() == counties.size();
    return job;
}

long long FolderBytes(const std::string& folder) {
    const std::string command = "du -sb '" + folder + "' 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    long long bytes = 0;
    if (pipe && std::fscanf(pipe, "%lld", &bytes) != 1) bytes = 0;
    if (pipe) ::pclose(pipe);
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    int counties = 40;
    long long chains = 20000;
    char edition = 'c';
    std::string work = "/tmp/bench_merged";
    bool keep = false;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        const bool hasValue = k + 1 < argc;
        if (arg == "--counties" && hasValue) counties = std::atoi(argv[++k]);
        else if (arg == "--chains" && hasValue) chains = std::atoll(argv[++k]);
        else if (arg == "--edition" && hasValue) edition = argv[++k][0];
        else if (arg == "--work" && hasValue) work = argv[++k];
        else if (arg == "--keep") keep = true;
        else {
            std::fprintf(stderr,
                         "usage: bench_merged [--counties N] [--chains C] [--edition E] [--work DIR] [--keep]\n");
            return 2;
        }
    }
    if (counties < 1 || counties > 999 || chains < 1) {
        std::fprintf(stderr, "bench_merged: 1 to 999 counties of at least one line\n");
        return 2;
    }
    const std::string input = work + "/counties", merged = work + "/merged", byCounty = work + "/by_county";
    const std::string make = "rm -rf '" + work + "' && mkdir -p '" + input + "' '" + merged + "' '" + byCounty + "'";
    if (std::system(make.c_str()) != 0) return 1;

    std::fprintf(stderr, "bench_merged: writing %d counties of about %lld lines...\n", counties, chains);
    std::vector<std::string> paths;
    long long recordBytes = 0;
    try {
        for (int k = 0; k < counties; ++k) {
            countygen::CountySpec spec = countygen::SpecForChains(chains);
            spec.edition = edition;
            char code[8];
            std::snprintf(code, sizeof code, "%03d", 2 * k + 1);
            spec.county = code;
            const countygen::GeneratedCounty county = countygen::WriteCounty(spec, input);
            paths.push_back(county.type1Path);
            recordBytes += county.bytes;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_merged: %s\n", e.what());
        return 1;
    }

    const bool older = countygen::IsOldEdition(edition);
    std::fprintf(stderr, "bench_merged: the merged job...\n");
    const Job mergedJob = RunJob(paths, merged, PolygonOptions(edition, '3'), older);
    std::fprintf(stderr, "bench_merged: the job by county...\n");
    const Job countyJob = RunJob(paths, byCounty, PolygonOptions(edition, '0'), older);
    if (!mergedJob.ok || !countyJob.ok) {
        std::fprintf(stderr, "bench_merged: a job failed; kept in %s\n", work.c_str());
        return 1;
    }

    std::printf("%d counties of edition %c, %lld lines each, every polygon layer (%.1f MB of record files)\n",
                counties, edition, chains, recordBytes / 1e6);
    std::printf("%-8s %12s %12s %14s %14s\n", "county", "merged s", "merged CPU s", "by county s",
                "by county CPU s");
    for (size_t k = 0; k < paths.size(); ++k) {
        std::printf("%-8zu %12.3f %12.3f %14.3f %14.3f\n", k + 1, mergedJob.seconds[k], mergedJob.cpu[k],
                    countyJob.seconds[k], countyJob.cpu[k]);
    }
    const double first = mergedJob.seconds.front(), last = mergedJob.seconds.back();
    std::printf("merged: first county %.3f s, last %.3f s, last/first %.2f (CPU %.3f s, %.3f s, %.2f)\n", first, last,
                last / first, mergedJob.cpu.front(), mergedJob.cpu.back(), mergedJob.cpu.back() / mergedJob.cpu.front());
    std::printf("whole job: merged %.2f s, by county %.2f s, merged/by county %.2f\n", mergedJob.total,
                countyJob.total, mergedJob.total / countyJob.total);
    std::printf("peak RSS: merged %.1f MiB, by county %.1f MiB\n", mergedJob.peakKb / 1024.0,
                countyJob.peakKb / 1024.0);
    std::printf("output: merged folder %.1f MB, folders by county %.1f MB\n", FolderBytes(merged) / 1e6,
                FolderBytes(byCounty) / 1e6);
    if (!keep) std::system(("rm -rf '" + work + "'").c_str());
    return 0;
}
