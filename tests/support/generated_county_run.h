// A synthetic county (tools/countygen) written to a temporary directory,
// record files patched by the test where it needs other codes, converted by
// DisplayV2 (Display for the 1994-2000 editions) into one folder, and its
// polygon documents read back.
#pragma once

#include "county_model.h"
#include "support/record_line.h"
#include "support/temp_dir.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace testsupport {
namespace generated {

// One polygon of a document: its name, its attribute table and its rings.
struct Polygon {
    std::string name;  // trimmed
    std::map<std::string, std::string> fields;  // trimmed values, as the description holds them
    std::vector<std::string> order;             // the field names in table order
    std::vector<std::vector<std::pair<double, double>>> rings;

    std::string Field(const std::string& name) const;
    // The sum of the rings' signed areas (clockwise negative) in square degrees.
    double SignedArea() const;
    // Smallest and largest longitude and latitude of all points.
    double MinX() const, MinY() const, MaxX() const, MaxY() const;
};

// The polygons of a document in their order: one per attribute table.
std::vector<Polygon> ReadPolygons(const std::string& documentText);

// The values of some fields of a polygon joined by '|'.
std::string Values(const Polygon& polygon, const std::vector<std::string>& fields);

// A type C row of an entity: its letter and name; the test puts the codes.
RecordLine EntityRow(char entity, const std::string& name);

class CountyRun {
public:
    explicit CountyRun(const countygen::CountySpec& spec);

    const countygen::CountyModel& model() const { return model_; }
    // The folder the county is converted into.
    const std::string& outputDir() const { return out_; }
    // The record file of a lower-case suffix ("rts").
    std::string RecordPath(const std::string& suffix) const;
    // Rewrites every record of a file (its line end kept). The cell of a
    // polygon record is cellOf(line).
    void PatchRecords(const std::string& suffix, const std::function<void(std::string& line)>& patch) const;
    // Removes the records for which `drop` holds.
    void RemoveRecords(const std::string& suffix, const std::function<bool(const std::string& line)>& drop) const;
    // Replaces a file's records.
    void WriteRecords(const std::string& suffix, const std::vector<std::string>& lines) const;
    // The cell (POLYID - 1) of a polygon record (type A, S, P, ...).
    static int CellOf(const std::string& line);
    // Puts `text` into `line` from 1-based column `first` on.
    static void Put(std::string& line, int first, const std::string& text);

    // Converts the county with the layers of `flags` set, organised into one
    // folder; `clipWater` sets the water clipping option.
    void Run(char edition, const std::vector<int>& flags, bool clipWater = false);

    // The stage messages of the county's log.
    std::string LogMessages() const;
    bool HasDocument(const std::string& abbreviation) const;
    std::string DocumentPath(const std::string& abbreviation) const;
    std::vector<Polygon> Polygons(const std::string& abbreviation) const;

private:
    TempDir dir_;
    countygen::CountySpec spec_;
    countygen::CountyModel model_;
    std::string in_, out_;
};

}  // namespace generated
}  // namespace testsupport
