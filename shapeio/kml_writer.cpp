#include "shapeio/kml_writer.h"

#include "shapeio/byte_order.h"
#include "shapeio/county_change.h"
#include "shapeio/guarded_file.h"
#include "shapeio/kml_text.h"
#include "shapeio/number_format.h"

#include <algorithm>
#include <cstring>

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

// A scratch file opened for reading, with the bytes it has left.
struct ScratchReader {
    const char* name;
    platform::FilePtr file;
    int64_t remaining = 0;

    bool Open(const PolygonScratchFiles& scratch) {
        std::string path = scratch.Path(name);
        file = platform::OpenFile(path, "rb");
        if (!file) return false;
        remaining = FileSize(path);
        return remaining >= 0;
    }
    bool Read(void* buffer, int64_t length) {
        if (length < 0 || length > remaining || !ReadExact(file.get(), buffer, static_cast<size_t>(length))) {
            return false;
        }
        remaining -= length;
        return true;
    }
    bool ReadInt32(int32_t& value) {
        unsigned char bytes[4];
        if (!Read(bytes, 4)) return false;
        value = GetInt32LE(bytes);
        return true;
    }
};

// Why a scratch file could not be read: a read error, or fewer bytes than
// the other files say it holds.
std::string ReadReason(const ScratchReader& reader) {
    if (reader.file && std::ferror(reader.file.get())) return SystemReason();
    return " (it ends before the polygons its companions describe)";
}

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

int64_t FindDocumentEnd(std::FILE* file) {
    static const char kPattern[] = "</Document>";
    const size_t patternLength = sizeof kPattern - 1;
    if (!SeekTo(file, 0)) return -1;
    std::vector<char> buffer(1 << 16);
    int64_t position = 0, lineStart = 0;
    size_t matched = 0;
    for (size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0;) {
        for (size_t i = 0; i < got; ++i, ++position) {
            const char c = buffer[i];
            if (c == '\n') {
                lineStart = position + 1;
                matched = 0;
            } else if (c == kPattern[matched]) {
                if (++matched == patternLength) return lineStart;
            } else {
                // '<' starts the pattern and occurs nowhere else in it.
                matched = c == '<' ? 1 : 0;
            }
        }
    }
    return -1;
}

bool KML_Write_Polygons(JobServices& services, const LayerOutput& output, const KmlCounty& county,
                        const PolygonScratchFiles& scratch, const std::string& layerName, const DbfFieldDef* fields,
                        int recordLength, const std::string& nameField) {
    services.ShowStatus("Building polygons");
    const std::string path = output.Path(".kml");
    auto fail = [&services](const std::string& message) {
        services.WriteLogLine(message);
        services.FailCounty();
        return false;
    };

    if (RefusesLayerLink(services, path)) {
        scratch.RemoveAfterReading();
        return false;
    }
    // A merged document is journaled, new or continued.
    LayerJournal journal;
    if (output.Merged()) journal.Use(services, path);

    // A merged layer continues its document where the closing text starts.
    GuardedFile document;
    document.SyncLater(services.Kept());
    // Every way out that does not keep the document undoes it.
    struct Undo {
        GuardedFile& document;
        LayerJournal& journal;
        JobServices& services;
        ~Undo() {
            if (!document.Pending()) return;
            if (document.Rollback()) {
                journal.Done();
            } else {
                services.WriteLogLine("Could not restore file " + document.path() + SystemReason());
                services.FailCounty();
            }
        }
    } undo{document, journal, services};
    int64_t continueAt = -1;
    const bool continued = output.Merged() && document.OpenExisting(path, journal.get());
    // A document there that cannot be opened (or is no regular file) keeps what it holds.
    if (output.Merged() && !continued && !document.NothingThere()) {
        return fail("Could not open file " + path + platform::NotRegularReason());
    }
    if (continued) {
        continueAt = FindDocumentEnd(document.get());
        if (continueAt < 0) {
            // Nothing was written: the document stays as it is.
            services.ShowMessage("file error");
            scratch.RemoveAfterReading();
            return fail("The merged document " + path + " has no closing </Document> line");
        }
    }

    ScratchReader dbf{PolygonScratchFiles::kDbf, nullptr};
    ScratchReader points{PolygonScratchFiles::kPoints, nullptr};
    ScratchReader heads{PolygonScratchFiles::kRingHeads, nullptr};
    ScratchReader parts{PolygonScratchFiles::kParts, nullptr};
    for (ScratchReader* reader : {&dbf, &points, &heads, &parts}) {
        if (!reader->Open(scratch)) return fail(std::string("Could not open file ") + reader->name);
    }

    // From here on the scratch files are consumed, whatever happens.
    struct ScratchRemover {
        const PolygonScratchFiles& scratch;
        ScratchReader* readers[4];
        ~ScratchRemover() {
            for (ScratchReader* reader : readers) reader->file.reset();
            scratch.RemoveAfterReading();
        }
    } remover{scratch, {&dbf, &points, &heads, &parts}};

    // Where the name field lies in a record.
    size_t namePosition = 1, nameLength = 0;
    bool nameFound = false;
    for (int i = 0; fields[i].name; ++i) {
        if (nameField == fields[i].name) {
            nameLength = fields[i].length;
            nameFound = true;
            break;
        }
        namePosition += fields[i].length;
    }
    if (!nameFound) return fail("No field " + nameField + " for the names of layer " + layerName);
    if (recordLength < DbfRecordLength(fields)) return fail("Wrong record length for layer " + layerName);

    if (continueAt >= 0) {
        if (!document.Preserve(continueAt, document.originalSize() - continueAt) || !SeekTo(document.get(), continueAt)) {
            return fail("Could not write to file " + path + SystemReason());
        }
    } else if (!document.Create(path, output.Merged() ? &journal.get() : nullptr)) {
        return fail("Could not open file " + path);
    }

    // A new document starts with the head.
    DocumentStream out(document.get(), continueAt >= 0 || KML_Write_Header(document.get(), county.baseName, layerName));
    out.Put("<Folder><name>" + KmlText(county.code) + "</name><open>0</open>");

    std::string record(static_cast<size_t>(recordLength), ' ');
    // Reused from polygon to polygon.
    std::vector<PolygonRing> rings;
    std::vector<int32_t> pointCounts;
    std::string raw, name, description;
    const DescriptionTable descriptions(fields);
    for (int32_t ringCount; parts.remaining > 0;) {
        if (!parts.ReadInt32(ringCount) || ringCount < 0 || 4 * static_cast<int64_t>(ringCount) > heads.remaining) {
            return fail(std::string("Could not read from file ") + parts.name + " of layer " + layerName + ReadReason(parts));
        }
        rings.resize(static_cast<size_t>(ringCount));
        pointCounts.resize(static_cast<size_t>(ringCount));
        for (int32_t& count : pointCounts) {
            if (!heads.ReadInt32(count) || count < 0) return fail(std::string("Could not read from file ") + heads.name + " of layer " + layerName + ReadReason(heads));
        }
        for (size_t r = 0; r < rings.size(); ++r) {
            const int64_t bytes = 16 * static_cast<int64_t>(pointCounts[r]);
            if (bytes > points.remaining) return fail(std::string("Could not read from file ") + points.name + " of layer " + layerName + ReadReason(points));
            raw.resize(static_cast<size_t>(bytes));
            if (!points.Read(&raw[0], bytes)) return fail(std::string("Could not read from file ") + points.name + " of layer " + layerName + ReadReason(points));
            const unsigned char* p = reinterpret_cast<const unsigned char*>(raw.data());
            PolygonRing& ring = rings[r];
            ring.area = ring.centroidX = ring.centroidY = 0.0;
            ring.isHole = false;
            ring.parent = -1;
            ring.points.resize(static_cast<size_t>(pointCounts[r]));
            for (PointXY& point : ring.points) {
                point.x = GetDoubleLE(p);
                point.y = GetDoubleLE(p + 8);
                p += 16;
            }
        }
        if (!dbf.Read(&record[0], recordLength)) return fail(std::string("Could not read from file ") + dbf.name + " of layer " + layerName + ReadReason(dbf));

        PointXY labelPoint;
        bool hasLabel = ClassifyRings(rings, labelPoint);
        name.clear();
        AppendKmlText(name, record.data() + namePosition, std::min(nameLength, record.size() - std::min(namePosition, record.size())), true);
        description.clear();
        descriptions.Append(description, record);
        AppendKmlPolygon(out.buffer(), rings, name, description, county.labelPoints, hasLabel, labelPoint);
        out.Written();
        if (!out.ok()) break;
    }

    out.Put(std::string("</Folder>") + kEol);
    out.Put(std::string(kEol) + "</Document></kml>");
    int64_t end = out.Flush() ? TellPosition(document.get()) : -1;
    if (end < 0 || !document.Close(end) || !document.Keep()) return fail("Could not write to file " + path + SystemReason());
    journal.Done();
    return true;
}

}  // namespace shapeio
