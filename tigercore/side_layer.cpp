#include "tigercore/side_layer.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <vector>

namespace tigercore {

namespace {

// The county's border lines of one layer, gathered from its side rows.
class SideLayerSource : public polygons::PolygonLayerSource {
public:
    SideLayerSource(const SideLayer& spec, CountyLines& lines, bool clipWater)
        : spec_(spec), lines_(lines), clip_(clipWater && !spec.ignoresWater) {}

    int BorderLineCount() const override { return spec_.borderLineCount(); }

    int Capacity() const override { return spec_.borderLineCount() + (clip_ ? lines_.WaterSideCount() : 0); }

    bool Gather(std::vector<polygons::BorderLineEntry>& entries, int capacity) override;

    std::string AttributeRow(const polygons::BorderLineEntry& first, int gistId) override {
        shapeio::DbfRecord record(spec_.layer.fields);
        record.AddNumber(static_cast<long long>(gistId));
        spec_.fill(first, record);
        return record.text();
    }

    void AppendShapePoints(const char* tlid, bool reverse, std::vector<shapeio::PointXY>& points) override {
        lines_.AppendShapePoints(tlid, reverse, points);
    }

private:
    // The code of one side: the code of its row (or of "no row") made once,
    // for the context of the first side met; a side of another context is
    // made into `scratch`. Null when the side's row cannot be read.
    const SideCode* Side(int line, bool left, int row, SideCode& scratch) {
        const SideContext context = lines_.ContextOf(line, left);
        if (!rowCodes_.contextSet) {
            rowCodes_.context = context;
            rowCodes_.contextSet = true;
        }
        if (!(context == rowCodes_.context)) {
            scratch = SideCode();
            return MakeSide(line, left, row, scratch) ? &scratch : nullptr;
        }
        if (row < 0) {
            if (!rowCodes_.noRowMade) {
                if (!MakeSide(line, left, row, rowCodes_.noRow)) return nullptr;
                rowCodes_.noRowMade = true;
            }
            return &rowCodes_.noRow;
        }
        const size_t at = static_cast<size_t>(row);
        if (at >= rowCodes_.made.size()) {
            rowCodes_.made.resize(std::max(at + 1, 2 * rowCodes_.made.size()), false);
            rowCodes_.codes.resize(rowCodes_.made.size());
        }
        if (!rowCodes_.made[at]) {
            if (!MakeSide(line, left, row, rowCodes_.codes[at])) return nullptr;
            rowCodes_.made[at] = true;
        }
        return &rowCodes_.codes[at];
    }

    bool MakeSide(int line, bool left, int row, SideCode& code) {
        SideOf side;
        side.line = line;
        side.left = left;
        side.held = row >= 0;
        if (row >= 0 && !spec_.codeFromLineOnly) {
            side.row = lines_.SideRow(spec_.source, row);
            if (!side.row) return false;
        }
        spec_.sideCode(side, code);
        return true;
    }

    const SideLayer& spec_;
    CountyLines& lines_;
    bool clip_;
    // The codes of the rows met so far, all of one context.
    struct {
        bool contextSet = false;
        SideContext context;
        std::vector<bool> made;
        std::deque<SideCode> codes;  // grows without moving the codes already given out
        bool noRowMade = false;
        SideCode noRow;  // the code of a side without a row
    } rowCodes_;
};

bool SideLayerSource::Gather(std::vector<polygons::BorderLineEntry>& entries, int capacity) {
    shapeio::JobServices& services = lines_.Services();
    SideCode blank;
    spec_.sideCode(SideOf(), blank);
    const int lineCount = lines_.LineCount();
    const bool progress = lines_.GatheringShowsProgress();
    for (int i = 0; i < lineCount; ++i) {
        if (progress) services.SetProgress(static_cast<int>(static_cast<long long>(i) * 100 / lineCount));
        const SidePair sides = lines_.Sides(spec_.source, i);
        // A side has a polygon when it has a row in the layer's table or a type S row.
        const SidePair census = lines_.Sides(SideTable::kTypeS, i);
        SideCode leftScratch, rightScratch;
        const SideCode* leftCode = Side(i, true, sides.left, leftScratch);
        const SideCode* rightCode = leftCode ? Side(i, false, sides.right, rightScratch) : nullptr;
        if (!rightCode) {
            services.WriteLogLine("\nCannot read from temp file");
            services.FailCounty();
            return false;
        }
        const SideCode& left = *leftCode;
        const SideCode& right = *rightCode;
        const SideWater water = lines_.Water(i);
        const bool shore = clip_ && lines_.IsShore(water);
        const bool border = spec_.isBorder ? spec_.isBorder(left, right, clip_, shore)
                                           : shore || std::strcmp(left.key, right.key) != 0;
        if (!border) continue;
        auto take = [&](const SideCode& code, int row, int censusRow, int sideWater, int side) {
            if (code.noCode || std::strcmp(code.key, blank.key) == 0 || (row < 0 && censusRow < 0) ||
                (clip_ && !lines_.IsLand(sideWater)))
                return true;
            if (static_cast<int>(entries.size()) >= capacity) {
                services.WriteLogLine(side == 0 && spec_.rightOverflowText ? spec_.rightOverflowText
                                                                           : spec_.layer.overflowText);
                services.FailCounty();
                return false;
            }
            polygons::BorderLineEntry entry;
            std::memcpy(entry.code, code.entry, sizeof entry.code);
            entry.intKey = code.intKey;
            std::strncpy(entry.tlid, lines_.Tlid(i), sizeof entry.tlid - 1);
            entry.from = lines_.From(i);
            entry.to = lines_.To(i);
            entry.side = side;
            entries.push_back(entry);
            return true;
        };
        if (!take(left, sides.left, census.left, water.left, 1)) return false;
        if (!take(right, sides.right, census.right, water.right, 0)) return false;
    }
    std::vector<bool>().swap(rowCodes_.made);
    std::deque<SideCode>().swap(rowCodes_.codes);
    return true;
}

}  // namespace

void PutCodeText(char* out, const char* text, int width) {
    int length = static_cast<int>(std::strlen(text));
    for (int i = 0; i < width; ++i) out[i] = i < length ? text[i] : ' ';
    out[width] = '\0';
}

std::string EntryText(const polygons::BorderLineEntry& entry, int offset, int width) {
    const char* text = entry.code + offset;
    return std::string(text, strnlen(text, static_cast<size_t>(width)));
}

bool BuildSideLayer(const SideLayer& layer, CountyLines& lines, const polygons::PolygonLayerJob& job) {
    SideLayerSource source(layer, lines, job.clipWater);
    return polygons::BuildPolygonLayer(layer.layer, source, job);
}

}  // namespace tigercore
