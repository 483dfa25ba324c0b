// bench_records: generates a large synthetic county into a temporary
// directory, reads every record type through the readers of the 2002-2006
// library and prints records per second per type and the peak memory.
//
//   bench_records [--chains N] [--edition E] [--seed S] [--keep]
#include "conv2/job_state.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "county_model.h"
#include "county_writer.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <string>
#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

long PeakRssKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct Reader {
    const char* suffix;
    void (*read)();
    const int* count;
};

}  // namespace

int main(int argc, char** argv) {
    long long chains = 500000;
    countygen::CountySpec spec;
    spec.seed = 1;
    bool keep = false;
    for (int k = 1; k < argc; ++k) {
        if (!std::strcmp(argv[k], "--chains") && k + 1 < argc) {
            chains = std::atoll(argv[++k]);
        } else if (!std::strcmp(argv[k], "--edition") && k + 1 < argc) {
            spec.edition = argv[++k][0];
        } else if (!std::strcmp(argv[k], "--seed") && k + 1 < argc) {
            spec.seed = std::strtoull(argv[++k], nullptr, 10);
        } else if (!std::strcmp(argv[k], "--keep")) {
            keep = true;
        } else {
            std::fprintf(stderr, "usage: bench_records [--chains N] [--edition E] [--seed S] [--keep]\n");
            return 2;
        }
    }
    const countygen::CountySpec sized = countygen::SpecForChains(chains);
    spec.width = sized.width;
    spec.height = sized.height;

    char pattern[] = "/tmp/bench-records-XXXXXX";
    if (!::mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string dir = pattern;
    int status = 0;
    try {
        auto start = Clock::now();
        const countygen::GeneratedCounty county = countygen::WriteCounty(spec, dir);
        std::printf("county %s: %d x %d cells, %lld complete chains, %.1f MB of record files, written in %.2f s\n",
                    county.baseName.c_str(), spec.width, spec.height, county.records.at("rt1"),
                    static_cast<double>(county.bytes) / 1e6, Seconds(start));
        const long rssAfterWriting = PeakRssKilobytes();

        vornak2::gEditionCode = countygen::EditionCode(spec.edition);
        vornak2::gSecondEdition = spec.edition >= 'c' ? 1 : 0;
        vornak2::gOutputPrefix = dir + "/";
        vornak2::gLogFile = platform::OpenFile(dir + "/bench.log", "w");
        vornak2::gCurrentJob = nullptr;
        vornak2::gConversionStatus = 0;
        vornak2::ResetRecordStore();

        using namespace vornak2;
        const Reader readers[] = {
            {"rt1", ReadType1Records, &gType1Count}, {"rt2", ReadType2Records, &gType2Count},
            {"rti", ReadTypeIRecords, &gTypeICount}, {"rt4", ReadType4Records, &gType4Count},
            {"rt5", ReadType5Records, &gType5Count}, {"rt6", ReadType6Records, &gType6Count},
            {"rtz", ReadTypeZRecords, &gTypeZCount}, {"rtu", ReadTypeURecords, &gTypeUCount},
            {"rtc", ReadTypeCRecords, &gTypeCCount}, {"rta", ReadTypeARecords, &gTypeACount},
            {"rts", ReadTypeSRecords, &gTypeSCount}, {"rtp", ReadTypePRecords, &gTypePCount},
            {"rtb", ReadTypeBRecords, &gTypeBCount}, {"rt7", ReadType7Records, &gType7Count},
            {"rt8", ReadType8Records, &gType8Count}, {"rte", ReadTypeERecords, &gTypeECount},
            {"rtt", ReadTypeTRecords, &gTypeTCount}, {"rtm", ReadTypeMRecords, &gTypeMCount},
        };
        std::printf("%-6s %10s %9s %14s\n", "type", "records", "seconds", "records/s");
        double total = 0.0;
        long long records = 0;
        for (const Reader& r : readers) {
            gRecordFile = platform::OpenAnyCase(countygen::CountyFilePath(spec, dir, r.suffix), "r");
            if (!gRecordFile) throw std::runtime_error(std::string("cannot open ") + r.suffix);
            auto begin = Clock::now();
            r.read();
            const double seconds = Seconds(begin);
            if (gConversionStatus != 0) throw std::runtime_error(std::string("reader failed on ") + r.suffix);
            total += seconds;
            records += *r.count;
            std::printf("%-6s %10d %9.3f %14.0f\n", r.suffix, *r.count, seconds, *r.count / seconds);
        }
        auto begin = Clock::now();
        SortType1ByTlid();
        std::printf("type 1 sorted again by TLID in %.3f s\n", Seconds(begin));
        std::printf("all types: %lld records in %.2f s (%.0f records/s)\n", records, total, records / total);
        std::printf("peak RSS %.1f MB (%.1f MB after writing the county); record files %.1f MB\n",
                    PeakRssKilobytes() / 1024.0, rssAfterWriting / 1024.0, static_cast<double>(county.bytes) / 1e6);
        ReleaseRecordStore();
        gLogFile.reset();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_records: %s\n", e.what());
        status = 1;
    }
    if (keep) {
        std::printf("county kept in %s\n", dir.c_str());
    } else {
        std::string command = "rm -rf '" + dir + "'";
        if (std::system(command.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", dir.c_str());
    }
    return status;
}
