// Splitting a walked ring at the points it passes through twice, against
// rings drawn by hand: which pieces come out, in which order, and which
// rings are left as they are.
#include "shapeio/simple_rings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using shapeio::PointXY;
using Ring = std::vector<PointXY>;

std::string Text(const Ring& ring) {
    std::string text;
    for (const PointXY& p : ring) text += "(" + std::to_string(int(p.x)) + "," + std::to_string(int(p.y)) + ")";
    return text;
}

TEST(SimpleRingsTest, SplitsWhereTheRingComesBackToAPoint) {
    const struct {
        const char* what;
        Ring ring;
        std::vector<Ring> pieces;  // empty: left as it is
    } cases[] = {
        {"square", {{0, 0}, {0, 1}, {1, 1}, {1, 0}, {0, 0}}, {}},
        {"equal neighbours and a doubled closing point",
         {{0, 0}, {0, 1}, {0, 1}, {1, 1}, {1, 0}, {0, 0}, {0, 0}},
         {}},
        {"not closed", {{0, 0}, {0, 1}, {1, 1}, {1, 0}, {0, 0.5}}, {}},
        // Two lobes meeting at (1,1), both clockwise: two outer rings.
        {"two lobes",
         {{0, 0}, {0, 1}, {1, 1}, {1, 2}, {2, 2}, {2, 1}, {1, 1}, {1, 0}, {0, 0}},
         {{{0, 0}, {0, 1}, {1, 1}, {1, 0}, {0, 0}}, {{1, 1}, {1, 2}, {2, 2}, {2, 1}, {1, 1}}}},
        // A C-shape whose ends meet at (2,1), around a cell it holds: the loop
        // around that cell winds the other way (a hole touching the shell).
        {"wrapped around a neighbour",
         {{0, 0}, {0, 3}, {3, 3}, {3, 1}, {2, 1}, {2, 2}, {1, 2}, {1, 1}, {2, 1}, {2, 0}, {0, 0}},
         {{{0, 0}, {0, 3}, {3, 3}, {3, 1}, {2, 1}, {2, 0}, {0, 0}}, {{2, 1}, {2, 2}, {1, 2}, {1, 1}, {2, 1}}}},
        // Three lobes through the first point; the line out to (5,5) and back encloses nothing.
        {"lobes at the first point and a spike",
         {{0, 0}, {0, 1}, {1, 0}, {0, 0}, {0, -1}, {-1, 0}, {0, 0}, {5, 5}, {0, 0}, {-1, 2}, {-2, 1}, {0, 0}},
         {{{0, 0}, {-1, 2}, {-2, 1}, {0, 0}},
          {{0, 0}, {0, 1}, {1, 0}, {0, 0}},
          {{0, 0}, {0, -1}, {-1, 0}, {0, 0}}}},
        // A loop inside a loop, closed on (1,1) inside the one closed on (2,2).
        {"nested",
         {{0, 0}, {2, 2}, {1, 1}, {1, 3}, {0, 3}, {1, 1}, {3, 2}, {2, 2}, {0, -1}, {0, 0}},
         {{{0, 0}, {2, 2}, {0, -1}, {0, 0}},
          {{1, 1}, {1, 3}, {0, 3}, {1, 1}},
          {{2, 2}, {1, 1}, {3, 2}, {2, 2}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Ring> pieces = {{{9, 9}}};
        const bool split = shapeio::SplitAtRepeatedPoints(c.ring, pieces);
        ASSERT_EQ(split, !c.pieces.empty());
        if (!split) {
            EXPECT_EQ(pieces.size(), 1u);  // untouched
            continue;
        }
        ASSERT_EQ(pieces.size(), c.pieces.size());
        for (size_t k = 0; k < pieces.size(); ++k) EXPECT_EQ(Text(pieces[k]), Text(c.pieces[k])) << k;
    }
}

}  // namespace
