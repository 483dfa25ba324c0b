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

#include <cstdint>
#include <string>

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

    // The builder's side. Create() opens the five files for writing, emptying
    // them, in the order dbf, pts, head, box, parts; a file that cannot be
    // opened is logged ("Could not open file dbf.tmp" ...) and fails the
    // county; `partsLogName` (null: "parts.tmp") names parts.tmp in that
    // message. Every write is checked ("Could not write to file pts.tmp" ...).
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

}  // namespace shapeio
