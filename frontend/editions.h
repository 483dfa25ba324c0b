// The front end's edition codes (94 to 108) and the edition characters that
// the options strings carry at index 53.
#pragma once

#include "options/options_strings.h"

#include <cstddef>

namespace frontend {

constexpr int kFirstEditionCode = 94;   // .f6 files
constexpr int kBwEditionCode = 95;      // .bw files
constexpr int kChooseTypeBaseCode = 97;  // Choose Type index 0, "TIGER 97 "
constexpr int kLastOlderEditionCode = 103;
constexpr int kLastEditionCode = 108;

constexpr std::size_t kOptionsLength = options::kOlderOptions.length;    // the 1994-2000 editions
constexpr std::size_t kOptionsLengthV2 = options::kLaterOptions.length;  // the 2002-2006 editions
// The edition character's position, the same in both strings.
constexpr std::size_t kEditionIndex = options::kLaterOptions.edition;
static_assert(options::kOlderOptions.edition == kEditionIndex);

// The edition character of a code: 94 '0', 95 '1', 97-103 '2'-'8',
// 104-108 '9' and 'a'-'d'; '0' for a code outside the table.
char EditionCharacter(int code);

// The code of an edition character; `current` for a character outside the
// table.
int EditionCodeOfCharacter(char c, int current);

// The 2002-2006 editions (codes above 103) have the long options string and
// their own layer dialog.
inline bool IsLaterEditionCode(int code) { return code > kLastOlderEditionCode; }
inline std::size_t OptionsLengthOf(int code) { return IsLaterEditionCode(code) ? kOptionsLengthV2 : kOptionsLength; }

// Entries whose edition character is above '8' go to DisplayV2, the others
// to Display.
inline bool GoesToDisplayV2(char editionCharacter) { return editionCharacter > '8'; }

}  // namespace frontend
