// The readers of the two tables the line layers draw from, type 1 (the
// lines) and type 2 (their shape points), which both libraries read alike.
// A library hands over its reading of the type (TableReading), its table,
// count and parser, and the order it sorts the table into.
#pragma once

#include "tigercore/line_classes.h"
#include "tigercore/record_rows.h"
#include "tigercore/shape_points.h"
#include "tigercore/table_reader.h"

#include <array>
#include <vector>

namespace tigercore {

// The order a library sorts a table into: its comparison and the sort key
// whose byte order is that comparison's (sort_keys.h).
template <typename Row>
struct TableOrder {
    int (*compare)(const Row&, const Row&);
    SortKey (*keyOf)(const Row&);
};

// Reads the type 1 table: every row's line class (`classCounts` counts
// them; a CFCC of no class stops the county) and the class-sorted table.
void ReadLineTable(TableReading reading, std::vector<Type1Record>& rows, int& count, void (*parse)(int),
                   std::array<int, kLineClassCount>& classCounts, TableOrder<Type1Record> order);

// Reads the type 2 table: the largest RTSQ (`maxRtsq`), the table sorted
// by TLID and RTSQ, without repeated rows. `index` is forgotten first.
void ReadShapeTable(TableReading reading, std::vector<Type2Record>& rows, int& count, void (*parse)(int),
                    ShapeRowIndex& index, int& maxRtsq, TableOrder<Type2Record> order);

}  // namespace tigercore
