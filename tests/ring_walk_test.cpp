// The ring walk against a plain scan of each group (the slow walk that the
// hash-based one must reproduce entry for entry).
#include "polygons/ring_walk.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

using polygons::BorderLineEntry;
using shapeio::PointXY;

int CompareCode(const BorderLineEntry& a, const BorderLineEntry& b) { return std::strcmp(a.code, b.code); }

bool Same(const PointXY& a, const PointXY& b) { return a.x == b.x && a.y == b.y; }

// Records the walk as text: "P<id>" polygon, "R<id>" ring start, "+<id>" continuation, "|" ring end, "." polygon end.
class Recorder : public polygons::RingWalkVisitor {
public:
    bool BeginPolygon(const BorderLineEntry& first) override { trace += "P" + std::string(first.tlid); return true; }
    bool TakeEntry(const BorderLineEntry& e, bool ringStart) override {
        trace += (ringStart ? "R" : "+") + std::string(e.tlid);
        return true;
    }
    bool EndRing() override { trace += "|"; return true; }
    bool EndPolygon() override { trace += "."; return true; }
    std::string trace;
};

// The straightforward walk: scan the group from its first entry for each
// continuation, and the whole array for each new polygon or ring.
std::string SlowWalk(std::vector<BorderLineEntry> entries) {
    std::string trace;
    size_t n = entries.size();
    size_t usedCount = 0;
    while (usedCount < n) {
        size_t start = 0;
        while (entries[start].used) ++start;
        size_t groupBegin = start;
        while (groupBegin > 0 && CompareCode(entries[groupBegin - 1], entries[start]) == 0) --groupBegin;
        trace += "P" + std::string(entries[start].tlid);
        for (;;) {
            size_t first = groupBegin;
            while (first < n && CompareCode(entries[first], entries[groupBegin]) == 0 && entries[first].used) ++first;
            if (first == n || CompareCode(entries[first], entries[groupBegin]) != 0) break;
            BorderLineEntry* current = &entries[first];
            current->used = 1;
            ++usedCount;
            trace += "R" + std::string(current->tlid);
            for (;;) {
                BorderLineEntry* next = nullptr;
                for (size_t j = groupBegin; j < n && CompareCode(entries[j], entries[groupBegin]) == 0; ++j) {
                    if (!entries[j].used && Same(entries[j].StartPoint(), current->EndPoint())) {
                        next = &entries[j];
                        break;
                    }
                }
                if (!next) break;
                next->used = 1;
                ++usedCount;
                trace += "+" + std::string(next->tlid);
                current = next;
            }
            trace += "|";
        }
        trace += ".";
    }
    return trace;
}

BorderLineEntry Entry(const char* code, int id, PointXY from, PointXY to, int side) {
    BorderLineEntry e;
    std::snprintf(e.code, sizeof e.code, "%s", code);
    std::snprintf(e.tlid, sizeof e.tlid, "%d", id);
    e.from = from;
    e.to = to;
    e.side = side;
    return e;
}

TEST(RingWalkTest, SquareWithAHoleMakesOnePolygonOfTwoRings) {
    // Outer square walked clockwise (right-side entries), island walked the other way.
    std::vector<BorderLineEntry> entries = {
        Entry("A", 1, {0, 0}, {0, 4}, 0), Entry("A", 2, {0, 4}, {4, 4}, 0), Entry("A", 3, {4, 4}, {4, 0}, 0),
        Entry("A", 4, {0, 0}, {4, 0}, 1),  // left side: walked from (4,0) to (0,0)
        Entry("A", 5, {1, 1}, {2, 1}, 0), Entry("A", 6, {2, 1}, {2, 2}, 0), Entry("A", 7, {2, 2}, {1, 1}, 0),
        Entry("B", 8, {1, 1}, {2, 2}, 0),
    };
    polygons::SortEntries(entries, CompareCode);
    Recorder recorder;
    ASSERT_TRUE(polygons::WalkRings(entries, CompareCode, recorder));
    EXPECT_EQ(recorder.trace, "P1R1+2+3+4|R5+6+7|.P8R8|.");
    for (const BorderLineEntry& e : entries) EXPECT_EQ(e.used, 1);
}

TEST(RingWalkTest, PinchPointTakesTheFirstEntryInSortedOrder) {
    // Two triangles touching at (0,0): at the pinch point both 3 and 4 start there.
    std::vector<BorderLineEntry> entries = {
        Entry("A", 1, {0, 0}, {1, 1}, 0), Entry("A", 2, {1, 1}, {1, 0}, 0), Entry("A", 3, {1, 0}, {0, 0}, 0),
        Entry("A", 4, {0, 0}, {-1, -1}, 0), Entry("A", 5, {-1, -1}, {-1, 0}, 0), Entry("A", 6, {-1, 0}, {0, 0}, 0),
    };
    Recorder recorder;
    ASSERT_TRUE(polygons::WalkRings(entries, CompareCode, recorder));
    // After 3 the walk is back at (0,0): 4 is the first unused entry starting there.
    EXPECT_EQ(recorder.trace, "P1R1+2+3+4+5+6|.");
}

TEST(RingWalkTest, OpenRingEndsWhereNoContinuationIsLeft) {
    std::vector<BorderLineEntry> entries = {
        Entry("A", 1, {0, 0}, {0, 1}, 0), Entry("A", 2, {0, 1}, {1, 1}, 0), Entry("A", 3, {5, 5}, {6, 6}, 0),
    };
    Recorder recorder;
    ASSERT_TRUE(polygons::WalkRings(entries, CompareCode, recorder));
    EXPECT_EQ(recorder.trace, "P1R1+2|R3|.");
}

TEST(RingWalkTest, NegativeZeroMeetsPositiveZero) {
    std::vector<BorderLineEntry> entries = {Entry("A", 1, {1, 1}, {-0.0, 0.0}, 0), Entry("A", 2, {0.0, -0.0}, {1, 1}, 0)};
    Recorder recorder;
    ASSERT_TRUE(polygons::WalkRings(entries, CompareCode, recorder));
    EXPECT_EQ(recorder.trace, "P1R1+2|.");
}

TEST(RingWalkTest, MatchesTheGroupScanOnRandomGroups) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 300; ++round) {
        int groups = 1 + static_cast<int>(random() % 5);
        int gridSize = 2 + static_cast<int>(random() % 5);  // few points: many ties and pinches
        std::vector<BorderLineEntry> entries;
        int id = 0;
        for (int g = 0; g < groups; ++g) {
            char code[8];
            std::snprintf(code, sizeof code, "C%d", static_cast<int>(random() % 4));
            int count = 1 + static_cast<int>(random() % 40);
            for (int k = 0; k < count; ++k) {
                PointXY a{static_cast<double>(random() % gridSize), static_cast<double>(random() % gridSize)};
                PointXY b{static_cast<double>(random() % gridSize), static_cast<double>(random() % gridSize)};
                entries.push_back(Entry(code, ++id, a, b, static_cast<int>(random() % 2)));
            }
        }
        polygons::SortEntries(entries, CompareCode);
        std::string expected = SlowWalk(entries);
        Recorder recorder;
        ASSERT_TRUE(polygons::WalkRings(entries, CompareCode, recorder));
        ASSERT_EQ(recorder.trace, expected) << "round " << round;
    }
}

TEST(RingWalkTest, VisitorCanStopTheWalk) {
    class StopAtSecondRing : public Recorder {
    public:
        bool EndRing() override { return ++rings < 2; }
        int rings = 0;
    } visitor;
    std::vector<BorderLineEntry> entries = {Entry("A", 1, {0, 0}, {0, 1}, 0), Entry("A", 2, {5, 5}, {6, 6}, 0),
                                            Entry("A", 3, {7, 7}, {8, 8}, 0)};
    EXPECT_FALSE(polygons::WalkRings(entries, CompareCode, visitor));
    EXPECT_EQ(visitor.rings, 2);
    EXPECT_EQ(entries[2].used, 0);
}

}  // namespace
