// What the polygon layers of a library build on: the county's lines as the
// gathering reads them, and the county's job as the polygon engine sees it,
// made from the library's job state whenever a layer is built. Each library
// has one over its own tables and county services.
#pragma once

#include "polygons/polygon_layer.h"
#include "tigercore/county_lines.h"
#include "tigercore/county_services.h"
#include "tigercore/keyed_layer_source.h"
#include "tigercore/side_layer.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tigercore {

// The county's lines (the library implements them over its tables) and its job.
class CountyPolygons : public CountyLines {
public:
    explicit CountyPolygons(CountyServices& county) : county_(county) {}

    shapeio::JobServices& Services() override { return county_; }
    polygons::PolygonLayerJob Job() const;
    // Builds one side layer from the county's tables; a failure is logged
    // and fails the county.
    void BuildSideLayer(const SideLayer& layer);
    // Builds a keyed layer on the engine; false when the county failed.
    bool BuildKeyedLayer(KeyedLayerSource& source) const;

private:
    CountyServices& county_;
};

// Runs a library's gathering of the inner points of line `tlid` into the
// shape being built (tigercore/shape_points.h; emptied first), backwards
// when `reverse`, and appends the points gathered to `points`.
void TakeLineShape(void (*gather)(const char* tlid, int reverse), const char* tlid, bool reverse,
                   std::vector<shapeio::PointXY>& points);

// The lines over a library's tables, as both libraries hold them: the type
// I rows give each line's TLID, row i of a table of the lines' ends
// (FRLONG, FRLAT, TOLONG, TOLAT) is line i's ends, and a line's inner
// points are gathered from the type 2 rows by the library, which also
// reads a type A side's row back from where it keeps them. The library adds
// the count of its lines, its side tables and its water.
template <typename TypeIRow, typename EndsRow, typename TypeARow>
class TableCountyPolygons : public CountyPolygons {
public:
    TableCountyPolygons(CountyServices& county, const std::vector<TypeIRow>& typeI, const std::vector<EndsRow>& ends,
                        void (*gatherShape)(const char* tlid, int reverse), bool (*readTypeA)(int row, TypeARow& out))
        : CountyPolygons(county), typeI_(typeI), ends_(ends), gatherShape_(gatherShape), readTypeA_(readTypeA) {}

    const char* Tlid(int line) const override { return typeI_[static_cast<size_t>(line)].TLID; }
    shapeio::PointXY From(int line) const override {
        const EndsRow& ends = ends_[static_cast<size_t>(line)];
        return {ends.FRLONG, ends.FRLAT};
    }
    shapeio::PointXY To(int line) const override {
        const EndsRow& ends = ends_[static_cast<size_t>(line)];
        return {ends.TOLONG, ends.TOLAT};
    }
    void AppendShapePoints(const char* tlid, bool reverse, std::vector<shapeio::PointXY>& points) override {
        TakeLineShape(gatherShape_, tlid, reverse, points);
    }

protected:
    // Type A row `row`, held until the next one is read; null when it
    // cannot be read.
    const TypeARow* TypeARowAt(int row) { return readTypeA_(row, typeARow_) ? &typeARow_ : nullptr; }

private:
    const std::vector<TypeIRow>& typeI_;
    const std::vector<EndsRow>& ends_;
    void (*gatherShape_)(const char* tlid, int reverse);
    bool (*readTypeA_)(int row, TypeARow& out);
    TypeARow typeARow_{};
};

}  // namespace tigercore
