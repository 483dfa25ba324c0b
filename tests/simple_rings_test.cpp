// Splitting a walked ring at the points it passes through twice, on rings
// drawn by hand: the pieces, their order, and a ring left as it is.
#include "polygons/simple_rings.h"

#include <gtest/gtest.h>

#include <string>

using Ring = std::vector<shapeio::PointXY>;

static std::string Text(const std::vector<Ring>& rings) {
    std::string text;
    for (const Ring& ring : rings) {
        for (const shapeio::PointXY& p : ring) text += std::to_string(int(p.x)) + "," + std::to_string(int(p.y)) + " ";
        text += "| ";
    }
    return text;
}

TEST(SimpleRingsTest, SplitsWhereTheRingComesBackToAPoint) {
    const std::pair<Ring, const char*> cases[] = {
        // Equal neighbours and a doubled closing point pass no point twice.
        {{{0, 0}, {0, 1}, {0, 1}, {1, 1}, {1, 0}, {0, 0}, {0, 0}}, "9,9 | "},
        // Three lobes at the first point (the last closed first); the line out to
        // (5,5) and back encloses nothing.
        {{{0, 0}, {0, 1}, {1, 0}, {0, 0}, {0, -1}, {-1, 0}, {0, 0}, {5, 5}, {0, 0}, {-1, 2}, {-2, 1}, {0, 0}},
         "0,0 -1,2 -2,1 0,0 | 0,0 0,1 1,0 0,0 | 0,0 0,-1 -1,0 0,0 | "},
        // A loop closed at (1,1) inside the one closed at (2,2).
        {{{0, 0}, {2, 2}, {1, 1}, {1, 3}, {0, 3}, {1, 1}, {3, 2}, {2, 2}, {0, -1}, {0, 0}},
         "0,0 2,2 0,-1 0,0 | 1,1 1,3 0,3 1,1 | 2,2 1,1 3,2 2,2 | "},
    };
    for (const auto& [ring, pieces] : cases) {
        std::vector<Ring> split = {{{9, 9}}};
        const bool done = polygons::SplitAtRepeatedPoints(ring, split);
        EXPECT_EQ(Text(split), pieces);
        EXPECT_EQ(done, Text(split) != "9,9 | ");
    }
}
