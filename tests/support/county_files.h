// Small county fixtures for whole-call tests of the 2002-2006 library
// (DisplayV2) and of the 1994-2000 library (Display).
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

namespace testsupport {

// An options string of 86 characters: every flag '0' but those listed, the
// edition character at 53 and the organisation at 79.
std::string Options(char edition, char organisation, std::initializer_list<int> flags = {});

// Writes empty record files `stem`.<suffix> for each suffix into `dir`.
void WriteEmptyRecordFiles(const std::string& dir, const std::string& stem,
                           std::initializer_list<const char*> suffixes);

// The lines of a log file that are neither the opening/closing block lines
// nor blank: the messages of the stages.
std::string LogMessages(const std::string& logText);
// The messages of the log `folder`/`baseName`.log.
std::string LogOf(const std::string& folder, const std::string& baseName);

// Writes the generated counties 901 and 903 of an edition (tools/countygen,
// default size; 2005 unless told) into `dir`: the paths of their type 1
// files, a pair that a merged folder takes one after the other.
std::pair<std::string, std::string> WriteTwoCounties(const std::string& dir, char edition = 'c');

// Converts the county of `input` (its type 1 file or its archive) into
// `out` with DisplayV2, as county `countyNumber` of `countyCount`; returns
// what DisplayV2 returns.
int ConvertCounty(const std::string& input, const std::string& out, const std::string& options,
                  int countyNumber = 1, int countyCount = 1);

// An options string of the 1994-2000 library, 56 characters: every flag '0'
// but those listed, the edition digit at 53 and the organisation at 50.
std::string OldOptions(char edition, char organisation, std::initializer_list<int> flags = {});
// ConvertCounty with Display.
int ConvertOldCounty(const std::string& input, const std::string& out, const std::string& options,
                     int countyNumber = 1, int countyCount = 1);

}  // namespace testsupport
