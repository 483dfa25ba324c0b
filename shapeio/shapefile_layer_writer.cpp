#include "shapeio/shapefile_layer_writer.h"

#include "shapeio/byte_order.h"
#include "shapeio/shapefile_parts.h"
#include "shapeio/stream_io.h"

#include <cstdio>
#include <sys/stat.h>

namespace shapeio {

ShapefileLayerWriter::~ShapefileLayerWriter() {
    if (open_) RollbackAll();
}

void ShapefileLayerWriter::RollbackAll() {
    open_ = false;
    dbf_.Abandon();
    bool restored = true;
    for (GuardedFile* file : {&shp_, &shx_}) {
        if (!file->Rollback()) {
            services_.WriteLogLine("Could not restore file " + file->path() + SystemReason());
            services_.FailCounty();
            restored = false;
        }
    }
    if (restored) journal_.Done();  // else it stays: a later run puts the files back
}

bool ShapefileLayerWriter::Fail() {
    services_.FailCounty();
    RollbackAll();
    return false;
}

bool ShapefileLayerWriter::Fail(const std::string& message) {
    services_.WriteLogLine(message);
    return Fail();
}

bool ShapefileLayerWriter::Open(const LayerOutput& output, int32_t shapeType, const DbfFieldDef* fields) {
    if (open_) RollbackAll();
    output_ = output;
    shapeType_ = shapeType;
    existingCount_ = 0;
    added_ = 0;
    layerBox_ = EmptyBox();
    state_ = ShpWriterState();
    open_ = true;

    const std::string shxPath = output.Path(".shx");
    const std::string shpPath = output.Path(".shp");
    const std::string dbfPath = output.Path(".dbf");

    for (const std::string& path : {shxPath, shpPath, dbfPath}) {
        if (RefusesLayerLink(services_, path)) return Fail();
    }
    // Merged files made anew beside lost ones would drop the rows of the
    // earlier counties: they stay as they are.
    if (output.Merged() && !MergedShapefileWhole(shpPath, services_)) return Fail();
    Journal* journal = nullptr;
    if (output.Merged()) {
        journal_.Use(services_, output.Path(""));
        journal = &journal_.get();
    }
    shp_.SyncLater(services_.Kept());
    shx_.SyncLater(services_.Kept());
    bool continued = false;
    const bool shxOpened = journal && shx_.OpenExisting(shxPath, *journal);
    // An index file there that cannot be opened keeps the layer's rows.
    if (journal && !shxOpened && !shx_.NothingThere()) {
        return Fail("Could not open file " + shxPath + SystemReason());
    }
    if (shxOpened) {
        if (shx_.originalSize() > 0) {
            ExistingShx existing;
            if (!SHP_Read_Existing_Shx(shx_.get(), shxPath, existing, services_)) return Fail();
            if (existing.shapeType != shapeType) {
                return Fail("Could not append to file " + shxPath + " (its shapes are of another type)");
            }
            continued = true;
            existingCount_ = existing.recordCount;
            layerBox_ = existing.box;
        } else {
            shx_.Rollback();
        }
    }
    if (!continued && !shx_.Create(shxPath, journal)) return Fail("Could not open file " + shxPath + SystemReason());

    if (continued) {
        if (!shp_.OpenExisting(shpPath, *journal)) return Fail("Could not open file " + shpPath + SystemReason());
    } else if (!shp_.Create(shpPath, journal)) {
        return Fail("Could not open file " + shpPath + SystemReason());
    }
    if (!dbf_.Open(dbfPath, fields, continued ? DbfTableWriter::OpenMode::kContinue : DbfTableWriter::OpenMode::kCreate,
                   journal)) {
        return Fail();
    }

    if (continued) {
        // The three files must tell the same story before rows are added.
        unsigned char header[100];
        bool ok = SeekTo(shp_.get(), 0) && ReadExact(shp_.get(), header, sizeof header) &&
                  GetInt32BE(header) == 9994 && 2 * static_cast<int64_t>(GetInt32BE(header + 24)) == shp_.originalSize() &&
                  GetInt32LE(header + 32) == shapeType;
        if (!ok) return Fail("Could not append to file " + shpPath + " (its header does not match the layer)");
        if (dbf_.existingCount() != static_cast<uint32_t>(existingCount_)) {
            return Fail("Could not append to file " + dbfPath + " (its row count is not the index file's)");
        }
        // Headers are rewritten at the end; until then the old ones stay.
        if (!shp_.Preserve(0, 100) || !shx_.Preserve(0, 100) || !SeekTo(shp_.get(), 0, SEEK_END) ||
            !SeekTo(shx_.get(), 0, SEEK_END)) {
            return Fail("Could not append to file " + shpPath + SystemReason());
        }
        state_.shpOffset = shp_.originalSize();
        state_.shxOffset = shx_.originalSize();
    } else {
        // Placeholder headers; the final ones are written by Finish().
        ShpHeader header = SHP_New_Header(shapeType);
        if (!SHP_Write_Header(shp_.get(), header, services_) || !SHP_Write_Header(shx_.get(), header, services_)) {
            return Fail();
        }
        state_.shpOffset = 100;
        state_.shxOffset = 100;
    }
    return true;
}

bool ShapefileLayerWriter::WriteRecord(int64_t contentLength, const std::string& record, const ShpArc* arc,
                                       const ShpPoint* point, const BoundingBox& shapeBox) {
    if (!open_) return false;
    if (state_.shpOffset + 8 + contentLength > kShpMaxFileBytes) {
        return Fail("Layer file " + output_.Path(".shp") + " would exceed the size a shapefile can hold");
    }
    const int64_t recordOffset = state_.shpOffset;
    ShpRecordHeader header{existingCount_ + added_ + 1, contentLength};
    if (!dbf_.WriteRecord(record)) return Fail();
    if (!SHP_Write_Record_Header(shp_.get(), header, services_)) return Fail();
    bool written = arc ? SHP_Write_Arc(shp_.get(), *arc, state_, services_)
                       : SHP_Write_Point(shp_.get(), *point, state_, services_);
    if (!written) return Fail();
    if (!SHP_Write_Index(shx_.get(), ShxIndexEntry{recordOffset, state_.shpContentLength}, state_, services_)) {
        return Fail();
    }
    if (shapeBox.xmin <= shapeBox.xmax) {
        WidenBox(layerBox_, shapeBox.xmin, shapeBox.ymin);
        WidenBox(layerBox_, shapeBox.xmax, shapeBox.ymax);
    }
    ++added_;
    return true;
}

bool ShapefileLayerWriter::AddArc(const PointXY* points, int32_t pointCount, const std::string& record) {
    if (!open_) return false;
    ShpArc arc;
    arc.shapeType = kShapePolyLine;
    arc.box = EmptyBox();
    for (int32_t i = 0; i < pointCount; ++i) WidenBox(arc.box, points[i].x, points[i].y);
    arc.parts.push_back(0);
    arc.points = points;
    arc.pointCount = pointCount;
    return WriteRecord(48 + 16 * static_cast<int64_t>(pointCount), record, &arc, nullptr, arc.box);
}

bool ShapefileLayerWriter::AddPoint(const PointXY& point, const std::string& record) {
    if (!open_) return false;
    ShpPoint shape{kShapePoint, point.x, point.y};
    BoundingBox box{point.x, point.y, point.x, point.y};
    return WriteRecord(20, record, nullptr, &shape, box);
}

bool ShapefileLayerWriter::Finish() {
    if (!open_) return false;
    // The records still in the streams' buffers are written before the
    // headers, so that a full disk is said as such, naming the file.
    for (GuardedFile* file : {&shp_, &shx_}) {
        if (std::fflush(file->get()) != 0) return Fail("Could not write to file " + file->path() + SystemReason());
    }
    ShpHeader header = SHP_New_Header(shapeType_);
    header.box = layerBox_;
    header.fileLength = state_.shpOffset;
    if (!SHP_Write_Header(shp_.get(), header, services_)) return Fail();
    header.fileLength = state_.shxOffset;
    if (!SHP_Write_Header(shx_.get(), header, services_)) return Fail();
    if (!shp_.Close(state_.shpOffset)) return Fail("Could not write to file " + shp_.path() + SystemReason());
    if (!shx_.Close(state_.shxOffset)) return Fail("Could not write to file " + shx_.path() + SystemReason());
    // The table is closed last; when it fails it is undone, and so are the others.
    if (!dbf_.Finish(false)) return Fail();
    const bool kept = shp_.Keep() && shx_.Keep();
    open_ = false;
    if (!kept) {
        services_.WriteLogLine("Could not write to file " + shp_.path() + SystemReason());
        services_.FailCounty();
        return false;
    }
    journal_.Done();
    if (output_.Merged()) NoteMerged(services_, shp_.path(), existingCount_ == 0);
    return true;
}

}  // namespace shapeio
