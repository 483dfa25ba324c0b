#include "shapeio/shapefile.h"

#include "shapeio/byte_order.h"
#include "shapeio/stream_io.h"

#include <cerrno>
#include <new>

namespace shapeio {

namespace {

std::string Text(const char* format, long long value) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// Bytes to 16-bit words.
int32_t Words(int64_t bytes) { return static_cast<int32_t>(bytes / 2); }

// Writes `bytes`; on a short write reports `format` with the count written.
bool WriteReported(std::FILE* file, const std::string& bytes, const char* format, long long unitSize,
                   JobServices& services) {
    size_t written = bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), file);
    if (written == bytes.size()) return true;
    SHP_Fatal_Error(services, Text(format, static_cast<long long>(written) / unitSize));
    return false;
}

}  // namespace

void SHP_Fatal_Error(JobServices& services, const std::string& text) {
    services.WriteLogLine(text);
    services.FailCounty();
}

ShpHeader SHP_New_Header(int32_t shapeType) {
    ShpHeader header;
    header.shapeType = shapeType;
    return header;
}

std::string SHP_Prepare_Header(const ShpHeader& header) {
    std::string bytes;
    bytes.reserve(100);
    PutInt32BE(bytes, header.fileCode);
    for (int i = 0; i < 5; ++i) PutInt32BE(bytes, 0);
    PutInt32BE(bytes, Words(header.fileLength));
    PutInt32LE(bytes, header.version);
    PutInt32LE(bytes, header.shapeType);
    PutDoubleLE(bytes, header.box.xmin);
    PutDoubleLE(bytes, header.box.ymin);
    PutDoubleLE(bytes, header.box.xmax);
    PutDoubleLE(bytes, header.box.ymax);
    bytes.append(32, '\0');
    return bytes;
}

bool SHP_Write_Header(std::FILE* file, const ShpHeader& header, JobServices& services) {
    if (::fseeko(file, 0, SEEK_SET) != 0) {
        SHP_Fatal_Error(services, Text("ERROR: rtnCode = %lld (SHP_Write_Header)", -1));
        return false;
    }
    std::string bytes = SHP_Prepare_Header(header);
    // The whole header is one item of 100 bytes.
    return WriteReported(file, bytes, "Error: numWritten = %lld", 100, services);
}

std::string SHP_Prepare_Record_Header(const ShpRecordHeader& record) {
    std::string bytes;
    PutInt32BE(bytes, record.recordNumber);
    PutInt32BE(bytes, Words(record.contentLength));
    return bytes;
}

bool SHP_Write_Record_Header(std::FILE* file, const ShpRecordHeader& record, JobServices& services) {
    // Two items of 4 bytes.
    return WriteReported(file, SHP_Prepare_Record_Header(record), "Error: numWritten in record header is = %lld", 4,
                         services);
}

int64_t SHP_Record_Size(int32_t shapeType, const ShpArc* arc, JobServices& services) {
    switch (shapeType) {
    case kShapePoint:
        return 20;
    case kShapePolyLine:
    case kShapePolygon:
        if (!arc) return 44;
        return 44 + 4 * static_cast<int64_t>(arc->parts.size()) + 16 * static_cast<int64_t>(arc->pointCount);
    case kShapeMultiPoint:
        return 1;
    default:
        services.ShowMessage(Text("Unknown shapeType = %lld", shapeType));
        return 1;
    }
}

std::string SHP_Prepare_Arc(const ShpArc& arc) {
    std::string bytes;
    bytes.reserve(44 + 4 * arc.parts.size() + 16 * static_cast<size_t>(arc.pointCount));
    PutInt32LE(bytes, arc.shapeType);
    PutDoubleLE(bytes, arc.box.xmin);
    PutDoubleLE(bytes, arc.box.ymin);
    PutDoubleLE(bytes, arc.box.xmax);
    PutDoubleLE(bytes, arc.box.ymax);
    PutInt32LE(bytes, static_cast<int32_t>(arc.parts.size()));
    PutInt32LE(bytes, arc.pointCount);
    for (int32_t start : arc.parts) PutInt32LE(bytes, start);
    for (int32_t i = 0; i < arc.pointCount; ++i) {
        PutDoubleLE(bytes, arc.points[i].x);
        PutDoubleLE(bytes, arc.points[i].y);
    }
    return bytes;
}

bool SHP_Write_Arc(std::FILE* file, const ShpArc& arc, ShpWriterState& state, JobServices& services) {
    std::string bytes;
    try {
        bytes = SHP_Prepare_Arc(arc);
    } catch (const std::bad_alloc&) {
        SHP_Fatal_Error(services, "Error: malloc arc (SHP_Prepare_Arc)");
        return false;
    }
    state.shpContentLength = SHP_Record_Size(kShapePolyLine, &arc, services);
    if (!WriteReported(file, bytes, "Error: numWritten in record header is = %lld", 1, services)) return false;
    state.shpOffset = TellPosition(file);
    return true;
}

std::string SHP_Prepare_Point(const ShpPoint& point) {
    std::string bytes;
    PutInt32LE(bytes, point.shapeType);
    PutDoubleLE(bytes, point.x);
    PutDoubleLE(bytes, point.y);
    return bytes;
}

bool SHP_Write_Point(std::FILE* file, const ShpPoint& point, ShpWriterState& state, JobServices& services) {
    state.shpContentLength = 20;
    if (!WriteReported(file, SHP_Prepare_Point(point), "Error: numWritten in record header is = %lld", 1, services)) {
        return false;
    }
    state.shpOffset = TellPosition(file);
    return true;
}

std::string SHP_Prepare_Index(const ShxIndexEntry& entry) {
    std::string bytes;
    PutInt32BE(bytes, Words(entry.offset));
    PutInt32BE(bytes, Words(entry.contentLength));
    return bytes;
}

bool SHP_Write_Index(std::FILE* indexFile, const ShxIndexEntry& entry, ShpWriterState& state,
                     JobServices& services) {
    // Two items of 4 bytes.
    if (!WriteReported(indexFile, SHP_Prepare_Index(entry), "Error: numWritten in shp index is = %lld", 4, services)) {
        return false;
    }
    state.shxOffset = TellPosition(indexFile);
    return true;
}

bool SHP_Read_Existing_Shx(std::FILE* indexFile, const std::string& path, ExistingShx& existing,
                           JobServices& services) {
    unsigned char header[100];
    int64_t size = -1;
    errno = 0;
    bool ok = SeekTo(indexFile, 0, SEEK_END) && (size = TellPosition(indexFile)) >= 0 && SeekTo(indexFile, 0) &&
              ReadExact(indexFile, header, sizeof header);
    // A failed read says its reason; a short or foreign file what it is.
    std::string why = errno != 0 ? SystemReason() : ": it is shorter than an index file's header";
    if (ok) {
        existing.lengthWords = GetInt32BE(header + 24);
        existing.shapeType = GetInt32LE(header + 32);
        existing.box.xmin = GetDoubleLE(header + 36);
        existing.box.ymin = GetDoubleLE(header + 44);
        existing.box.xmax = GetDoubleLE(header + 52);
        existing.box.ymax = GetDoubleLE(header + 60);
        int64_t length = 2 * static_cast<int64_t>(existing.lengthWords);
        // A file that is no index file, or whose length field disagrees with
        // its size, is not continued.
        ok = GetInt32BE(header) == 9994 && length == size && length >= 100 && (length - 100) % 8 == 0;
        existing.recordCount = static_cast<int32_t>((length - 100) / 8);
        if (!ok) {
            why = GetInt32BE(header) != 9994 ? ": it is no shapefile index"
                                              : ": the length its header gives (" + std::to_string(length) +
                                                    " bytes) is not its size (" + std::to_string(size) + ")";
        }
    }
    if (ok && !SeekTo(indexFile, 0)) {
        ok = false;
        why = SystemReason();
    }
    if (!ok) {
        services.WriteLogLine("Could not read an existing shx file " + path + why);
        services.FailCounty();
        return false;
    }
    return true;
}

}  // namespace shapeio
