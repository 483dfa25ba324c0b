// The line classes of the type 1 records, by the first letter of the CFCC:
// their order in the class-sorted type 1 table, the letter that names their
// files and their theme folder.
#pragma once

#include "platform/files.h"
#include "shapeio/dbase.h"
#include "shapeio/job_services.h"
#include "tigercore/record_rows.h"

#include <array>
#include <string>
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

// Walks the class blocks of the class-sorted type 1 table (`type1Rows`
// rows) in class order: `before(slot)` for every class, then, for a class
// that is `chosen` (non-zero at its slot) and has rows,
// `build(slot, firstRow, rows)`; a build returning false ends the walk. A
// table holding fewer rows than the counts is logged and fails the county.
// Whether the walk went through every class.
template <typename Before, typename Build>
bool ForEachLineClassBlock(const std::array<int, kLineClassCount>& classCounts, const int* chosen,
                           size_t type1Rows, shapeio::JobServices& services, Before before, Build build) {
    int firstRow = 0;
    for (int slot = 0; slot < kLineClassCount; ++slot) {
        before(slot);
        const int rows = classCounts[static_cast<size_t>(slot)];
        const int blockStart = firstRow;
        firstRow += rows;
        if (!chosen[slot] || rows <= 0) continue;
        if (firstRow > static_cast<int>(type1Rows)) {
            services.WriteLogLine("The type 1 table holds fewer rows than its class counts (" +
                                  std::to_string(firstRow) + ")");
            services.FailCounty();
            return false;
        }
        if (!build(slot, blockStart, rows)) return false;
    }
    return true;
}

}  // namespace tigercore
