// countygen: writes a synthetic TIGER/Line county of the 1994-2006 editions.
#include "county_model.h"
#include "county_writer.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

namespace {

const char* const kHelp = R"(usage: countygen --out DIR [options]

Writes a synthetic TIGER/Line county into DIR, which must exist: for the
2002-2006 editions record types 1, 2, 4, 5, 6, 7, 8, A, B, C, E, I, M, P, S,
T, U, Z and a .met text (TGR25901.RT1 ...); for the 1994-2000 editions types
1, 2, 3, 4, 5, 6, 7, 8, 9, A, C, I, S, Z with each release's columns, named
TGR25901.F61 ... .F6Z (1994), .BW1 ... (1995) or .RT1 ... (1997 on).

  --width W, --height H  grid of W x H cells (default 4 x 3)
  --chains N             the smallest square grid with at least N lines
  --edition E            edition character: 9 (2002), a (2003), b, c (2004,
                         2005), d (2006); default c. The 1994-2000 releases:
                         0 (TIGER 94), 1 (95), 2 (97), 3 (98), 4 (2000 Dress
                         Rehearsal, release 99), 5 (TIGER 99, release 100),
                         6 (TIGER 2000, 101), 7 (2000 Urban Areas, 102),
                         8 (2000 CD108, 103)
  --seed S               0 (default): records in natural order; else every
                         file is shuffled, deterministically for S (the lines
                         of types 1, 3 and I keep one order, as do the
                         polygons of types A and S)
  --state SS --county CCC  FIPS codes (default 25 901): file TGR25901.RT1 ...
  --version NNNN         the VERSION of every record (default by edition:
                         9 1002, a 1003, b 0504, c 1105, d 0806; 0 0021,
                         1 0024, 2 0897, 3 0299, 4 0599, 5 0700, 6 0401,
                         7 0402, 8 0303)
  --lf                   LF line ends (default CR LF)
  --cr                   lone CR line ends
  --lower-case           lower-case file names (tgr25901.rt1)
  --no-type-b            2002-2006: no type B file (as in the real counties
                         of 2005 on); every other file stays as it was
  --title TEXT           2002-2006: a "Title: TEXT" line in the .met text,
                         as the real ones have ("TIGER/Line Files, 2005
                         Second Edition, Massachusetts, Suffolk County")

The county: cell (i, j) of the grid is one polygon (POLYID j W + i + 1);
lines run along the cell edges, horizontal ones first (TLID 100000001 + L);
codes of every cell follow fixed formulas (tracts of 20 x 20 cells, block
groups of 10 x 10, blocks of 2 x 2, places, school districts, ZCTAs, water
cells, landmarks...). The older editions add the 1990 codes of type A (the
same formulas), the codes of both sides of every line in type 3 (voting
districts up to release 98; ANRC and tribal subdivisions from release 100),
key geographic locations (type 9) and entity names with the 1990 and 2000
rows that releases 100 on look up by year. The full pattern is described in
county_model.h and old_edition_codes.h.
)";

bool Number(const char* text, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text, &end, 10);
    return end != text && *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
    countygen::CountySpec spec;
    std::string out;
    for (int k = 1; k < argc; ++k) {
        std::string arg = argv[k];
        auto next = [&]() -> const char* {
            if (k + 1 >= argc) {
                std::fprintf(stderr, "countygen: %s needs a value\n", arg.c_str());
                std::exit(2);
            }
            return argv[++k];
        };
        long long n = 0;
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        } else if (arg == "--out") {
            out = next();
        } else if (arg == "--width" && Number(next(), n) && n > 0) {
            spec.width = static_cast<int>(n);
        } else if (arg == "--height" && Number(next(), n) && n > 0) {
            spec.height = static_cast<int>(n);
        } else if (arg == "--chains" && Number(next(), n) && n > 0) {
            countygen::CountySpec sized = countygen::SpecForChains(n);
            spec.width = sized.width;
            spec.height = sized.height;
        } else if (arg == "--edition") {
            const char* e = next();
            if (std::strlen(e) != 1 || !std::strchr("0123456789abcd", e[0])) {
                std::fprintf(stderr, "countygen: edition must be one of 0 to 8, 9, a, b, c, d\n");
                return 2;
            }
            spec.edition = e[0];
        } else if (arg == "--seed" && Number(next(), n) && n >= 0) {
            spec.seed = static_cast<std::uint64_t>(n);
        } else if (arg == "--state") {
            spec.state = next();
        } else if (arg == "--county") {
            spec.county = next();
        } else if (arg == "--version" && Number(next(), n) && n >= 0 && n <= 9999) {
            spec.version = static_cast<int>(n);
        } else if (arg == "--lf") {
            spec.crlf = false;
        } else if (arg == "--cr") {
            spec.loneCr = true;
        } else if (arg == "--lower-case") {
            spec.upperCaseNames = false;
        } else if (arg == "--no-type-b") {
            spec.typeB = false;
        } else if (arg == "--title") {
            spec.metTitle = next();
        } else {
            std::fprintf(stderr, "countygen: bad argument %s (see --help)\n", arg.c_str());
            return 2;
        }
    }
    if (out.empty()) {
        std::fputs(kHelp, stderr);
        return 2;
    }
    try {
        auto start = std::chrono::steady_clock::now();
        countygen::GeneratedCounty county = countygen::WriteCounty(spec, out);
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%s\n", county.type1Path.c_str());
        for (const auto& [suffix, records] : county.records) std::printf("  %s %lld\n", suffix.c_str(), records);
        std::printf("  %d x %d cells, %lld bytes in %.2f s\n", spec.width, spec.height, county.bytes, seconds);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "countygen: %s\n", e.what());
        return 1;
    }
    return 0;
}
