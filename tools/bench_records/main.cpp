// bench_records: generates a large synthetic county of one edition into a
// temporary directory and reads its record files through the readers of the
// edition's library (1994-2000 or 2002-2006), in the order the county driver
// reads them: the line stage's types, type 1 made ready for the polygon stage, the
// polygon stage's types. Prints records per second per type and the peak
// memory.
//
//   bench_records [--chains N] [--edition E] [--seed S] [--lone-cr] [--keep]
//
// E is countygen's edition character (default d, 2006; 6 is TIGER 2000).
// --lone-cr ends the lines of the record files with a lone CR (else CR LF).
// Types 1 and 2 must be read; a reader that fails stops the run.
#include "conv1/job_state.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
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
#include <vector>

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
    void (*read)();
    const int* count;
};

// What the benchmark needs of a library: its readers in the driver's order
// and the globals they work on.
struct Library {
    std::vector<Reader> lineReaders, polygonReaders;
    int* editionCode;
    unsigned char* secondEdition;  // null for a library without second editions
    std::string* outputPrefix;
    platform::FilePtr* logFile;
    platform::FilePtr* recordFile;
    int* status;
    void (*clearCurrentJob)();
    void (*resetStore)();
    void (*sortType1)();
    void (*releaseStore)();

    void Start(int code, bool second, const std::string& scratch) const {
        *editionCode = code;
        if (secondEdition) *secondEdition = second ? 1 : 0;
        *outputPrefix = scratch + "/";
        *logFile = platform::OpenFile(scratch + "/bench.log", "w");
        clearCurrentJob();
        *status = 0;
        resetStore();
    }
    void Release() const {
        releaseStore();
        logFile->reset();
    }
};

Library OldEditions() {
    using namespace vornak;
    return {{{'1', ReadType1Records, &gType1Count},
             {'2', ReadType2Records, &gType2Count},
             {'4', ReadType4Records, &gType4Count},
             {'5', ReadType5Records, &gType5Count},
             {'6', ReadType6Records, &gType6Count},
             {'z', ReadTypeZRecords, &gTypeZCount}},
            {{'c', ReadTypeCRecords, &gTypeCCount},
             {'3', ReadType3Records, &gType3Count},
             {'i', ReadTypeIRecords, &gTypeICount},
             {'a', ReadTypeARecords, &gTypeACount},
             {'s', ReadTypeSRecords, &gTypeSCount},
             {'9', ReadType9Records, &gType9Count},
             {'7', ReadType7Records, &gType7Count},
             {'8', ReadType8Records, &gType8Count}},
            &gEditionCode,
            nullptr,
            &gOutputPrefix,
            &gLogFile,
            &gRecordFile,
            &gConversionStatus,
            [] { gCurrentJob = nullptr; },
            ResetRecordStore,
            KeepLineEndsByTlid,
            ReleaseRecordStore};
}

Library LaterEditions() {
    using namespace vornak2;
    return {{{'1', ReadType1Records, &gType1Count},
             {'2', ReadType2Records, &gType2Count},
             {'i', ReadTypeIRecords, &gTypeICount},
             {'4', ReadType4Records, &gType4Count},
             {'5', ReadType5Records, &gType5Count},
             {'6', ReadType6Records, &gType6Count},
             {'z', ReadTypeZRecords, &gTypeZCount},
             {'u', ReadTypeURecords, &gTypeUCount}},
            {{'c', ReadTypeCRecords, &gTypeCCount},
             {'a', ReadTypeARecords, &gTypeACount},
             {'s', ReadTypeSRecords, &gTypeSCount},
             {'p', ReadTypePRecords, &gTypePCount},
             {'b', ReadTypeBRecords, &gTypeBCount},
             {'7', ReadType7Records, &gType7Count},
             {'8', ReadType8Records, &gType8Count},
             {'e', ReadTypeERecords, &gTypeECount},
             {'t', ReadTypeTRecords, &gTypeTCount},
             {'m', ReadTypeMRecords, &gTypeMCount}},
            &gEditionCode,
            &gSecondEdition,
            &gOutputPrefix,
            &gLogFile,
            &gRecordFile,
            &gConversionStatus,
            [] { gCurrentJob = nullptr; },
            ResetRecordStore,
            SortType1ByTlid,
            ReleaseRecordStore};
}

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
        } else if (!std::strcmp(argv[k], "--lone-cr")) {
            spec.loneCr = true;
        } else if (!std::strcmp(argv[k], "--keep")) {
            keep = true;
        } else {
            std::fprintf(stderr, "usage: bench_records [--chains N] [--edition E] [--seed S] [--lone-cr] [--keep]\n");
            return 2;
        }
    }
    const countygen::CountySpec sized = countygen::SpecForChains(chains);
    spec.width = sized.width;
    spec.height = sized.height;
    const Library library = countygen::IsOldEdition(spec.edition) ? OldEditions() : LaterEditions();

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
        std::printf("edition %c, county %s: %d x %d cells, %lld complete chains, %.1f MB of record files%s, "
                    "written in %.2f s\n",
                    spec.edition, county.baseName.c_str(), spec.width, spec.height,
                    county.records.at(countygen::RecordSuffix(spec.edition, '1')),
                    static_cast<double>(county.bytes) / 1e6, spec.loneCr ? " (lone CR line ends)" : "",
                    Seconds(start));
        const long rssAfterWriting = PeakRssKilobytes();

        library.Start(countygen::EditionCode(spec.edition), spec.edition >= 'c', dir);
        std::printf("%-6s %10s %9s %14s\n", "type", "records", "seconds", "records/s");
        double total = 0.0;
        long long records = 0;
        auto run = [&](const Reader& r) {
            const std::string suffix = countygen::RecordSuffix(spec.edition, r.type);
            *library.recordFile = platform::OpenAnyCase(countygen::CountyFilePath(spec, dir, suffix), "r");
            if (!*library.recordFile) throw std::runtime_error("cannot open " + suffix);
            const auto begin = Clock::now();
            r.read();
            const double seconds = Seconds(begin);
            if (*library.status != 0) throw std::runtime_error("reader failed on " + suffix);
            total += seconds;
            records += *r.count;
            std::printf("%-6c %10d %9.3f %14.0f\n", r.type, *r.count, seconds, seconds > 0 ? *r.count / seconds : 0.0);
        };
        for (const Reader& r : library.lineReaders) run(r);
        const auto begin = Clock::now();
        library.sortType1();
        std::printf("type 1 made ready for the polygon stage in %.3f s\n", Seconds(begin));
        for (const Reader& r : library.polygonReaders) run(r);
        std::printf("all types: %lld records in %.2f s (%.0f records/s)\n", records, total,
                    total > 0 ? records / total : 0.0);
        std::printf("peak RSS %.1f MB (%.1f MB after writing the county); record files %.1f MB\n",
                    PeakRssKilobytes() / 1024.0, rssAfterWriting / 1024.0, static_cast<double>(county.bytes) / 1e6);
        library.Release();
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
