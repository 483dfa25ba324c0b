// The one engine of every polygon layer of both libraries: gather the border
// lines of a layer, sort them, chain each code's lines into rings (a ring
// that passes through a point twice split there into simple rings), write
// the polygons to the scratch files and hand those to the KML writer. A layer is
// a descriptor (its texts, names, order and fields) and a source (the
// library's gathering of border lines, attribute rows and shape points).
#pragma once

#include "polygons/border_line_entry.h"
#include "shapeio/dbase.h"
#include "shapeio/geometry.h"
#include "shapeio/job_services.h"
#include "shapeio/layer_output.h"

#include <string>
#include <vector>

namespace polygons {

using shapeio::CountyOutput;
using shapeio::DbfFieldDef;
using shapeio::DbfRecordLength;
using shapeio::JobServices;
using shapeio::LayerOutput;

// A layer's texts, names, fields and order. Descriptor tables set each item
// by name (PolygonLayerDescriptor().Title(...).StatusText(...)...), so that
// two texts cannot trade places unseen; the record length of the layer's
// attribute rows follows from its field table.
struct PolygonLayerDescriptor {
    // When the second title of a layer is shown: right after the first,
    // once the scratch files are open (before the entries' room is
    // obtained), or once the scratch files are open and the entries' room
    // obtained.
    enum class TitleMoment { kWithTitle, kAfterScratchFiles, kAfterAllocation };
    // When the status text is shown: once the scratch files are open (and
    // again before sorting), right after gathering (also when nothing was
    // gathered), before sorting the entries, or after sorting.
    enum class StatusMoment { kBeforeAllocation, kAfterGathering, kBeforeSorting, kAfterSorting };
    // When a layer's early status text is shown: at the start of the layer
    // (in place of the empty text), or once the scratch files are open,
    // before the room for the entries is obtained.
    enum class EarlyMoment { kAtStart, kBeforeAllocation };

    const char* title = "";            // the layer text of the progress dialog
    const char* secondTitle = nullptr;  // shown after the title, when the layer has one
    TitleMoment secondTitleMoment = TitleMoment::kWithTitle;
    const char* statusText = "";
    StatusMoment statusMoment = StatusMoment::kAfterSorting;
    const char* earlyStatusText = nullptr;  // shown before the status text, when the layer has one
    EarlyMoment earlyStatusMoment = EarlyMoment::kBeforeAllocation;
    // Whether the progress bar goes back to 0 once the status text is shown
    // before sorting (StatusMoment::kBeforeSorting).
    bool progressToZeroBeforeSorting = false;
    const char* noRecordsText = "";     // to the log when the layer has no border lines (own line end)
    const char* overflowText = "";      // a log line when more sides come than were counted
    const char* noEntriesClipText = "";  // to the log when nothing was gathered with water clipping on
    const char* noEntriesText = "";     // the same with clipping off
    const char* abbreviation = "";      // file name part and document layer name
    const char* themeFolder = "";       // the layer's folder when organised by theme
    const DbfFieldDef* fields = nullptr;
    const char* nameField = "";  // the field that names each placemark
    EntryCompare compare = nullptr;  // the order of the entries; equal entries form one polygon
    // Where set, neighbouring entries in that order that are equal by this
    // comparison form one polygon (a layer sorted by county and code but
    // dissolved by code alone); null: equal by the order itself.
    EntryCompare group = nullptr;
    // Where set, the name parts.tmp goes by in the message when it cannot
    // be opened; null: its own name.
    const char* partsFileLogName = nullptr;

    constexpr PolygonLayerDescriptor Title(const char* text) const { return With(&PolygonLayerDescriptor::title, text); }
    constexpr PolygonLayerDescriptor SecondTitle(const char* text,
                                                 TitleMoment moment = TitleMoment::kWithTitle) const {
        PolygonLayerDescriptor d = With(&PolygonLayerDescriptor::secondTitle, text);
        d.secondTitleMoment = moment;
        return d;
    }
    constexpr PolygonLayerDescriptor StatusText(const char* text,
                                                StatusMoment moment = StatusMoment::kAfterSorting) const {
        PolygonLayerDescriptor d = With(&PolygonLayerDescriptor::statusText, text);
        d.statusMoment = moment;
        return d;
    }
    constexpr PolygonLayerDescriptor EarlyStatusText(const char* text,
                                                     EarlyMoment moment = EarlyMoment::kBeforeAllocation) const {
        PolygonLayerDescriptor d = With(&PolygonLayerDescriptor::earlyStatusText, text);
        d.earlyStatusMoment = moment;
        return d;
    }
    constexpr PolygonLayerDescriptor ProgressToZeroBeforeSorting() const {
        PolygonLayerDescriptor d = *this;
        d.progressToZeroBeforeSorting = true;
        return d;
    }
    constexpr PolygonLayerDescriptor NoRecordsText(const char* text) const {
        return With(&PolygonLayerDescriptor::noRecordsText, text);
    }
    constexpr PolygonLayerDescriptor OverflowText(const char* text) const {
        return With(&PolygonLayerDescriptor::overflowText, text);
    }
    constexpr PolygonLayerDescriptor NoEntriesClipText(const char* text) const {
        return With(&PolygonLayerDescriptor::noEntriesClipText, text);
    }
    constexpr PolygonLayerDescriptor NoEntriesText(const char* text) const {
        return With(&PolygonLayerDescriptor::noEntriesText, text);
    }
    constexpr PolygonLayerDescriptor Abbreviation(const char* text) const {
        return With(&PolygonLayerDescriptor::abbreviation, text);
    }
    constexpr PolygonLayerDescriptor ThemeFolder(const char* text) const {
        return With(&PolygonLayerDescriptor::themeFolder, text);
    }
    // The attribute fields and the one whose value names each placemark.
    constexpr PolygonLayerDescriptor Fields(const DbfFieldDef* table, const char* nameFieldOfTable) const {
        PolygonLayerDescriptor d = *this;
        d.fields = table;
        d.nameField = nameFieldOfTable;
        return d;
    }
    constexpr PolygonLayerDescriptor Order(EntryCompare order) const {
        PolygonLayerDescriptor d = *this;
        d.compare = order;
        return d;
    }

    constexpr PolygonLayerDescriptor GroupBy(EntryCompare sameGroup) const {
        PolygonLayerDescriptor d = *this;
        d.group = sameGroup;
        return d;
    }
    constexpr PolygonLayerDescriptor PartsFileLogName(const char* name) const {
        return With(&PolygonLayerDescriptor::partsFileLogName, name);
    }

    int RecordLength() const { return DbfRecordLength(fields); }
    // The comparison whose equal neighbours form one polygon.
    EntryCompare GroupCompare() const { return group ? group : compare; }

private:
    constexpr PolygonLayerDescriptor With(const char* PolygonLayerDescriptor::*member, const char* text) const {
        PolygonLayerDescriptor d = *this;
        d.*member = text;
        return d;
    }
};

// The county a layer is built for.
struct PolygonLayerJob {
    JobServices* services = nullptr;
    std::string scratchFolder;  // where the scratch files live ("" or ending in '/')
    CountyOutput output;        // the county's output folder and organisation
    std::string countyBaseName;
    std::string countyCode;      // names the county's folder in the document
    bool clipWater = false;
    bool labelPoints = false;
    // How often a merged layer's theme folder is made (and logged).
    int mergedFolderMakes = 1;
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

// Where a layer's document goes for the county's organisation (the theme
// folder made and logged when organised by theme).
LayerOutput PolygonLayerOutput(const PolygonLayerDescriptor& layer, const PolygonLayerJob& job);

// Builds the layer. False when the county failed; a layer with nothing to
// build is no failure.
bool BuildPolygonLayer(const PolygonLayerDescriptor& layer, PolygonLayerSource& source, const PolygonLayerJob& job);

// Comparators of the entries.
int CompareLeadingText(const BorderLineEntry& a, const BorderLineEntry& b);
// The text after a county code of 5 characters without a terminator, or of
// 6 with one.
int CompareTextAt5(const BorderLineEntry& a, const BorderLineEntry& b);
int CompareTextAt6(const BorderLineEntry& a, const BorderLineEntry& b);
int CompareIntAt8(const BorderLineEntry& a, const BorderLineEntry& b);
int CompareIntAt8Descending(const BorderLineEntry& a, const BorderLineEntry& b);

}  // namespace polygons
