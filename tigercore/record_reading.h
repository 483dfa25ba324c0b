// How a library's record readers are bound to it: its record file, the row
// being parsed, its job services, the county it converts and the editions
// it reads, gathered into the TableReading of one record type.
#pragma once

#include "platform/files.h"
#include "shapeio/job_services.h"
#include "tigercore/table_reader.h"

namespace tigercore {

class CountyDialog;

// What every record reader of a library reads with.
struct LibraryRecords {
    shapeio::JobServices& services;
    platform::FilePtr& file;  // gRecordFile, opened by the driver
    int& rowIndex;            // gRecordIndex
    const CountyDialog* job;  // the county being converted; null when there is none
    // The library's first and last editions, by their edition characters.
    char firstEdition;
    char lastEdition;
};

// How `library` reads record type `type` into a table whose allocation mark
// is `mark` (null: the table has none): its records as long as the longest
// of the library's editions, types 1 and 2 (the records the layers draw
// their lines from) exactly that long; the job's edition and input path for
// NoteOtherEdition; the messages of SetCommonMessages.
TableReading ReadingOf(const LibraryRecords& library, char type, unsigned char* mark);

}  // namespace tigercore
