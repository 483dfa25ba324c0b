// Polygon layers keyed by something other than one code of one side row:
// the TIGER polygon itself, its landmark or its water body. Each such layer
// decides the sides of a line itself; storing the sides, the capacity test
// and the shape points are shared here, and the engine does the rest (sort,
// rings, output).
#pragma once

#include "polygons/border_line_entry.h"
#include "polygons/polygon_layer.h"
#include "tigercore/county_lines.h"

#include <vector>

namespace tigercore {

// One side of a line as a keyed layer hands it in: whether the layer takes
// it, and its key fields (the entry's code bytes and integer key). The
// line's TLID, end points and side are filled in by the source.
struct KeyedSide {
    bool taken = false;
    polygons::BorderLineEntry entry;
};

class KeyedLayerSource : public polygons::PolygonLayerSource {
public:
    KeyedLayerSource(const polygons::PolygonLayerDescriptor& layer, CountyLines& lines, int borderLineCount,
                     int capacity)
        : layer_(layer), lines_(lines), borderLineCount_(borderLineCount), capacity_(capacity) {}

    int BorderLineCount() const override { return borderLineCount_; }
    int Capacity() const override { return capacity_; }
    // Every line in order: the layer's sides of the line, left first.
    bool Gather(std::vector<polygons::BorderLineEntry>& entries, int capacity) override;
    void AppendShapePoints(const char* tlid, bool reverse, std::vector<shapeio::PointXY>& points) override;

    // The layer the source gathers for.
    const polygons::PolygonLayerDescriptor& layer() const { return layer_; }
    // Polygons whose attribute rows were made: 0 when nothing was written.
    int polygonCount() const { return polygons_; }

protected:
    // The sides of line `line`; false when the county failed (logged).
    virtual bool LineSides(int line, KeyedSide& left, KeyedSide& right) = 0;
    // After the last line, before the entries are sorted.
    virtual void GatherDone(std::vector<polygons::BorderLineEntry>& entries) { (void)entries; }
    // Counts a polygon; for AttributeRow implementations.
    void CountPolygon() { ++polygons_; }

    const polygons::PolygonLayerDescriptor layer_;
    CountyLines& lines_;

private:
    int borderLineCount_;
    int capacity_;
    int polygons_ = 0;
};

// The integer value of a number text (leading blanks skipped); 0 when it
// holds no number.
long long NumberValue(const char* text);
// True when the text holds nothing but blanks.
bool IsBlankText(const char* text);

}  // namespace tigercore
