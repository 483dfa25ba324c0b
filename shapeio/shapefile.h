// The shapefile format pieces: main-file header, record header, PolyLine and
// Point record contents and index entries, each turned into file bytes (the
// file code, file length, record headers and index entries big-endian,
// everything else little-endian) and written at the stream's position; and
// the read-back of an existing index file's header for continuing a layer.
//
// Lengths and offsets are handed over in bytes; the file form holds 16-bit
// words. A failure is logged with its message through the job's services and
// fails the county; the writers then return false.
#pragma once

#include "shapeio/geometry.h"
#include "shapeio/job_services.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace shapeio {

constexpr int kShapeNull = 0;
constexpr int kShapePoint = 1;
constexpr int kShapePolyLine = 3;
constexpr int kShapePolygon = 5;
constexpr int kShapeMultiPoint = 8;

struct ShpHeader {
    int32_t fileCode = 9994;
    int64_t fileLength = 100;  // bytes
    int32_t version = 1000;
    int32_t shapeType = 0;
    BoundingBox box;  // Z and M ranges are always zero
};

struct ShpRecordHeader {
    int32_t recordNumber = 0;   // from 1
    int64_t contentLength = 0;  // bytes
};

struct ShpArc {
    int32_t shapeType = kShapePolyLine;
    BoundingBox box;
    std::vector<int32_t> parts;     // start index of each part
    const PointXY* points = nullptr;
    int32_t pointCount = 0;
};

struct ShpPoint {
    int32_t shapeType = kShapePoint;
    double x = 0.0;
    double y = 0.0;
};

struct ShxIndexEntry {
    int64_t offset = 0;         // bytes: where the record header starts in the .shp
    int64_t contentLength = 0;  // bytes
};

// Where a layer file pair stands.
struct ShpWriterState {
    int64_t shpContentLength = 0;  // content length of the last record written
    int64_t shpOffset = 100;       // end of the .shp: offset of the next record header
    int64_t shxOffset = 100;       // end of the .shx
};

// What the header of an existing index file tells.
struct ExistingShx {
    BoundingBox box;
    int32_t lengthWords = 0;  // file length in 16-bit words
    int32_t recordCount = 0;  // (2 × length − 100) / 8
    int32_t shapeType = 0;
};

// The largest file the format can describe (its length is a 32-bit count of
// 16-bit words).
constexpr int64_t kShpMaxFileBytes = 2 * static_cast<int64_t>(INT32_MAX);

ShpHeader SHP_New_Header(int32_t shapeType);
std::string SHP_Prepare_Header(const ShpHeader& header);
// Moves to the start of the file and writes the 100 header bytes.
bool SHP_Write_Header(std::FILE* file, const ShpHeader& header, JobServices& services);

std::string SHP_Prepare_Record_Header(const ShpRecordHeader& record);
bool SHP_Write_Record_Header(std::FILE* file, const ShpRecordHeader& record, JobServices& services);

// Content length in bytes of a shape: Point 20; PolyLine and Polygon
// 44 + 4 × parts + 16 × points; MultiPoint 1; any other type is reported
// ("Unknown shapeType = %d") and gives 1.
int64_t SHP_Record_Size(int32_t shapeType, const ShpArc* arc, JobServices& services);

std::string SHP_Prepare_Arc(const ShpArc& arc);
// Writes the PolyLine content; state.shpContentLength becomes its size and
// state.shpOffset the position after it.
bool SHP_Write_Arc(std::FILE* file, const ShpArc& arc, ShpWriterState& state, JobServices& services);

std::string SHP_Prepare_Point(const ShpPoint& point);
bool SHP_Write_Point(std::FILE* file, const ShpPoint& point, ShpWriterState& state, JobServices& services);

std::string SHP_Prepare_Index(const ShxIndexEntry& entry);
// Writes the entry; state.shxOffset becomes the position after it.
bool SHP_Write_Index(std::FILE* indexFile, const ShxIndexEntry& entry, ShpWriterState& state,
                     JobServices& services);

// Reads the header of the existing index file `path` (the stream's start)
// and moves back to the start. A header that cannot be read, is not a
// shapefile header or disagrees with the file's length is logged ("Could
// not read an existing shx file <path>" and why) and fails the county.
bool SHP_Read_Existing_Shx(std::FILE* indexFile, const std::string& path, ExistingShx& existing,
                           JobServices& services);

// Logs a writer failure and fails the county.
void SHP_Fatal_Error(JobServices& services, const std::string& text);

}  // namespace shapeio
