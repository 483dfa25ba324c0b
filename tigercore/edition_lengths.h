// The editions of both libraries, by their edition character ('0' to '8' the
// 1994-2000 editions of vornak, '9' and 'a' to 'd' the 2002-2006 editions of
// vornak2), with the text the county's log gives each and the length of the
// records of every record type in each. A record check that stops a county
// on a record whose length is that of its type in another edition says so.
#pragma once

#include <cstddef>
#include <string>

namespace tigercore {

// The text the log gives an edition ("TIGER 2000"); empty for a character
// of no edition.
std::string EditionText(char edition);

// The length of the records of `type` ('1' ... 'Z') in an edition; 0 where
// the edition has no file of the type (or for no edition).
std::size_t RecordLength(char type, char edition);

// The longest records of `type` in the editions `first` to `last` (in the
// order above).
std::size_t LongestRecordLength(char type, char first, char last);

// The log line of a county converted as `edition` that a record check
// stopped on a record of `type` and `length` characters (without its line
// end), when that is the length of its type in another edition and not in
// `edition`: "Edition chosen: <edition>. The county's type <X> records are
// <N> characters long, as in <editions>: the record files may be of another
// edition (VERSION <vvvv> in its type 1 file)", with columns 2-5 of the
// first record of the type 1 file `typeOnePath` ("VERSION blank" when they
// are blank). Empty otherwise.
std::string OtherEditionNote(char type, std::size_t length, char edition, const std::string& typeOnePath);

}  // namespace tigercore
