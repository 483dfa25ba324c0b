// Writes the record files of a synthetic county of the 1994-2000 editions.
#pragma once

#include "county_writer.h"

#include <string>

namespace countygen {

// Writes types 1, 2, 3, 4, 5, 6, 7, 8, 9, A, C, I, S and Z of an edition
// '0' to '8' (county_model.h, old_edition_codes.h), named with the
// release's suffixes: TGR25901.F61 ... F6Z for 1994, .BW1 ... for 1995,
// .RT1 ... from 1997. The lines of types 1, 3 and I, and the polygons of
// types A and S, come in the same order in their files. Throws
// std::runtime_error when a file cannot be written.
GeneratedCounty WriteOldEditionCounty(const CountySpec& spec, const std::string& directory);

}  // namespace countygen
