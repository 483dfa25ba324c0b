#include "shapeio/kml_writer.h"

#include "shapeio/county_change.h"
#include "shapeio/guarded_file.h"
#include "shapeio/kml_text.h"
#include "shapeio/number_format.h"
#include "shapeio/stream_io.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace shapeio {

namespace {

const char kEol[] = "\r\n";  // the document's line end
const char kNamespace[] = "http://earth.google.com/kml/2.1";

void AppendCoordinates(std::string& out, const PointXY& point) {
    AppendFixed(out, point.x, 6);
    out += ',';
    AppendFixed(out, point.y, 6);
}

void AppendRingCoordinates(std::string& out, const PolygonRing& ring) {
    out += "      <LinearRing>\r\n      <coordinates>\r\n";
    for (const PointXY& point : ring.points) {
        out += "        ";
        AppendCoordinates(out, point);
        out += ",40\r\n";
    }
    out += "      </coordinates>\r\n";
}

// The document, written through a buffer; remembers a failed write.
class DocumentStream {
public:
    // `ok` false: something written before failed.
    DocumentStream(std::FILE* file, bool ok) : file_(file), ok_(ok) {}
    void Put(const std::string& text) {
        buffer_ += text;
        Written();
    }
    // The buffer itself, to append to; Written() after.
    std::string& buffer() { return buffer_; }
    void Written() {
        if (buffer_.size() >= (1u << 18)) Flush();
    }
    bool Flush() {
        ok_ = ok_ && WriteAll(file_, buffer_);
        buffer_.clear();
        return ok_;
    }
    bool ok() const { return ok_; }

private:
    std::FILE* file_;
    std::string buffer_;
    bool ok_ = true;
};

// The description of a record: a table of the field names and their trimmed
// values in a CDATA section. The text around the values is made once per
// layer. Names and values are escaped ('>' as "&gt;") and the table's own
// text holds no "]]>": the section needs no splitting.
class DescriptionTable {
public:
    explicit DescriptionTable(const DbfFieldDef* fields) {
        std::string before = " <![CDATA[<table border=1>";
        for (int i = 0; fields[i].name; ++i) {
            before += "<tr><td>";
            AppendKmlText(before, fields[i].name, std::strlen(fields[i].name), true);
            before += "</td><td>";
            before_.push_back(before);
            lengths_.push_back(fields[i].length);
            before = "</td></tr>";
        }
        end_ = before_.empty() ? " <![CDATA[<table border=1></table>]]>" : "</td></tr></table>]]>";
    }

    void Append(std::string& out, const std::string& record) const {
        auto blank = [](char c) {
            return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == '\0';
        };
        size_t position = 1;  // behind the deletion blank
        for (size_t i = 0; i < before_.size(); ++i) {
            size_t begin = std::min(position, record.size());
            size_t end = std::min(position + static_cast<size_t>(lengths_[i]), record.size());
            while (begin < end && blank(record[begin])) ++begin;
            while (end > begin && blank(record[end - 1])) --end;
            out += before_[i];
            AppendKmlText(out, record.data() + begin, end - begin, true);
            position += static_cast<size_t>(lengths_[i]);
        }
        out += end_;
    }

private:
    std::vector<std::string> before_;  // the text before each field's value
    std::vector<int> lengths_;
    std::string end_;
};

}  // namespace

bool KML_Write_Header(std::FILE* file, const std::string& countyBaseName, const std::string& layerName) {
    std::string text;
    text += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    text += kEol;
    text += std::string("<kml xmlns=\"") + kNamespace + "\">";
    text += kEol;
    text += "<Document><name>" + KmlText(countyBaseName) + "_" + KmlText(layerName) + "</name><open>1</open>";
    text += kEol;
    text += std::string("<Style id=\"basePolyStyle\">") + kEol + " <PolyStyle>" + kEol + "  <color>bf99ccff</color>" + kEol;
    text += std::string("  <colorMode>normal</colorMode>") + kEol + " </PolyStyle>" + kEol + "</Style>";
    return WriteAll(file, text);
}

void AppendKmlPolygon(std::string& out, const std::vector<PolygonRing>& rings, const std::string& name,
                      const std::string& description, bool labelPoints, bool hasLabel, const PointXY& labelPoint) {
    int outerCount = 0;
    for (const PolygonRing& ring : rings) outerCount += ring.isHole ? 0 : 1;

    if (outerCount > 1) {
        out += "<Folder><name>";
        out += name;
        out += "</name><open>0</open>";
        if (!labelPoints) {
            out += "<description>";
            out += description;
            out += "</description>";
        }
    }
    for (size_t k = 0; k < rings.size(); ++k) {
        if (rings[k].isHole) continue;
        out += "<Placemark><name>";
        out += name;
        out += "</name>";
        if (outerCount == 1 && !labelPoints) {
            out += "<description>";
            out += description;
            out += "</description>";
        }
        out += "<styleUrl>#basePolyStyle</styleUrl>\r\n"
               "<Polygon>\r\n  <extrude>1</extrude>\r\n    <altitudeMode>relativeToGround</altitudeMode>\r\n"
               "      <outerBoundaryIs>\r\n";
        AppendRingCoordinates(out, rings[k]);
        out += "    </LinearRing>  </outerBoundaryIs>\r\n";
        for (const PolygonRing& hole : rings) {
            if (!hole.isHole || hole.parent != static_cast<int>(k)) continue;
            out += "      <innerBoundaryIs>\r\n";
            AppendRingCoordinates(out, hole);
            out += "    </LinearRing>  </innerBoundaryIs>\r\n";
        }
        out += "</Polygon>\r\n</Placemark>\r\n";
    }
    if (outerCount > 1) out += "</Folder>\r\n";
    if (labelPoints && hasLabel) {
        out += "<Placemark><name>";
        out += name;
        out += "</name><description>";
        out += description;
        out += "</description><Point><coordinates>";
        AppendCoordinates(out, labelPoint);
        out += ",0.0 </coordinates></Point>\r\n</Placemark>\r\n";
    }
}

std::string KmlPolygonText(const std::vector<PolygonRing>& rings, const std::string& name,
                           const std::string& description, bool labelPoints, bool hasLabel,
                           const PointXY& labelPoint) {
    std::string out;
    AppendKmlPolygon(out, rings, name, description, labelPoints, hasLabel, labelPoint);
    return out;
}

int64_t FindDocumentEnd(std::FILE* file, int64_t* closingAt) {
    static const std::string kPattern = "</Document>";
    constexpr int64_t kBlock = 1 << 16;
    if (!SeekTo(file, 0, SEEK_END)) return -1;
    int64_t blockEnd = TellPosition(file);
    std::string window;  // a block, then the start of the block after it
    int64_t found = -1;  // where the last "</Document>" starts
    while (blockEnd > 0) {
        const int64_t blockStart = std::max<int64_t>(0, blockEnd - kBlock);
        const size_t length = static_cast<size_t>(blockEnd - blockStart);
        // The bytes of the later block that a pattern starting here may reach.
        const std::string later = window.substr(0, std::min(window.size(), kPattern.size() - 1));
        window.resize(length);
        if (!SeekTo(file, blockStart) || !ReadExact(file, &window[0], length)) return -1;
        size_t lineSearchEnd = length;
        if (found < 0) {
            window += later;
            const size_t at = window.rfind(kPattern);
            if (at != std::string::npos) {
                found = blockStart + static_cast<int64_t>(at);
                lineSearchEnd = at;
                if (closingAt) *closingAt = found;
            }
        }
        if (found >= 0 && lineSearchEnd > 0) {
            const size_t lineEnd = window.rfind('\n', lineSearchEnd - 1);
            if (lineEnd != std::string::npos) return blockStart + static_cast<int64_t>(lineEnd) + 1;
        }
        blockEnd = blockStart;
    }
    return found >= 0 ? 0 : -1;
}

namespace {

bool Fail(JobServices& services, const std::string& message) {
    services.WriteLogLine(message);
    services.FailCounty();
    return false;
}

// The layer's document while one county's folder goes in: new, or (merged)
// the one there continued where its closing text starts. A merged document
// is journaled, new or continued. Every way out that does not keep the
// document undoes it.
class LayerDocument {
public:
    LayerDocument(JobServices& services, const LayerOutput& output, std::string path)
        : services_(services), output_(output), path_(std::move(path)) {
        if (output_.Merged()) journal_.Use(services_, path_);
        file_.SyncLater(services_.Kept());
    }
    ~LayerDocument() {
        if (!file_.Pending()) return;
        if (file_.Rollback()) {
            journal_.Done();
        } else {
            Fail(services_, "Could not restore file " + file_.path() + SystemReason());
        }
    }
    LayerDocument(const LayerDocument&) = delete;
    LayerDocument& operator=(const LayerDocument&) = delete;

    // Opens a merged layer's document there to continue it. False (logged)
    // when one there cannot be opened or is no regular file: it keeps what it
    // holds.
    bool OpenMerged() {
        continued_ = output_.Merged() && file_.OpenExisting(path_, journal_.get());
        if (output_.Merged() && !continued_ && !file_.NothingThere()) {
            return Fail(services_, "Could not open file " + path_ + SystemReason());
        }
        if (!continued_) return true;
        int64_t closingAt = -1;
        continueAt_ = FindDocumentEnd(file_.get(), &closingAt);
        // Only blanks may stand before the closing text on its line, as in
        // every document this writer ends.
        std::string before(static_cast<size_t>(std::max<int64_t>(closingAt - continueAt_, 0)), ' ');
        endsOtherwise_ = continueAt_ >= 0 && (!SeekTo(file_.get(), continueAt_) ||
                                              !ReadExact(file_.get(), &before[0], before.size()) ||
                                              before.find_first_not_of(" \t") != std::string::npos);
        trailsOtherwise_ = continueAt_ >= 0 && !endsOtherwise_ && !EndsAsALayer(closingAt);
        return true;
    }
    bool Continued() const { return continued_; }
    // A continued document without "</Document>".
    bool HasNoEnd() const { return continued_ && continueAt_ < 0; }
    // A continued document whose last "</Document>" follows other text on
    // its line: continuing it would write over that text.
    bool EndsOtherwise() const { return endsOtherwise_; }
    // A continued document with anything but blanks after its last
    // "</Document>" and the "</kml>" behind it: continuing it would drop
    // that text.
    bool TrailsOtherwise() const { return trailsOtherwise_; }

    // Makes the document ready for the folder: a continued one at the start
    // of its closing text, which is kept to be put back; else a new one.
    bool Start() {
        if (continued_) {
            if (!file_.Preserve(continueAt_, file_.originalSize() - continueAt_) || !SeekTo(file_.get(), continueAt_)) {
                return Fail(services_, "Could not write to file " + path_ + SystemReason());
            }
            return true;
        }
        if (!file_.Create(path_, output_.Merged() ? &journal_.get() : nullptr)) {
            return Fail(services_, "Could not open file " + path_ + SystemReason());
        }
        return true;
    }
    std::FILE* get() { return file_.get(); }

    // Ends the document where the stream stands and keeps it; `written`
    // false: something written did not reach it.
    bool Keep(bool written) {
        const int64_t end = written ? TellPosition(file_.get()) : -1;
        if (end < 0 || !file_.Close(end) || !file_.Keep()) {
            return Fail(services_, "Could not write to file " + path_ + SystemReason());
        }
        journal_.Done();
        if (output_.Merged()) NoteMerged(services_, path_, !continued_);
        return true;
    }

private:
    // Whether only blanks, "</kml>" and blanks follow the "</Document>" at
    // `closingAt`, as in every document this writer ends.
    bool EndsAsALayer(int64_t closingAt) {
        constexpr int64_t kLongestEnd = 4096;
        const int64_t length = file_.originalSize() - closingAt;
        if (length > kLongestEnd) return false;
        std::string tail(static_cast<size_t>(length), ' ');
        if (!SeekTo(file_.get(), closingAt) || !ReadExact(file_.get(), &tail[0], tail.size())) return false;
        const char* const blanks = " \t\r\n";
        size_t at = tail.find_first_not_of(blanks, std::strlen("</Document>"));
        if (at != std::string::npos && tail.compare(at, 6, "</kml>") == 0) at = tail.find_first_not_of(blanks, at + 6);
        return at == std::string::npos;
    }

    JobServices& services_;
    const LayerOutput& output_;
    const std::string path_;
    LayerJournal journal_;
    GuardedFile file_;  // closed before the journal goes
    bool continued_ = false;
    int64_t continueAt_ = -1;
    bool endsOtherwise_ = false;
    bool trailsOtherwise_ = false;
};

// Where the field that names the placemarks lies in a record.
struct NameField {
    size_t position = 1;  // behind the deletion blank
    size_t length = 0;
};

bool FindNameField(const DbfFieldDef* fields, const std::string& nameField, NameField& found) {
    for (int i = 0; fields[i].name; ++i) {
        if (nameField == fields[i].name) {
            found.length = fields[i].length;
            return true;
        }
        found.position += fields[i].length;
    }
    return false;
}

// The county's polygons as placemarks, read one at a time; false when a read
// failed (logged). Stops early when the document cannot take more.
bool AppendPolygons(DocumentStream& out, PolygonScratchReader& reader, const KmlCounty& county,
                    const DbfFieldDef* fields, int recordLength, const NameField& nameField) {
    std::string record(static_cast<size_t>(recordLength), ' ');
    // Reused from polygon to polygon.
    std::vector<PolygonRing> rings;
    std::string name, description;
    const DescriptionTable descriptions(fields);
    while (reader.More()) {
        if (!reader.ReadPolygon(rings, record)) return false;
        PointXY labelPoint;
        const bool hasLabel = ClassifyRings(rings, labelPoint);
        name.clear();
        const size_t start = std::min(nameField.position, record.size());
        AppendKmlText(name, record.data() + nameField.position, std::min(nameField.length, record.size() - start), true);
        description.clear();
        descriptions.Append(description, record);
        AppendKmlPolygon(out.buffer(), rings, name, description, county.labelPoints, hasLabel, labelPoint);
        out.Written();
        if (!out.ok()) break;
    }
    return true;
}

}  // namespace

bool KML_Write_Polygons(JobServices& services, const LayerOutput& output, const KmlCounty& county,
                        const PolygonScratchFiles& scratch, const std::string& layerName, const DbfFieldDef* fields,
                        int recordLength, const std::string& nameField) {
    services.ShowStatus("Building polygons");
    const std::string path = output.Path(".kml");
    if (RefusesLayerLink(services, path)) {
        scratch.RemoveAfterReading();
        return false;
    }

    LayerDocument document(services, output, path);
    if (!document.OpenMerged()) return false;
    if (document.HasNoEnd()) {
        // Nothing was written: the document stays as it is.
        services.ShowMessage("file error");
        scratch.RemoveAfterReading();
        return Fail(services, "The merged document " + path + " has no closing </Document> line");
    }
    if (document.EndsOtherwise() || document.TrailsOtherwise()) {
        scratch.RemoveAfterReading();
        return Fail(services, "The merged document " + path + " does not end as a layer of this program does: " +
                                  (document.EndsOtherwise() ? "other text stands before its last </Document> on its line"
                                                            : "other text follows its last </Document> and </kml>") +
                                  "; it is left as it is");
    }

    PolygonScratchReader reader(services, scratch, layerName);
    if (!reader.Open()) return false;
    NameField nameAt;
    if (!FindNameField(fields, nameField, nameAt)) {
        return Fail(services, "No field " + nameField + " for the names of layer " + layerName);
    }
    if (recordLength < DbfRecordLength(fields)) return Fail(services, "Wrong record length for layer " + layerName);

    if (!document.Start()) return false;
    // A new document starts with the head; the county's folder follows.
    DocumentStream out(document.get(),
                       document.Continued() || KML_Write_Header(document.get(), county.baseName, layerName));
    out.Put("<Folder><name>" + KmlText(county.code) + "</name><open>0</open>");
    if (!AppendPolygons(out, reader, county, fields, recordLength, nameAt)) return false;
    out.Put(std::string("</Folder>") + kEol);
    out.Put(std::string(kEol) + "</Document></kml>");
    return document.Keep(out.Flush());
}

}  // namespace shapeio
