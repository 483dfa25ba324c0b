// Times the ring walk of the polygon layers on generated groups: one code
// whose polygons are the black cells of an m x m checkerboard, so that every
// inner corner is a point where two rings touch and the walk must pick the
// first entry in sorted order. Entries come in shuffled gathering order.
// Prints, per group size, the time per entry of the stable sort and of the
// walk, and of a plain group scan (the quadratic walk) up to 8,192 entries.
//
//   bench_ring_walk [largest group, default 100000]
//
// With NO_SHUFFLE set in the environment the entries keep the order they
// were made in (neighbouring cells together), as lines sorted by TLID
// usually are in real counties.
#include "polygons/ring_walk.h"

#include <algorithm>
#include <cmath>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

namespace {

using polygons::BorderLineEntry;
using shapeio::PointXY;

int CompareCode(const BorderLineEntry& a, const BorderLineEntry& b) { return std::strcmp(a.code, b.code); }

// The border sides of the black cells of an m x m checkerboard (4 per cell),
// each cell walked with the polygon on its right.
std::vector<BorderLineEntry> Checkerboard(int m, unsigned seed) {
    std::vector<BorderLineEntry> entries;
    auto side = [&](double x0, double y0, double x1, double y1, int left) {
        BorderLineEntry e;
        std::strcpy(e.code, "00100");
        std::snprintf(e.tlid, sizeof e.tlid, "%10zu", entries.size() + 1);
        e.from = {x0, y0};
        e.to = {x1, y1};
        e.side = left;
        entries.push_back(e);
    };
    for (int j = 0; j < m; ++j) {
        for (int i = 0; i < m; ++i) {
            if ((i + j) % 2 != 0) continue;
            double x = -71.0 + i * 0.001, y = 42.0 + j * 0.001, d = 0.001;
            // Lines drawn eastward and northward; the cell's side of each.
            side(x, y, x + d, y, 1);          // south: the cell on its left
            side(x + d, y, x + d, y + d, 1);  // east: on its left
            side(x, y + d, x + d, y + d, 0);  // north: on its right
            side(x, y, x, y + d, 0);          // west: on its right
        }
    }
    std::mt19937 random(seed);
    if (!std::getenv("NO_SHUFFLE")) std::shuffle(entries.begin(), entries.end(), random);
    return entries;
}

class Counter : public polygons::RingWalkVisitor {
public:
    bool BeginPolygon(const BorderLineEntry&) override { return true; }
    bool TakeEntry(const BorderLineEntry&, bool ringStart) override {
        rings += ringStart ? 1 : 0;
        ++taken;
        return true;
    }
    bool EndRing() override { return true; }
    bool EndPolygon() override { return true; }
    long rings = 0, taken = 0;
};

bool Same(const PointXY& a, const PointXY& b) { return a.x == b.x && a.y == b.y; }

// The quadratic walk of one group: each continuation and each ring start
// scans the group from its first entry.
long PlainScan(std::vector<BorderLineEntry>& entries) {
    long rings = 0;
    for (;;) {
        size_t first = 0;
        while (first < entries.size() && entries[first].used) ++first;
        if (first == entries.size()) break;
        ++rings;
        BorderLineEntry* current = &entries[first];
        current->used = 1;
        for (;;) {
            BorderLineEntry* next = nullptr;
            for (BorderLineEntry& e : entries) {
                if (!e.used && Same(e.StartPoint(), current->EndPoint())) {
                    next = &e;
                    break;
                }
            }
            if (!next) break;
            next->used = 1;
            current = next;
        }
    }
    return rings;
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
    long largest = argc > 1 ? std::atol(argv[1]) : 100000;
    std::printf("%9s %9s %7s %12s %12s %14s\n", "entries", "rings", "repeats", "sort ns/e", "walk ns/e",
                "plain scan ns/e");
    // Groups of 2 m^2 entries: 8 to 100,352.
    for (int m : {2, 4, 8, 16, 32, 64, 128, 224, 448, 1024}) {
        if (m > 2 && 2L * m * m > largest * 3 / 2) break;
        const std::vector<BorderLineEntry> generated = Checkerboard(m, 7);
        const size_t n = generated.size();
        // Repeat small groups so that each size takes about a fifth of a second.
        int repeats = static_cast<int>(std::max<size_t>(1, 4000000 / n));
        double sortTime = 0, walkTime = 0;
        long rings = 0;
        for (int r = 0; r < repeats; ++r) {
            std::vector<BorderLineEntry> entries = generated;
            auto start = std::chrono::steady_clock::now();
            polygons::SortEntries(entries, CompareCode);
            sortTime += Seconds(start);
            Counter counter;
            start = std::chrono::steady_clock::now();
            polygons::WalkRings(entries, CompareCode, counter);
            walkTime += Seconds(start);
            if (counter.taken != static_cast<long>(n)) {
                std::fprintf(stderr, "walk took %ld of %zu entries\n", counter.taken, n);
                return 1;
            }
            rings = counter.rings;
        }
        char plain[32] = "-";
        if (n <= 8192) {
            int plainRepeats = static_cast<int>(std::max<size_t>(1, 20000 / n));
            double plainTime = 0;
            for (int r = 0; r < plainRepeats; ++r) {
                std::vector<BorderLineEntry> entries = generated;
                auto start = std::chrono::steady_clock::now();
                if (PlainScan(entries) != rings) {
                    std::fprintf(stderr, "the plain scan made another number of rings\n");
                    return 1;
                }
                plainTime += Seconds(start);
            }
            std::snprintf(plain, sizeof plain, "%.1f", plainTime * 1e9 / (static_cast<double>(n) * plainRepeats));
        }
        std::printf("%9zu %9ld %7d %12.1f %12.1f %14s\n", n, rings, repeats,
                    sortTime * 1e9 / (static_cast<double>(n) * repeats),
                    walkTime * 1e9 / (static_cast<double>(n) * repeats), plain);
    }
    return 0;
}
