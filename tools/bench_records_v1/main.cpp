// bench_records_v1: reads the record files of one county of the 1994-2000
// editions through the readers of that library, in the order the county
// driver reads them, and prints records per second per type and the peak
// memory.
//
//   bench_records_v1 DIR BASE [--edition R]
//
// The files are DIR/BASE.<family><type> (any case), the family "f6" for
// release 94, "bw" for 95 and "rt" for the others; R is the release (94,
// 95, 97 to 103; default 101). Types 1 and 2 must be there; a missing file
// of another type is reported and passed over. date.txt and the log go to
// a temporary folder that is removed at the end.
#include "conv1/job_state.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "platform/files.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

long PeakRssKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct Reader {
    char type;
    bool required;
    void (*read)();
    const int* count;
};

const char* Family(int release) { return release == 94 ? "f6" : release == 95 ? "bw" : "rt"; }

bool Release(const char* text, int& release) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < 94 || value > 103 || value == 96) return false;
    release = static_cast<int>(value);
    return true;
}

std::string ReadLog(const std::string& path) {
    std::string text;
    if (platform::FilePtr log = platform::OpenFile(path, "r")) {
        char block[4096];
        size_t n;
        while ((n = std::fread(block, 1, sizeof block, log.get())) > 0) text.append(block, n);
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    int release = 101;
    std::string directory, baseName;
    int positional = 0;
    for (int k = 1; k < argc; ++k) {
        if (!std::strcmp(argv[k], "--edition") && k + 1 < argc && Release(argv[k + 1], release)) {
            ++k;
        } else if (argv[k][0] != '-' && positional < 2) {
            (positional++ == 0 ? directory : baseName) = argv[k];
        } else {
            positional = -1;
            break;
        }
    }
    if (positional != 2) {
        std::fprintf(stderr, "usage: bench_records_v1 DIR BASE [--edition 94|95|97..103]\n");
        return 2;
    }

    char pattern[] = "/tmp/bench-records-v1-XXXXXX";
    if (!::mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string scratch = pattern;

    using namespace vornak;
    gEditionCode = release;
    gOutputPrefix = scratch + "/";
    gLogFile = platform::OpenFile(scratch + "/bench.log", "w");
    gCurrentJob = nullptr;
    gConversionStatus = 0;
    ResetRecordStore();

    // The driver's order: the lines and road tables, then (type 1 sorted
    // again by TLID) the polygon stage's types.
    const Reader lineReaders[] = {
        {'1', true, ReadType1Records, &gType1Count},  {'2', true, ReadType2Records, &gType2Count},
        {'4', false, ReadType4Records, &gType4Count}, {'5', false, ReadType5Records, &gType5Count},
        {'6', false, ReadType6Records, &gType6Count}, {'z', false, ReadTypeZRecords, &gTypeZCount},
    };
    const Reader polygonReaders[] = {
        {'c', false, ReadTypeCRecords, &gTypeCCount}, {'3', false, ReadType3Records, &gType3Count},
        {'i', false, ReadTypeIRecords, &gTypeICount}, {'a', false, ReadTypeARecords, &gTypeACount},
        {'s', false, ReadTypeSRecords, &gTypeSCount}, {'9', false, ReadType9Records, &gType9Count},
        {'7', false, ReadType7Records, &gType7Count}, {'8', false, ReadType8Records, &gType8Count},
    };

    int status = 0;
    double total = 0.0;
    long long records = 0;
    auto run = [&](const Reader& r) {
        const std::string path = directory + "/" + baseName + "." + Family(release) + r.type;
        gRecordFile = platform::OpenAnyCase(path, "r");
        if (!gRecordFile) {
            std::printf("%-6c %s not found%s\n", r.type, path.c_str(), r.required ? "" : ", passed over");
            return !r.required;
        }
        const auto begin = Clock::now();
        r.read();
        const double seconds = Seconds(begin);
        if (gConversionStatus == -1) {
            std::fflush(gLogFile.get());
            std::fprintf(stderr, "bench_records_v1: the type %c reader failed:\n%s", r.type,
                         ReadLog(scratch + "/bench.log").c_str());
            return false;
        }
        total += seconds;
        records += *r.count;
        std::printf("%-6c %10d %9.3f %14.0f\n", r.type, *r.count, seconds, seconds > 0 ? *r.count / seconds : 0.0);
        return true;
    };

    std::printf("release %d, %s/%s.%s*\n", release, directory.c_str(), baseName.c_str(), Family(release));
    std::printf("%-6s %10s %9s %14s\n", "type", "records", "seconds", "records/s");
    bool ok = true;
    for (const Reader& r : lineReaders) ok = ok && run(r);
    if (ok) {
        const auto begin = Clock::now();
        KeepLineEndsByTlid();
        std::printf("type 1 lines' ends kept and sorted by TLID in %.3f s\n", Seconds(begin));
    }
    for (const Reader& r : polygonReaders) ok = ok && run(r);
    if (ok) {
        std::printf("all types: %lld records in %.2f s (%.0f records/s)\n", records, total,
                    total > 0 ? records / total : 0.0);
        std::printf("peak RSS %.1f MB\n", PeakRssKilobytes() / 1024.0);
    } else {
        status = 1;
    }
    ReleaseRecordStore();
    gLogFile.reset();
    const std::string command = "rm -rf '" + scratch + "'";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", scratch.c_str());
    return status;
}
