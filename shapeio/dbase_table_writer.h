// One dBASE table being written: a new table, or an existing one continued
// (organisation '3'). Every write is checked; a failure is logged, fails the
// county and undoes the table (a new one is removed, a continued one gets
// back its earlier rows, header and end marker). The header written at the
// end always counts exactly the rows the file holds.
#pragma once

#include "shapeio/county_change.h"
#include "shapeio/dbase.h"
#include "shapeio/guarded_file.h"
#include "shapeio/job_services.h"

#include <cstdint>
#include <string>

namespace shapeio {

class DbfTableWriter {
public:
    enum class OpenMode {
        kCreate,            // a new table ("wb"), replacing any file of that name
        kContinueOrCreate,  // continue the table when it exists and is not empty, else create it;
                            // a table there that cannot be opened fails
        kContinue,          // continue the table, which must exist
    };

    explicit DbfTableWriter(JobServices& services) : services_(services) {}
    ~DbfTableWriter();
    DbfTableWriter(const DbfTableWriter&) = delete;
    DbfTableWriter& operator=(const DbfTableWriter&) = delete;

    // Opens the table and writes its header and field descriptors (a new
    // table) or checks them and moves behind the last row (a continued one).
    // Logs "Could not open file %s" or "Could not append to file %s" and
    // fails the county when it cannot. `layerJournal`: the journal of the
    // layer the table belongs to; without it a table that may be continued
    // has its own, "<path>.journal".
    bool Open(const std::string& path, const DbfFieldDef* fields, OpenMode mode, Journal* layerJournal = nullptr);
    // One record of exactly the table's record length.
    bool WriteRecord(const std::string& record);
    // Writes the end marker and the header with the rows of the table,
    // closes it and, when `removeWhenEmpty` and the table holds no row,
    // removes it. False (and the table undone) on a failure.
    bool Finish(bool removeWhenEmpty);
    // Gives up: the table is undone.
    void Abandon();

    uint32_t existingCount() const { return existing_; }
    uint32_t recordsWritten() const { return written_; }
    const std::string& path() const { return path_; }

private:
    // Logs "<message> <path><reason>" (once), fails the county and undoes the table.
    bool Fail(const char* message, const std::string& reason = std::string());

    JobServices& services_;
    Journal* journal_ = nullptr;  // null: a table of its own that is never continued
    LayerJournal ownJournal_;
    GuardedFile file_;
    std::string path_;
    const DbfFieldDef* fields_ = nullptr;
    int recordLength_ = 0;
    uint32_t existing_ = 0;
    uint32_t written_ = 0;
    bool failed_ = false;
    bool merged_ = false;  // a merged table of its own, whose counties the folder's record keeps
};

}  // namespace shapeio
