#include "support/generated_county_run.h"

#include "county_writer.h"
#include "support/county_files.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>

namespace testsupport {
namespace generated {

namespace {

std::string Between(const std::string& text, size_t& at, const std::string& open, const std::string& close) {
    size_t begin = text.find(open, at);
    if (begin == std::string::npos) return std::string();
    begin += open.size();
    size_t end = text.find(close, begin);
    if (end == std::string::npos) throw std::runtime_error("unterminated " + open);
    at = end + close.size();
    return text.substr(begin, end - begin);
}

// The attribute table of a description: <tr><td>NAME</td><td>value</td></tr>...
void ReadTable(const std::string& description, Polygon& polygon) {
    size_t at = 0;
    for (;;) {
        size_t row = description.find("<tr>", at);
        if (row == std::string::npos) break;
        at = row;
        std::string name = Between(description, at, "<td>", "</td>");
        std::string value = Between(description, at, "<td>", "</td>");
        polygon.fields[name] = value;
        polygon.order.push_back(name);
    }
}

void ReadRings(const std::string& text, Polygon& polygon) {
    size_t at = 0;
    for (;;) {
        size_t open = text.find("<coordinates>", at);
        if (open == std::string::npos) break;
        at = open;
        std::istringstream points(Between(text, at, "<coordinates>", "</coordinates>"));
        std::vector<std::pair<double, double>> ring;
        std::string tuple;
        while (points >> tuple) {
            double x = 0, y = 0, z = 0;
            if (std::sscanf(tuple.c_str(), "%lf,%lf,%lf", &x, &y, &z) != 3)
                throw std::runtime_error("bad tuple " + tuple);
            ring.emplace_back(x, y);
        }
        polygon.rings.push_back(ring);
    }
}

std::vector<std::string> SplitLines(const std::string& text, std::string& eol) {
    eol = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        at = end + 1;
    }
    return lines;
}

}  // namespace

std::string Polygon::Field(const std::string& field) const {
    auto it = fields.find(field);
    return it == fields.end() ? std::string() : it->second;
}

double Polygon::SignedArea() const {
    double sum = 0;
    for (const auto& ring : rings) {
        for (size_t k = 0; k + 1 < ring.size(); ++k)
            sum += ring[k].first * ring[k + 1].second - ring[k + 1].first * ring[k].second;
    }
    return sum / 2;
}

#define EXTENT(Name, member, pick, start)                       \
    double Polygon::Name() const {                              \
        double value = start;                                   \
        for (const auto& ring : rings)                          \
            for (const auto& p : ring) value = pick(value, p.member); \
        return value;                                           \
    }
EXTENT(MinX, first, std::min, 1e99)
EXTENT(MinY, second, std::min, 1e99)
EXTENT(MaxX, first, std::max, -1e99)
EXTENT(MaxY, second, std::max, -1e99)
#undef EXTENT

std::vector<Polygon> ReadPolygons(const std::string& text) {
    // Every polygon has one description (on its placemark, or on the folder
    // of its placemarks); its rings follow up to the next description.
    std::vector<Polygon> polygons;
    std::vector<size_t> starts;
    for (size_t at = text.find("<description>"); at != std::string::npos; at = text.find("<description>", at + 1))
        starts.push_back(at);
    for (size_t k = 0; k < starts.size(); ++k) {
        Polygon polygon;
        size_t nameAt = text.rfind("<name>", starts[k]);
        size_t at = nameAt;
        polygon.name = Between(text, at, "<name>", "</name>");
        polygon.name.erase(0, polygon.name.find_first_not_of(' '));
        polygon.name.erase(polygon.name.find_last_not_of(' ') + 1);
        at = starts[k];
        ReadTable(Between(text, at, "<description>", "</description>"), polygon);
        size_t end = k + 1 < starts.size() ? starts[k + 1] : text.size();
        ReadRings(text.substr(starts[k], end - starts[k]), polygon);
        polygons.push_back(polygon);
    }
    return polygons;
}

std::string Values(const Polygon& polygon, const std::vector<std::string>& fields) {
    std::string values;
    for (size_t k = 0; k < fields.size(); ++k) values += (k ? "|" : "") + polygon.Field(fields[k]);
    return values;
}

RecordLine EntityRow(char entity, const std::string& name) {
    RecordLine row(122);
    row.Put(1, "C1105").Put(25, std::string(1, entity)).Put(63, name);
    return row;
}

CountyRun::CountyRun(const countygen::CountySpec& spec)
    : spec_(spec), model_(spec), in_(dir_ / "in"), out_(dir_ / "out") {
    ::mkdir(in_.c_str(), 0755);
    ::mkdir(out_.c_str(), 0755);
    countygen::WriteCounty(spec_, in_);
}

std::string CountyRun::RecordPath(const std::string& suffix) const {
    return countygen::CountyFilePath(spec_, in_, suffix);
}

void CountyRun::PatchRecords(const std::string& suffix, const std::function<void(std::string&)>& patch) const {
    std::string eol;
    std::vector<std::string> lines = SplitLines(ReadFile(RecordPath(suffix)), eol);
    std::string text;
    for (std::string& line : lines) {
        patch(line);
        text += line + eol;
    }
    WriteFile(RecordPath(suffix), text);
}

void CountyRun::RemoveRecords(const std::string& suffix,
                              const std::function<bool(const std::string&)>& drop) const {
    std::string eol;
    std::string text;
    for (const std::string& line : SplitLines(ReadFile(RecordPath(suffix)), eol))
        if (!drop(line)) text += line + eol;
    WriteFile(RecordPath(suffix), text);
}

void CountyRun::WriteRecords(const std::string& suffix, const std::vector<std::string>& lines) const {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    WriteFile(RecordPath(suffix), text);
}

int CountyRun::CellOf(const std::string& line) { return std::stoi(line.substr(15, 10)) - 1; }

void CountyRun::Put(std::string& line, int first, const std::string& text) {
    size_t at = static_cast<size_t>(first - 1);
    if (line.size() < at + text.size()) line.resize(at + text.size(), ' ');
    line.replace(at, text.size(), text);
}

void CountyRun::Run(char edition, const std::vector<int>& flags, bool clipWater) {
    const bool old = edition >= '0' && edition <= '8';
    std::string options = old ? OldOptions(edition, '1') : Options(edition, '1');
    for (int f : flags) options[static_cast<size_t>(f)] = '1';
    if (clipWater) options[old ? 54 : 80] = '1';
    (old ? ConvertOldCounty : ConvertCounty)(RecordPath("rt1"), out_, options, 1, 1);
}

std::string CountyRun::LogMessages() const {
    std::string base = countygen::CountyFilePath(spec_, "", "rt1");
    base = base.substr(1, base.size() - 5);  // "/TGR25901.RT1" -> "TGR25901"
    return LogOf(out_, base);
}

std::string CountyRun::DocumentPath(const std::string& abbreviation) const {
    const std::string base = countygen::CountyFilePath(spec_, "", "rt1");  // "/TGR25901.RT1"
    return out_ + "/tigershapes" + base.substr(0, base.size() - 4) + abbreviation + ".kml";
}

bool CountyRun::HasDocument(const std::string& abbreviation) const { return Exists(DocumentPath(abbreviation)); }

std::vector<Polygon> CountyRun::Polygons(const std::string& abbreviation) const {
    return ReadPolygons(ReadFile(DocumentPath(abbreviation)));
}

}  // namespace generated
}  // namespace testsupport
