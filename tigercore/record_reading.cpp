#include "tigercore/record_reading.h"

#include "tigercore/county_dialog.h"
#include "tigercore/edition_lengths.h"

namespace tigercore {

TableReading ReadingOf(const LibraryRecords& library, char type, unsigned char* mark) {
    TableReading reading;
    reading.type = type;
    reading.recordLength = LongestRecordLength(type, library.firstEdition, library.lastEdition);
    reading.exactLength = type == '1' || type == '2';
    reading.services = &library.services;
    reading.file = &library.file;
    reading.rowIndex = &library.rowIndex;
    reading.mark = mark;
    if (library.job) {
        reading.edition = library.job->edition;
        reading.typeOnePath = library.job->inputPath;
    }
    SetCommonMessages(reading);
    return reading;
}

}  // namespace tigercore
