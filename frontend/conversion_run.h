// What GO changes in an entry's options string before the call: numeric
// address ranges at index 0, the organisation and the push pins (indexes
// 79 and 81 for DisplayV2, 50 and 51 for Display); where a failed county's
// log is.
#pragma once

#include <string>

namespace frontend {

constexpr std::size_t kOrganisationIndexV2 = 79;
constexpr std::size_t kPushPinsIndexV2 = 81;
constexpr std::size_t kOrganisationIndex = 50;
constexpr std::size_t kPushPinsIndex = 51;

// Applies the output choices of the job globals to a copy of an options
// string (padded with '0' to its full length when it is short).
std::string OptionsForCall(const std::string& options, bool forDisplayV2);

// Whether a Display entry asks for at least one layer (characters 0-49).
bool AsksForAnyOlderLayer(const std::string& options);

// The log a library writes for the county of a job entry (its first record
// file or its archive) in the output directory.
std::string CountyLogPath(const std::string& outputDir, const std::string& inputPath);

}  // namespace frontend
