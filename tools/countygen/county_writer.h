// Writes the record files of a synthetic county (county_model.h) into a
// directory.
#pragma once

#include "county_model.h"

#include <map>
#include <string>

namespace countygen {

struct GeneratedCounty {
    std::string directory;
    std::string baseName;   // "TGR25901" (or lower case)
    std::string type1Path;  // directory + "/" + baseName + ".RT1"
    // Records written per file suffix in lower case ("rt1", "rt2", ..., "met" lines).
    std::map<std::string, long long> records;
    long long bytes = 0;  // size of all files written
};

// The path of one of the county's files, by lower-case suffix ("rt2", "met").
std::string CountyFilePath(const CountySpec& spec, const std::string& directory, const std::string& suffix);

// Writes every record file (1, 2, 4, 5, 6, 7, 8, A, B, C, E, I, M, P, S, T,
// U, Z) and the .met text. Throws std::runtime_error when a file cannot be
// written.
GeneratedCounty WriteCounty(const CountySpec& spec, const std::string& directory);

}  // namespace countygen
