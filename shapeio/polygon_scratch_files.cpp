#include "shapeio/polygon_scratch_files.h"

#include "shapeio/byte_order.h"
#include "shapeio/stream_io.h"

#include <cstdio>

namespace shapeio {

PolygonScratchFiles::PolygonScratchFiles(JobServices& services, std::string folder)
    : services_(services), folder_(std::move(folder)) {}

std::string PolygonScratchFiles::Path(const char* name) const {
    if (folder_.empty()) return name;
    return folder_.back() == '/' ? folder_ + name : folder_ + "/" + name;
}

bool PolygonScratchFiles::Create(const char* partsLogName) {
    struct Entry {
        platform::FilePtr* file;
        const char* name;
    };
    for (const Entry& entry : {Entry{&dbf_, kDbf}, Entry{&points_, kPoints}, Entry{&heads_, kRingHeads},
                               Entry{&boxes_, kBoxes}, Entry{&parts_, kParts}}) {
        *entry.file = platform::OpenFile(Path(entry.name), "wb");
        if (!*entry.file) {
            const char* logName = entry.file == &parts_ && partsLogName ? partsLogName : entry.name;
            services_.WriteLogLine(std::string("Could not open file ") + logName);
            services_.FailCounty();
            return false;
        }
    }
    return true;
}

bool PolygonScratchFiles::Write(platform::FilePtr& file, const char* name, const std::string& bytes) {
    if (file && WriteAll(file.get(), bytes)) return true;
    services_.WriteLogLine(std::string("Could not write to file ") + name + SystemReason());
    services_.FailCounty();
    return false;
}

bool PolygonScratchFiles::WriteRecord(const std::string& record) { return Write(dbf_, kDbf, record); }

bool PolygonScratchFiles::WritePoints(const PointXY* points, int32_t count) {
    std::string bytes;
    bytes.reserve(16 * static_cast<size_t>(count > 0 ? count : 0));
    for (int32_t i = 0; i < count; ++i) {
        PutDoubleLE(bytes, points[i].x);
        PutDoubleLE(bytes, points[i].y);
    }
    return Write(points_, kPoints, bytes);
}

bool PolygonScratchFiles::EndRing(int32_t pointCount) {
    std::string bytes;
    PutInt32LE(bytes, pointCount);
    return Write(heads_, kRingHeads, bytes);
}

bool PolygonScratchFiles::EndPolygon(int32_t ringCount, const BoundingBox& box) {
    std::string count;
    PutInt32LE(count, ringCount);
    std::string corners;
    PutDoubleLE(corners, box.xmin);
    PutDoubleLE(corners, box.ymin);
    PutDoubleLE(corners, box.xmax);
    PutDoubleLE(corners, box.ymax);
    return Write(parts_, kParts, count) && Write(boxes_, kBoxes, corners);
}

bool PolygonScratchFiles::Close() {
    bool ok = true;
    struct Entry {
        platform::FilePtr* file;
        const char* name;
    };
    for (const Entry& entry : {Entry{&boxes_, kBoxes}, Entry{&heads_, kRingHeads}, Entry{&points_, kPoints},
                               Entry{&parts_, kParts}, Entry{&dbf_, kDbf}}) {
        if (*entry.file && !platform::CloseFile(*entry.file) && ok) {
            services_.WriteLogLine(std::string("Could not write to file ") + entry.name + SystemReason());
            services_.FailCounty();
            ok = false;
        }
    }
    return ok;
}

void PolygonScratchFiles::Remove() {
    dbf_.reset();
    points_.reset();
    heads_.reset();
    boxes_.reset();
    parts_.reset();
    for (const char* name : {kBoxes, kPoints, kRingHeads, kParts, kDbf}) std::remove(Path(name).c_str());
}

void PolygonScratchFiles::RemoveAfterReading() const {
    for (const char* name : {kRingHeads, kParts, kPoints, kDbf, kBoxes}) std::remove(Path(name).c_str());
}

}  // namespace shapeio
