#include "shapeio/polygon_scratch_files.h"

#include "shapeio/byte_order.h"
#include "shapeio/stream_io.h"

#include <cstdio>
#include <utility>

namespace shapeio {

PolygonScratchFiles::PolygonScratchFiles(JobServices& services, std::string folder)
    : services_(services), folder_(std::move(folder)) {}

std::string PolygonScratchFiles::Path(const char* name) const {
    if (folder_.empty()) return name;
    return folder_.back() == '/' ? folder_ + name : folder_ + "/" + name;
}

std::string PolygonScratchFiles::Where() const {
    if (folder_.empty()) return " in the current folder";
    return " in " + (folder_.size() > 1 && folder_.back() == '/' ? folder_.substr(0, folder_.size() - 1) : folder_);
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
            services_.WriteLogLine(std::string("Could not open file ") + logName + Where() + SystemReason());
            services_.FailCounty();
            return false;
        }
    }
    return true;
}

bool PolygonScratchFiles::Write(platform::FilePtr& file, const char* name, const std::string& bytes) {
    if (file && WriteAll(file.get(), bytes)) return true;
    services_.WriteLogLine(std::string("Could not write to file ") + name + Where() + SystemReason());
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
            services_.WriteLogLine(std::string("Could not write to file ") + entry.name + Where() + SystemReason());
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
    for (const char* name : {kBoxes, kPoints, kRingHeads, kParts, kDbf}) platform::RemoveFile(Path(name));
}

void PolygonScratchFiles::RemoveAfterReading() const {
    for (const char* name : {kRingHeads, kParts, kPoints, kDbf, kBoxes}) platform::RemoveFile(Path(name));
}

PolygonScratchReader::PolygonScratchReader(JobServices& services, const PolygonScratchFiles& scratch,
                                           std::string layerName)
    : services_(services), scratch_(scratch), layerName_(std::move(layerName)) {}

PolygonScratchReader::~PolygonScratchReader() {
    if (!opened_) return;
    for (Source* source : {&dbf_, &points_, &heads_, &parts_}) source->file.reset();
    scratch_.RemoveAfterReading();
}

bool PolygonScratchReader::Open() {
    for (Source* source : {&dbf_, &points_, &heads_, &parts_}) {
        if (!Open(*source)) {
            services_.WriteLogLine(std::string("Could not open file ") + source->name + scratch_.Where() +
                                   SystemReason());
            services_.FailCounty();
            return false;
        }
    }
    opened_ = true;
    return true;
}

bool PolygonScratchReader::Open(Source& source) {
    const std::string path = scratch_.Path(source.name);
    source.file = platform::OpenFile(path, "rb");
    if (!source.file) return false;
    source.remaining = FileSize(path);
    return source.remaining >= 0;
}

bool PolygonScratchReader::Read(Source& source, void* buffer, int64_t length) {
    if (length < 0 || length > source.remaining ||
        !ReadExact(source.file.get(), buffer, static_cast<size_t>(length))) {
        return false;
    }
    source.remaining -= length;
    return true;
}

bool PolygonScratchReader::ReadInt32(Source& source, int32_t& value) {
    unsigned char bytes[4];
    if (!Read(source, bytes, 4)) return false;
    value = GetInt32LE(bytes);
    return true;
}

bool PolygonScratchReader::Failed(const Source& source) {
    // A read error, or fewer bytes than the other files say it holds.
    const std::string reason = source.file && std::ferror(source.file.get())
                                   ? SystemReason()
                                   : " (it ends before the polygons its companions describe)";
    services_.WriteLogLine(std::string("Could not read from file ") + source.name + " of layer " + layerName_ +
                           scratch_.Where() + reason);
    services_.FailCounty();
    return false;
}

bool PolygonScratchReader::ReadPolygon(std::vector<PolygonRing>& rings, std::string& record) {
    int32_t ringCount;
    if (!ReadInt32(parts_, ringCount) || ringCount < 0 || 4 * static_cast<int64_t>(ringCount) > heads_.remaining) {
        return Failed(parts_);
    }
    rings.resize(static_cast<size_t>(ringCount));
    pointCounts_.resize(static_cast<size_t>(ringCount));
    for (int32_t& count : pointCounts_) {
        if (!ReadInt32(heads_, count) || count < 0) return Failed(heads_);
    }
    for (size_t r = 0; r < rings.size(); ++r) {
        const int64_t bytes = 16 * static_cast<int64_t>(pointCounts_[r]);
        if (bytes > points_.remaining) return Failed(points_);
        raw_.resize(static_cast<size_t>(bytes));
        if (!Read(points_, &raw_[0], bytes)) return Failed(points_);
        const unsigned char* p = reinterpret_cast<const unsigned char*>(raw_.data());
        PolygonRing& ring = rings[r];
        ring.area = ring.centroidX = ring.centroidY = 0.0;
        ring.isHole = false;
        ring.parent = -1;
        ring.points.resize(static_cast<size_t>(pointCounts_[r]));
        for (PointXY& point : ring.points) {
            point.x = GetDoubleLE(p);
            point.y = GetDoubleLE(p + 8);
            p += 16;
        }
    }
    if (!Read(dbf_, &record[0], static_cast<int64_t>(record.size()))) return Failed(dbf_);
    return true;
}

}  // namespace shapeio
