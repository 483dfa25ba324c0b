#include "tigercore/line_record_readers.h"

#include <cstring>
#include <string_view>

namespace tigercore {

void ReadLineTable(TableReading reading, std::vector<Type1Record>& rows, int& count, void (*parse)(int),
                   std::array<int, kLineClassCount>& classCounts, TableOrder<Type1Record> order) {
    reading.allocationMessage = "MEMORY ALLOCATION ERROR, Record Type 1 Size %ld";
    reading.readMessage = "\nERROR reading type 1 records";
    classCounts.fill(0);
    auto classStep = [&](int row, std::string_view line) {
        Type1Record& r = rows[static_cast<size_t>(row)];
        return TakeLineClass(*reading.services, *reading.file, row, line, r.CFCC, r.TLID, r.lineClass, classCounts);
    };
    if (!ReadTable(reading, rows, count, parse, classStep)) return;
    SortTable(*reading.services, rows, order.compare, order.keyOf);
}

void ReadShapeTable(TableReading reading, std::vector<Type2Record>& rows, int& count, void (*parse)(int),
                    ShapeRowIndex& index, int& maxRtsq, TableOrder<Type2Record> order) {
    reading.allocationMessage = "MEMORY ALLOCATION ERROR, Record Type 2, size %ld";
    maxRtsq = 0;
    index.Clear();
    auto rtsqStep = [&](int row, std::string_view) {
        int rtsq = 0;
        const char* text = rows[static_cast<size_t>(row)].RTSQ;
        ScanField(text, static_cast<int>(std::strlen(text)), rtsq);
        if (rtsq > maxRtsq) maxRtsq = rtsq;
        return true;
    };
    if (!ReadTable(reading, rows, count, parse, rtsqStep)) return;
    SortTable(*reading.services, rows, order.compare, order.keyOf);
    DropRepeatedShapeRows(rows, count, *reading.services);
}

}  // namespace tigercore
