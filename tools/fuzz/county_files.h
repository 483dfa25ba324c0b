// What the county entries of both libraries share: the record files of a
// generated county kept in memory, the layer files one conversion of it
// leaves in an empty output folder, and the check that a county's scratch
// files are gone.
#pragma once

#include "county_model.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fuzz {

countygen::CountySpec Spec(char edition, int width, int height);

// The files of a generated county (by lower-case suffix), written afresh
// for every input.
class CountyFiles {
public:
    CountyFiles(const countygen::CountySpec& spec, std::vector<std::string> suffixes);

    // Writes the county into `folder`, file `replaced` (-1: none) holding
    // `replacement` instead; returns the type 1 path.
    std::string Write(const std::string& folder, int replaced = -1, std::string_view replacement = {}) const;
    const std::string& Bytes(int index) const { return bytes_[static_cast<size_t>(index)]; }

private:
    countygen::CountySpec spec_;
    std::vector<std::string> suffixes_;
    std::vector<std::string> bytes_;
};

// Converts the county of a type 1 path into an output folder.
using ConvertInto = std::function<void(const std::string& type1Path, const std::string& out)>;

// The layer files (shapefiles, tables, documents) one conversion of a county
// leaves in an empty output folder, by path relative to it.
class LayerFiles {
public:
    LayerFiles(const CountyFiles& county, const ConvertInto& convert);

    int Count() const { return static_cast<int>(files_.size()); }
    const std::string& Bytes(int index) const { return files_[static_cast<size_t>(index)].second; }
    const std::string& Name(int index) const { return files_[static_cast<size_t>(index)].first; }
    // Writes the files into `out`, file `replaced` (taken modulo twice
    // Count()) holding `replacement`; from Count() on, `replaced` picks the
    // journal a stopped run would have left beside file `replaced - Count()`
    // instead, the files staying whole.
    void Write(const std::string& out, int replaced, std::string_view replacement) const;

private:
    // Documents and tables have their own journal; a shapefile's three
    // files share one.
    static std::string JournalOf(const std::string& file);
    void Collect(const std::string& root, const std::string& relative);

    std::vector<std::string> folders_;  // parents before children
    std::vector<std::pair<std::string, std::string>> files_;
};

// Whether a scratch file or the private folder of a county's scratch files
// is left in an output folder.
bool HoldsScratchFiles(const std::string& folder);

}  // namespace fuzz
