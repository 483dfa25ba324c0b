// The KML writer of the polygon layers: turns one county's polygon scratch
// files into a folder of placemarks in the layer's KML document, a new
// document or (organisation '3') the existing one continued.
#pragma once

#include "shapeio/dbase.h"
#include "shapeio/geometry.h"
#include "shapeio/job_services.h"
#include "shapeio/layer_output.h"
#include "shapeio/polygon_scratch_files.h"
#include "shapeio/ring_geometry.h"

#include <cstdio>
#include <string>
#include <vector>

namespace shapeio {

// What the writer needs of the county.
struct KmlCounty {
    std::string baseName;      // the document is named "<baseName>_<layer>"
    std::string code;          // names the county's folder
    bool labelPoints = false;  // a label placemark per polygon carries the description
};

// Writes the document head, line ends CR LF; false when it did not reach the
// file.
bool KML_Write_Header(std::FILE* file, const std::string& countyBaseName, const std::string& layerName);

// The placemarks of one classified polygon. `name` and `description` are
// document text already (escaped). AppendKmlPolygon appends them to `out`.
void AppendKmlPolygon(std::string& out, const std::vector<PolygonRing>& rings, const std::string& name,
                      const std::string& description, bool labelPoints, bool hasLabel, const PointXY& labelPoint);
std::string KmlPolygonText(const std::vector<PolygonRing>& rings, const std::string& name,
                           const std::string& description, bool labelPoints, bool hasLabel,
                           const PointXY& labelPoint);

// Writes the layer's document "<folder><stem>.kml" from the scratch files and
// removes them. `recordLength` is the length of a dbf.tmp record, `nameField`
// the field whose value names the placemarks. Shows "Building polygons".
// Failures are logged and fail the county ("Could not open file %s", "Could
// not read from file %s", "Could not write to file %s"); the document is then
// left as it was before the call. A merged document without "</Document>" is
// reported ("file error", and the log names it) and left untouched, and the
// county fails; so does one whose last "</Document>" follows other text on
// its line (the document of another program, whose lines would be written
// over), without the message box.
// Returns true when the county's folder was written.
bool KML_Write_Polygons(JobServices& services, const LayerOutput& output, const KmlCounty& county,
                        const PolygonScratchFiles& scratch, const std::string& layerName, const DbfFieldDef* fields,
                        int recordLength, const std::string& nameField);

// Offset of the start of the last line of the stream that holds
// "</Document>"; -1 when there is none. Every document this writer makes
// ends in its closing text, so that line is its last: the stream is read
// backwards from its end, and continuing a document costs the same however
// many counties it holds. `closingAt` (when given) gets the offset of that
// last "</Document>".
int64_t FindDocumentEnd(std::FILE* file, int64_t* closingAt = nullptr);

}  // namespace shapeio
