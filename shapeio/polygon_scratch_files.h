// The five scratch files that carry one polygon layer of one county from its
// builder to the KML writer, in a folder of their own (the output parent
// directory during a conversion). All numbers little-endian, no headers:
//   dbf.tmp   one attribute record per polygon (the layer's record length)
//   pts.tmp   every point of every ring: x, y doubles (16 bytes)
//   head.tmp  int32 point count per ring
//   box.tmp   xmin, ymin, xmax, ymax doubles per polygon
//   parts.tmp int32 ring count per polygon
// Only one layer's set exists at a time.
#pragma once

#include "platform/files.h"
#include "shapeio/geometry.h"
#include "shapeio/job_services.h"
#include "shapeio/ring_geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace shapeio {

class PolygonScratchFiles {
public:
    static constexpr const char* kDbf = "dbf.tmp";
    static constexpr const char* kPoints = "pts.tmp";
    static constexpr const char* kRingHeads = "head.tmp";
    static constexpr const char* kBoxes = "box.tmp";
    static constexpr const char* kParts = "parts.tmp";

    // `folder` "" is the current directory.
    PolygonScratchFiles(JobServices& services, std::string folder);

    std::string Path(const char* name) const;
    // " in <folder>", which a line that names one of the files adds.
    std::string Where() const;

    // The builder's side. Create() opens the five files for writing, emptying
    // them, in the order dbf, pts, head, box, parts; a file that cannot be
    // opened is logged ("Could not open file dbf.tmp in <folder>" and why)
    // and fails the county; `partsLogName` (null: "parts.tmp") names
    // parts.tmp in that message. Every write is checked ("Could not write to
    // file pts.tmp in <folder>" ...).
    bool Create(const char* partsLogName = nullptr);
    bool WriteRecord(const std::string& record);
    bool WritePoints(const PointXY* points, int32_t count);
    bool EndRing(int32_t pointCount);
    bool EndPolygon(int32_t ringCount, const BoundingBox& box);
    // Closes all five (box, head, pts, parts, dbf); false when something
    // written did not reach its file.
    bool Close();

    // A layer without polygons: the files are removed (box, pts, head,
    // parts, dbf) without passing through the KML writer.
    void Remove();
    // After the KML writer has read them: head, parts, pts, dbf, box.
    void RemoveAfterReading() const;

private:
    bool Write(platform::FilePtr& file, const char* name, const std::string& bytes);

    JobServices& services_;
    std::string folder_;
    platform::FilePtr dbf_, points_, heads_, boxes_, parts_;
};

// The KML writer's side: dbf.tmp, pts.tmp, head.tmp and parts.tmp read back
// in step, one polygon at a time (box.tmp is not read). Failures are logged
// and fail the county: a file that cannot be opened ("Could not open file
// dbf.tmp" ...), a read that fails or a file that ends before the polygons
// its companions describe ("Could not read from file pts.tmp of layer
// <layer>" and why). Once all four are open, the reader closes them and
// removes all five (RemoveAfterReading) when it goes, whatever happened; one
// that could not open them leaves them where they are.
class PolygonScratchReader {
public:
    // `layerName` names the layer in the messages.
    PolygonScratchReader(JobServices& services, const PolygonScratchFiles& scratch, std::string layerName);
    ~PolygonScratchReader();
    PolygonScratchReader(const PolygonScratchReader&) = delete;
    PolygonScratchReader& operator=(const PolygonScratchReader&) = delete;

    // Opens the four, in the order dbf, pts, head, parts.
    bool Open();
    // Whether parts.tmp holds another polygon.
    bool More() const { return parts_.remaining > 0; }
    // Reads the next polygon: its ring count from parts.tmp, a point count
    // per ring from head.tmp, the rings' points from pts.tmp into `rings`
    // (their other members reset), and its record from dbf.tmp into
    // `record` (record.size() bytes). Reuses what the vectors hold.
    bool ReadPolygon(std::vector<PolygonRing>& rings, std::string& record);

private:
    // One file read back, with the bytes it has left.
    struct Source {
        const char* name;
        platform::FilePtr file;
        int64_t remaining = 0;
    };
    bool Open(Source& source);
    bool Read(Source& source, void* buffer, int64_t length);
    bool ReadInt32(Source& source, int32_t& value);
    // Logs the failed read of `source`, fails the county; returns false.
    bool Failed(const Source& source);

    JobServices& services_;
    const PolygonScratchFiles& scratch_;
    std::string layerName_;
    Source dbf_{PolygonScratchFiles::kDbf, nullptr}, points_{PolygonScratchFiles::kPoints, nullptr},
        heads_{PolygonScratchFiles::kRingHeads, nullptr}, parts_{PolygonScratchFiles::kParts, nullptr};
    bool opened_ = false;
    // Reused from polygon to polygon.
    std::vector<int32_t> pointCounts_;
    std::string raw_;
};

}  // namespace shapeio
