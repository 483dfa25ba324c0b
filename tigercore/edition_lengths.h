// The editions of both libraries, by their edition character ('0' to '8' the
// 1994-2000 editions of vornak, '9' and 'a' to 'd' the 2002-2006 editions of
// vornak2), with the text the county's log gives each, its Choose Type
// button, what its release is told by in a county's own files (the VERSION
// ranges the README's table gives, the releases a .met title names) and the
// length of the records of every record type in each. A record check that
// stops a county on a record whose length is that of its type in another
// edition says so; a county whose own files name another edition of its
// family is stopped before it starts.
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

// The log line of a county converted as `edition` whose own files name
// another edition of the same family; empty when they name none or agree.
// For 2002-2006 the first "Title:" line of its .met file `metPath` names
// the release after "TIGER/Line Files, " up to the next ", ", matched
// exactly ("2005 Second Edition" is 'c'): "Edition chosen: <edition>. The
// title of the county's .met file <name> names the release "<release>":
// that is <edition> (Choose Type button <B>, edition character '<X>')". For
// 1994-2000 the VERSION of the first record of the type 1 file
// `typeOnePath`, where the range of exactly one edition holds it and
// `edition` has a range that does not: "... VERSION <vvvv> of the county's
// type 1 file lies in the range the README gives <edition>, <first> to
// <last> (Choose Type button ...)". Editions told only by the title, and
// those of .f61 and .bw1 files, are never refused by VERSION. A title of a
// 2002-2006 release refuses every 1994-2000 edition the same way. A .met
// there that cannot be read: `unreadable` names it (errno says why), and the
// line is empty.
std::string OtherReleaseNote(char edition, const std::string& typeOnePath, const std::string& metPath,
                             std::string* unreadable = nullptr);

// The log line of a county converted as `edition` whose files are of the
// other family of editions, as the length of the first record of its type I
// file `typeIPath` tells (52 characters in 1994-2000, 127 in 2002-2006):
// "Edition chosen: <edition>. The county's type I records are <N>
// characters long, as in <editions>: its record files are of 1994-2000, and
// VERSION ... (Choose Type button <B>, edition character '<X>')", the
// release its VERSION's range gives, or the buttons of the family. Empty
// when the length is that of `edition` or of neither, or there is no type I
// file; one there that cannot be read: `unreadable` names it.
std::string OtherFamilyNote(char edition, const std::string& typeOnePath, const std::string& typeIPath,
                            std::string* unreadable = nullptr);

// The log line of a county converted as `edition` whose type 1 file
// `typeOnePath` is of another family of files than the edition reads (.f61
// for TIGER 94, .bw1 for TIGER 95, .rt1 for the rest): "Edition chosen:
// <edition>. That edition reads .f61, .f62 ... files, and the county's are
// .rt1, .rt2 ... files (<name>): those are read by Choose Type buttons 20 to
// 31 (...)". Empty when they agree, or the file is of none of them.
std::string OtherFilesNote(char edition, const std::string& typeOnePath);

}  // namespace tigercore
