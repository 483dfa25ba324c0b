#include "polygons/simple_rings.h"

#include "polygons/point_key.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>

namespace polygons {

namespace {

// Whether the closed ring passes through a point twice. Its positions are
// taken round the ring (the last point is the first again): the positions
// of one point must form one unbroken run, else the ring comes back to it.
bool PassesTwice(const std::vector<PointXY>& ring) {
    const size_t positions = ring.size() - 1;
    std::vector<std::pair<PointKey, uint32_t>> keys(positions);
    for (size_t i = 0; i < positions; ++i) keys[i] = {KeyOf(ring[i]), static_cast<uint32_t>(i)};
    std::sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
        return a.first == b.first ? a.second < b.second : a.first < b.first;
    });
    for (size_t begin = 0, end; begin < positions; begin = end) {
        end = begin + 1;
        while (end < positions && keys[end].first == keys[begin].first) ++end;
        if (end - begin < 2) continue;
        // Breaks between the point's positions, round the ring.
        int breaks = keys[begin].second + positions - keys[end - 1].second > 1 ? 1 : 0;
        for (size_t k = begin; k + 1 < end; ++k) breaks += keys[k + 1].second - keys[k].second > 1 ? 1 : 0;
        if (breaks > 1) return true;
    }
    return false;
}

// Whether a piece encloses anything: three distinct points at least.
// Pieces hold no point twice but for equal neighbours.
bool Encloses(const std::vector<PointXY>& piece) {
    int distinct = 0;
    for (size_t i = 0; i + 1 < piece.size() && distinct < 3; ++i) {
        if (!(KeyOf(piece[i]) == KeyOf(piece[i + 1]))) ++distinct;
    }
    return distinct >= 3;
}

}  // namespace

bool SplitAtRepeatedPoints(const std::vector<PointXY>& ring, std::vector<std::vector<PointXY>>& pieces) {
    if (ring.size() < 4 || !(KeyOf(ring.front()) == KeyOf(ring.back())) || !PassesTwice(ring)) return false;

    // The points walked so far that no loop has taken, and where each first
    // stands among them; a point met again closes the loop since then.
    std::vector<PointXY> open;
    std::map<PointKey, size_t> at;
    std::vector<std::vector<PointXY>> loops;
    for (const PointXY& point : ring) {
        const PointKey key = KeyOf(point);
        const auto found = at.find(key);
        if (found == at.end()) {
            at.emplace(key, open.size());
            open.push_back(point);
            continue;
        }
        if (KeyOf(open.back()) == key) {  // an equal neighbour: kept, no loop
            open.push_back(point);
            continue;
        }
        const size_t start = found->second;
        std::vector<PointXY> loop(open.begin() + static_cast<std::ptrdiff_t>(start), open.end());
        loop.push_back(point);
        for (size_t i = start + 1; i < open.size(); ++i) {
            const auto entry = at.find(KeyOf(open[i]));
            if (entry != at.end() && entry->second == i) at.erase(entry);
        }
        open.resize(start + 1);
        if (Encloses(loop)) loops.push_back(std::move(loop));
    }
    // The ring's last point closed the loop through its first point.
    if (loops.empty()) return false;
    std::rotate(loops.begin(), loops.end() - 1, loops.end());
    pieces = std::move(loops);
    return true;
}

}  // namespace polygons
