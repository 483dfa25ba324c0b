#include "polygons/polygon_layer.h"

#include "platform/files.h"
#include "shapeio/county_change.h"
#include "shapeio/dbase.h"
#include "shapeio/kml_writer.h"
#include "shapeio/layer_output.h"
#include "shapeio/polygon_scratch_files.h"
#include "polygons/ring_walk.h"
#include "shapeio/shapefile.h"
#include "shapeio/stream_io.h"
#include "polygons/simple_rings.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>

namespace polygons {

using shapeio::BoundingBox;
using shapeio::EmptyBox;
using shapeio::ExistingShx;
using shapeio::KmlCounty;
using shapeio::PolygonScratchFiles;

int CompareLeadingText(const BorderLineEntry& a, const BorderLineEntry& b) { return std::strcmp(a.code, b.code); }

int CompareTextAt5(const BorderLineEntry& a, const BorderLineEntry& b) { return std::strcmp(a.code + 5, b.code + 5); }

int CompareTextAt6(const BorderLineEntry& a, const BorderLineEntry& b) { return std::strcmp(a.code + 6, b.code + 6); }

int CompareIntAt8(const BorderLineEntry& a, const BorderLineEntry& b) {
    return a.intKey < b.intKey ? -1 : (a.intKey > b.intKey ? 1 : 0);
}

int CompareIntAt8Descending(const BorderLineEntry& a, const BorderLineEntry& b) { return -CompareIntAt8(a, b); }

namespace {

void Widen(BoundingBox& box, const PointXY& p) { shapeio::WidenBox(box, p.x, p.y); }

bool SamePoint(const PointXY& a, const PointXY& b) { return a.x == b.x && a.y == b.y; }

// The trimmed text of a field of an attribute record.
std::string FieldValue(const std::string& record, const DbfFieldDef* fields, const char* name) {
    size_t at = 1;
    for (const DbfFieldDef* f = fields; f->name; ++f) {
        if (std::strcmp(f->name, name) == 0) {
            std::string value = at < record.size() ? record.substr(at, f->length) : std::string();
            size_t begin = value.find_first_not_of(' ');
            size_t end = value.find_last_not_of(' ');
            return begin == std::string::npos ? std::string() : value.substr(begin, end - begin + 1);
        }
        at += f->length;
    }
    return std::string();
}

// Writes the walk into the scratch files.
class ScratchWriter : public RingWalkVisitor {
public:
    ScratchWriter(const PolygonLayerDescriptor& layer, PolygonLayerSource& source, JobServices& services,
                  PolygonScratchFiles& scratch, int firstGistId, size_t entryCount)
        : layer_(layer), source_(source), services_(services), scratch_(scratch), gistId_(firstGistId),
          entryCount_(entryCount) {}

    bool BeginPolygon(const BorderLineEntry& first) override {
        ++gistId_;
        record_ = source_.AttributeRow(first, gistId_);
        rings_ = 0;
        box_ = EmptyBox();
        // A row of another length (a record given too few or too many
        // values) would shift every later row of dbf.tmp.
        if (record_.size() != static_cast<size_t>(layer_.RecordLength())) {
            services_.WriteLogLine(std::string("Wrong record length for layer ") + layer_.abbreviation +
                                   shapeio::OverfullReason());
            services_.FailCounty();
            return false;
        }
        return scratch_.WriteRecord(record_);
    }

    bool TakeEntry(const BorderLineEntry& entry, bool ringStart) override {
        const size_t before = ring_.size();
        if (ringStart) {
            ring_.clear();
            ring_.push_back(entry.StartPoint());
        }
        source_.AppendShapePoints(entry.tlid, entry.side != 0, ring_);
        ring_.push_back(entry.EndPoint());
        for (size_t i = ringStart ? 0 : before; i < ring_.size(); ++i) Widen(box_, ring_[i]);
        ++used_;
        services_.SetProgress(static_cast<int>(used_ * 100 / entryCount_));
        return true;
    }

    // The ring is written when it ends: one that passes through a point
    // twice is written as the simple rings it splits into there.
    bool EndRing() override {
        if (!SamePoint(ring_.front(), ring_.back())) {
            // A gap in the county's lines: the ring is closed on its first point.
            services_.WriteLogLine(std::string("Ring of ") + layer_.abbreviation + " polygon " +
                                   FieldValue(record_, layer_.fields, layer_.nameField) +
                                   " does not close; closed on its first point");
            ring_.push_back(ring_.front());
        }
        if (!SplitAtRepeatedPoints(ring_, pieces_)) return WriteRing(ring_);
        for (const std::vector<PointXY>& piece : pieces_) {
            if (!WriteRing(piece)) return false;
        }
        return true;
    }

    bool EndPolygon() override { return scratch_.EndPolygon(rings_, box_); }

private:
    bool WriteRing(const std::vector<PointXY>& points) {
        const int32_t count = static_cast<int32_t>(points.size());
        ++rings_;
        return scratch_.WritePoints(points.data(), count) && scratch_.EndRing(count);
    }

    const PolygonLayerDescriptor& layer_;
    PolygonLayerSource& source_;
    JobServices& services_;
    PolygonScratchFiles& scratch_;
    int gistId_;
    size_t entryCount_;
    size_t used_ = 0;
    std::string record_;
    std::vector<PointXY> ring_;  // the points of the ring being walked
    std::vector<std::vector<PointXY>> pieces_;
    int32_t rings_ = 0;
    BoundingBox box_ = EmptyBox();
};

// The record count of an existing index file of the merged layer, which
// continues the numbering; -1 (the county failed) when the file is there
// but unreadable or no regular file.
int ExistingRecordCount(JobServices& services, const std::string& shxPath) {
    platform::FilePtr shx = platform::OpenFile(shxPath, "r+b");
    // Only a file that is not there starts the numbering anew.
    if (!shx && errno != ENOENT) {
        services.WriteLogLine("Could not open file " + shxPath + shapeio::SystemReason());
        services.FailCounty();
        return -1;
    }
    if (!shx) return 0;
    std::rewind(shx.get());
    if (std::fgetc(shx.get()) == EOF) return 0;
    ExistingShx existing;
    if (!SHP_Read_Existing_Shx(shx.get(), shxPath, existing, services)) return -1;
    return existing.recordCount;
}

}  // namespace

LayerOutput PolygonLayerOutput(const PolygonLayerDescriptor& layer, const PolygonLayerJob& job) {
    return PlaceLayerOutput(*job.services, job.output, layer.themeFolder, job.countyBaseName + layer.abbreviation,
                            layer.abbreviation, job.mergedFolderMakes);
}

bool BuildPolygonLayer(const PolygonLayerDescriptor& layer, PolygonLayerSource& source, const PolygonLayerJob& job) {
    JobServices& services = *job.services;
    // A merged document that holds the county already is passed over.
    if (shapeio::AlreadyMerged(services,
                               shapeio::MergedLayerPath(job.output, layer.themeFolder, layer.abbreviation, ".kml"))) {
        return true;
    }
    if (source.BorderLineCount() == 0) {
        services.WriteLogText(layer.noRecordsText);
        return true;
    }
    using TitleMoment = PolygonLayerDescriptor::TitleMoment;
    using StatusMoment = PolygonLayerDescriptor::StatusMoment;
    using EarlyMoment = PolygonLayerDescriptor::EarlyMoment;
    const bool earlyAtStart = layer.earlyStatusText && layer.earlyStatusMoment == EarlyMoment::kAtStart;
    services.ShowStatus(earlyAtStart ? layer.earlyStatusText : "");
    services.SetProgress(0);
    services.ShowLayer(layer.title);
    if (layer.secondTitle && layer.secondTitleMoment == TitleMoment::kWithTitle) services.ShowLayer(layer.secondTitle);

    PolygonScratchFiles scratch(services, job.scratchFolder);
    // Every way out closes the scratch files and leaves none behind.
    auto fail = [&scratch]() {
        scratch.Close();
        scratch.Remove();
        return false;
    };
    if (!scratch.Create(layer.partsFileLogName)) return fail();
    if (layer.secondTitle && layer.secondTitleMoment == TitleMoment::kAfterScratchFiles)
        services.ShowLayer(layer.secondTitle);

    if (layer.earlyStatusText && layer.earlyStatusMoment == EarlyMoment::kBeforeAllocation)
        services.ShowStatus(layer.earlyStatusText);
    if (layer.statusMoment == StatusMoment::kBeforeAllocation) services.ShowStatus(layer.statusText);
    std::vector<BorderLineEntry> entries;
    int capacity = source.Capacity();
    try {
        entries.reserve(static_cast<size_t>(std::max(capacity, 0)));
    } catch (const std::bad_alloc&) {
        services.WriteLogLine(std::string("\nMEMORY ALLOCATION ERROR, border lines of layer ") + layer.abbreviation +
                              ", size " + std::to_string(static_cast<long long>(capacity) * sizeof(BorderLineEntry)));
        services.FailCounty();
        return fail();
    }
    if (layer.secondTitle && layer.secondTitleMoment == TitleMoment::kAfterAllocation) {
        services.ShowLayer(layer.secondTitle);
    }
    if (!source.Gather(entries, capacity)) return fail();
    if (layer.statusMoment == StatusMoment::kAfterGathering) services.ShowStatus(layer.statusText);

    if (entries.empty()) {
        services.WriteLogText(job.clipWater ? layer.noEntriesClipText : layer.noEntriesText);
        scratch.Close();
        scratch.Remove();
        return true;
    }

    if (layer.statusMoment == StatusMoment::kBeforeSorting || layer.statusMoment == StatusMoment::kBeforeAllocation) {
        services.ShowStatus(layer.statusText);
        if (layer.progressToZeroBeforeSorting) services.SetProgress(0);
    }
    SortEntries(entries, layer.compare);
    if (layer.statusMoment == StatusMoment::kAfterSorting) services.ShowStatus(layer.statusText);

    const LayerOutput output = PolygonLayerOutput(layer, job);
    int existing = 0;
    if (output.Merged()) {
        existing = ExistingRecordCount(services, output.Path(".shx"));
        if (existing < 0) return fail();
    }

    ScratchWriter writer(layer, source, services, scratch, existing, entries.size());
    if (!WalkRings(entries, layer.GroupCompare(), writer)) return fail();
    std::vector<BorderLineEntry>().swap(entries);
    if (!scratch.Close()) return fail();

    KmlCounty county;
    county.baseName = job.countyBaseName;
    county.code = job.countyCode;
    county.labelPoints = job.labelPoints;
    bool written = KML_Write_Polygons(services, output, county, scratch, layer.abbreviation, layer.fields,
                                      layer.RecordLength(), layer.nameField);
    if (!written) scratch.Remove();
    services.ShowStatus("");
    services.SetProgress(0);
    services.ShowLayer("");
    return written || !services.CountyFailed();
}

}  // namespace polygons
