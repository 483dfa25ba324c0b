// What GO changes in an entry's options string before the call: numeric
// address ranges, the organisation and the push pins (the named positions of
// options/options_strings.h); where a failed county's log is.
#pragma once

#include <string>

namespace frontend {

// Applies the output choices of the job globals to a copy of an options
// string (padded with '0' to its full length when it is short).
std::string OptionsForCall(const std::string& options, bool forDisplayV2);

// Whether a Display entry asks for at least one layer (characters 0-49).
bool AsksForAnyOlderLayer(const std::string& options);

}  // namespace frontend
