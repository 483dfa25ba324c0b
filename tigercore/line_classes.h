// The line classes of the type 1 records, by the first letter of the CFCC:
// their order in the class-sorted type 1 table, the letter that names their
// files and their theme folder.
#pragma once

#include "platform/files.h"
#include "shapeio/dbase.h"
#include "shapeio/job_services.h"
#include "tigercore/record_rows.h"

#include <array>
#include <string_view>

namespace tigercore {

// The classes in table order: A (with P), B, C, D, E, F (with G), H, X.
enum LineClassSlot { kClassA, kClassB, kClassC, kClassD, kClassE, kClassF, kClassH, kClassX, kLineClassCount };

struct LineClass {
    char letter;
    const char* themeFolder;
};
extern const LineClass kLineClasses[kLineClassCount];

// The class of a CFCC's first letter: the letter a type 1 row keeps (its
// sort key) and the class it counts in. False for a letter of no class.
bool LineClassOf(char cfcc, char& letter, LineClassSlot& slot);

// The class step of type 1 row `row` (1-based in messages) whose record line
// is `line`: its class letter and one more in its class's count. A CFCC of
// no class logs "Unknown CFCC code: <CFCC>" and the row's number, TLID and
// whole record, fails the county and closes the record file (false).
bool TakeLineClass(shapeio::JobServices& services, platform::FilePtr& file, int row, std::string_view line,
                   const char* cfcc, const char* tlid, char& lineClass,
                   std::array<int, kLineClassCount>& classCounts);

// Adds the name and address fields of a line as both libraries' line layers
// write them, in this order: FEDIRP, FENAME, FETYPE, FEDIRS, CFCC, FRADDL,
// TOADDL, FRADDR, TOADDR, ZIPL, ZIPR.
void AddNameAndAddresses(shapeio::DbfRecord& record, const Type1Record& line);

}  // namespace tigercore
