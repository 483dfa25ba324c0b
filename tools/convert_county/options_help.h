// What convert_county tells about the options strings of the two libraries,
// and how it makes one from an edition and a list of positions.
#pragma once

#include <string>
#include <vector>

namespace convertcounty {

// The program's usage: its arguments and, position by position, the options
// string of each library.
std::string UsageText();

// The library an edition character belongs to: 86 characters for '9' and
// 'a' to 'd' (2002-2006, DisplayV2), 56 for '0' to '8' (1994-2000,
// Display); 0 for any other character.
size_t OptionsLengthOf(char edition);

// An options string for `edition`: '0' everywhere, the edition character at
// position 53, then each setting "P" ('1' at position P) or "P=C" (the
// character C at position P). False, with the reason in `error`, for an
// unknown edition, a setting outside the string, any setting of position 53
// (the edition's) and an organisation position (79 or 50) given bare or
// with a character other than '0' to '3'.
bool MakeOptions(char edition, const std::vector<std::string>& settings, std::string& options, std::string& error);

}  // namespace convertcounty
