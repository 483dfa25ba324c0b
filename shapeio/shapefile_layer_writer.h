// One shapefile layer being written: the .shp, .shx and .dbf of a layer file
// pair, new or (organisation '3') continued from earlier counties.
//
//   ShapefileLayerWriter layer(services);
//   if (!layer.Open(output, kShapePolyLine, LineFields)) return;   // county failed
//   for each line: layer.AddArc(points, count, record) or give up;
//   layer.Finish();
//
// Record numbers continue after the existing records; the layer's box is the
// existing box widened by every new shape. The three merged files keep one
// journal (county_change.h). Every write is checked. When anything fails
// the failure is logged, the county is failed and all three files are
// undone: new files are removed and continued files get back their earlier
// contents, so no file is left whose header disagrees with its rows.
// Dropping the writer before Finish() undoes the files too.
#pragma once

#include "shapeio/county_change.h"
#include "shapeio/dbase_table_writer.h"
#include "shapeio/guarded_file.h"
#include "shapeio/layer_output.h"
#include "shapeio/shapefile.h"

namespace shapeio {

class ShapefileLayerWriter {
public:
    explicit ShapefileLayerWriter(JobServices& services) : services_(services), dbf_(services) {}
    ~ShapefileLayerWriter();
    ShapefileLayerWriter(const ShapefileLayerWriter&) = delete;
    ShapefileLayerWriter& operator=(const ShapefileLayerWriter&) = delete;

    // Opens the layer's files "<folder><stem>.shx/.shp/.dbf". In organisation
    // '3' an index file that exists and is not empty is read back and the
    // three files are continued; one that is there but cannot be opened
    // fails, and so does an index file missing or empty while the .shp or
    // .dbf is there (the three stay as they are); otherwise they are
    // created. Logs "Could not open file %s", "Could not read an existing
    // shx file", "Could not append to file %s" or a link refused, and fails
    // the county when it cannot.
    bool Open(const LayerOutput& output, int32_t shapeType, const DbfFieldDef* fields);

    // One PolyLine of one part and its attribute record.
    bool AddArc(const PointXY* points, int32_t pointCount, const std::string& record);
    // One Point and its attribute record.
    bool AddPoint(const PointXY& point, const std::string& record);

    // Writes the final headers and end marker and closes the files.
    bool Finish();

    // Records in the files before this county's (0 for new files).
    int32_t existingRecordCount() const { return existingCount_; }
    // Records added by this writer.
    int32_t recordsAdded() const { return added_; }
    // The layer's box: the existing box widened by the shapes added.
    const BoundingBox& layerBox() const { return layerBox_; }
    const ShpWriterState& state() const { return state_; }

private:
    bool Fail();
    bool Fail(const std::string& message);
    bool WriteRecord(int64_t contentLength, const std::string& record, const ShpArc* arc, const ShpPoint* point,
                     const BoundingBox& shapeBox);
    void RollbackAll();

    JobServices& services_;
    LayerJournal journal_;  // "<folder><stem>.journal": one for the three merged files
    GuardedFile shp_;
    GuardedFile shx_;
    DbfTableWriter dbf_;
    LayerOutput output_;
    int32_t shapeType_ = 0;
    int32_t existingCount_ = 0;
    int32_t added_ = 0;
    BoundingBox layerBox_;
    ShpWriterState state_;
    bool open_ = false;
};

}  // namespace shapeio
