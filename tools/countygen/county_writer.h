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
    std::string type1Path;  // directory + "/" + baseName + ".RT1" (".F61", ".BW1" for 1994, 1995)
    // Records written per file suffix in lower case ("rt1", "rt2", ..., "met" lines; "f61", "bwa" ...).
    std::map<std::string, long long> records;
    long long bytes = 0;  // size of all files written
};

// The path of one of the county's files, by lower-case suffix ("rt2", "met",
// "f6a"; RecordSuffix() gives an edition's suffix of a record type).
std::string CountyFilePath(const CountySpec& spec, const std::string& directory, const std::string& suffix);

// Writes every record file of the edition: for 2002-2006 types 1, 2, 4, 5,
// 6, 7, 8, A, B (unless the spec leaves it out), C, E, I, M, P, S, T, U, Z
// and the .met text; for 1994-2000
// types 1, 2, 3, 4, 5, 6, 7, 8, 9, A, C, I, S, Z (old_edition_writer.h).
// Throws std::runtime_error when a file cannot be written.
GeneratedCounty WriteCounty(const CountySpec& spec, const std::string& directory);

}  // namespace countygen
