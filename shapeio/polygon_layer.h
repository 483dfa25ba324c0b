// The one engine of every polygon layer of both libraries: gather the border
// lines of a layer, sort them, chain each code's lines into rings, write the
// polygons to the scratch files and hand those to the KML writer. A layer is
// a descriptor (its texts, names, order and fields) and a source (the
// library's gathering of border lines, attribute rows and shape points).
#pragma once

#include "shapeio/border_line_entry.h"
#include "shapeio/dbase.h"
#include "shapeio/geometry.h"
#include "shapeio/job_services.h"

#include <string>
#include <vector>

namespace shapeio {

struct PolygonLayerDescriptor {
    const char* title;              // the layer text of the progress dialog
    const char* statusText;         // shown once the entries are sorted
    const char* noRecordsText;      // to the log when the layer has no border lines (own line end)
    const char* overflowText;       // a log line when more sides come than were counted
    const char* noEntriesClipText;  // to the log when nothing was gathered with water clipping on
    const char* noEntriesText;      // the same with clipping off
    const char* abbreviation;       // file name part and document layer name
    const char* themeFolder;        // the layer's folder when organised by theme
    const DbfFieldDef* fields;
    int recordLength;
    const char* nameField;  // the field that names each placemark
    EntryCompare compare;   // the order of the entries; equal entries form one polygon
};

// The county a layer is built for.
struct PolygonLayerJob {
    JobServices* services = nullptr;
    std::string scratchFolder;   // where the scratch files live ("" or ending in '/')
    std::string outputPrefix;    // the county's output folder, ending in '/'
    std::string countyBaseName;
    std::string countyCode;      // names the county's folder in the document
    char organisationMode = '0';
    bool clipWater = false;
    bool labelPoints = false;
};

// What a library supplies for one layer.
class PolygonLayerSource {
public:
    virtual ~PolygonLayerSource() = default;
    // The layer's border-line sides counted in advance; 0: nothing to build.
    virtual int BorderLineCount() const = 0;
    // How many entries gathering may store.
    virtual int Capacity() const = 0;
    // Appends the layer's entries to `entries` (reserved to the capacity);
    // more than the capacity is the layer's overflow. False when the county
    // failed (logged and marked by the source).
    virtual bool Gather(std::vector<BorderLineEntry>& entries, int capacity) = 0;
    // The attribute record (the layer's record length) of the polygon whose
    // first entry in sorted order is `first`.
    virtual std::string AttributeRow(const BorderLineEntry& first, int gistId) = 0;
    // Appends the inner points of a line, backwards when `reverse`.
    virtual void AppendShapePoints(const char* tlid, bool reverse, std::vector<PointXY>& points) = 0;
};

// Where a layer's document goes for an organisation: sets `folder` and
// `stem`, making (and logging) the theme folder when organised by theme.
void PolygonLayerOutputName(const PolygonLayerDescriptor& layer, const PolygonLayerJob& job, std::string& folder,
                            std::string& stem);

// Builds the layer. False when the county failed; a layer with nothing to
// build is no failure.
bool BuildPolygonLayer(const PolygonLayerDescriptor& layer, PolygonLayerSource& source, const PolygonLayerJob& job);

// Comparators of the entries.
int CompareLeadingText(const BorderLineEntry& a, const BorderLineEntry& b);
int CompareTextAt6(const BorderLineEntry& a, const BorderLineEntry& b);
int CompareIntAt8(const BorderLineEntry& a, const BorderLineEntry& b);
int CompareIntAt8Descending(const BorderLineEntry& a, const BorderLineEntry& b);

}  // namespace shapeio
