#include "shapeio/dbase_table_writer.h"

#include "shapeio/layer_output.h"
#include "shapeio/stream_io.h"

#include <cstdio>

namespace shapeio {

namespace {
std::string WithPath(const char* message, const std::string& path) { return std::string(message) + " " + path; }
}  // namespace

bool DbfTableWriter::Fail(const char* message, const std::string& reason) {
    if (!failed_) {
        services_.WriteLogLine(WithPath(message, path_) + reason);
        services_.FailCounty();
    }
    failed_ = true;
    Abandon();
    return false;
}

DbfTableWriter::~DbfTableWriter() {
    if (file_.Pending()) Abandon();
}

void DbfTableWriter::Abandon() {
    if (!file_.Rollback()) {
        services_.WriteLogLine(WithPath("Could not restore file", path_) + SystemReason());
        services_.FailCounty();
        return;  // the journal stays: a later run puts the file back
    }
    ownJournal_.Done();
}

bool DbfTableWriter::Open(const std::string& path, const DbfFieldDef* fields, OpenMode mode,
                          Journal* layerJournal) {
    path_ = path;
    fields_ = fields;
    recordLength_ = DbfRecordLength(fields);
    existing_ = 0;
    written_ = 0;
    failed_ = true;  // until it is open
    if (RefusesLayerLink(services_, path)) return false;
    failed_ = false;

    journal_ = layerJournal;
    // A table of its own that may be continued is a merged file.
    merged_ = !layerJournal && mode != OpenMode::kCreate;
    if (!journal_ && mode != OpenMode::kCreate) {
        ownJournal_.Use(services_, path);
        journal_ = &ownJournal_.get();
    }
    file_.SyncLater(services_.Kept());
    bool continued = false;
    if (mode != OpenMode::kCreate) {
        if (!file_.OpenExisting(path, *journal_)) {
            // A table there that cannot be opened keeps its rows: the county fails.
            if (!file_.NothingThere()) return Fail("Could not open file", SystemReason());
            if (mode == OpenMode::kContinue) return Fail("Could not open file", SystemReason());
        } else {
            continued = file_.originalSize() > 0;
        }
        if (!continued) file_.Rollback();  // nothing written: an empty file is created anew
    }
    if (!continued) {
        if (!file_.Create(path, journal_)) return Fail("Could not open file", SystemReason());
        if (!DBF_Write_Header(file_.get(), 0, fields) || !DBF_Write_Field_Descriptors(file_.get(), fields)) {
            return Fail("Could not write to file", SystemReason());
        }
        return true;
    }

    // A continued table must have this table's layout, and its rows must be
    // there: the new rows go right behind them, over the old end marker.
    DbfHeaderInfo header;
    if (!SeekTo(file_.get(), 0) || !DBF_Read_Header(file_.get(), header)) {
        return Fail("Could not append to file", " (it has no dBASE header)");
    }
    int64_t rowsEnd = header.headerLength + static_cast<int64_t>(header.recordCount) * header.recordLength;
    if (header.headerLength != DbfHeaderLength(fields) || header.recordLength != recordLength_) {
        return Fail("Could not append to file", " (its fields are not this table's)");
    }
    if (rowsEnd > file_.originalSize()) return Fail("Could not append to file", " (it is shorter than its header says)");
    existing_ = header.recordCount;
    if (!file_.Preserve(0, header.headerLength) || !file_.Preserve(rowsEnd, file_.originalSize() - rowsEnd) ||
        !SeekTo(file_.get(), rowsEnd)) {
        return Fail("Could not append to file", SystemReason());
    }
    return true;
}

bool DbfTableWriter::WriteRecord(const std::string& record) {
    if (failed_ || !file_.IsOpen()) return false;
    if (static_cast<int>(record.size()) != recordLength_) return Fail("Wrong record length for file", OverfullReason());
    if (!WriteAll(file_.get(), record)) return Fail("Could not write to file", SystemReason());
    ++written_;
    return true;
}

bool DbfTableWriter::Finish(bool removeWhenEmpty) {
    if (failed_ || !file_.IsOpen()) return false;
    uint32_t total = existing_ + written_;
    if (!DBF_Write_End_Marker(file_.get())) return Fail("Could not write to file", SystemReason());
    int64_t end = TellPosition(file_.get());
    // The header and descriptors again: the count of every row now in the file.
    if (end < 0 || !SeekTo(file_.get(), 0) || !DBF_Write_Header(file_.get(), total, fields_) ||
        !DBF_Write_Field_Descriptors(file_.get(), fields_)) {
        return Fail("Could not write to file", SystemReason());
    }
    if (!file_.Close(end)) return Fail("Could not write to file", SystemReason());
    if (total == 0 && removeWhenEmpty) {
        file_.Rollback();
        ownJournal_.Done();
        // A merged table goes with the county's change, and stays when the
        // change is undone.
        CountyChange* change = services_.Change();
        if (journal_ && change && change->IsOpen()) change->RemoveAtCommit(path_);
        else platform::RemoveFile(path_);
        return true;
    }
    if (!file_.Keep()) return Fail("Could not write to file", SystemReason());
    ownJournal_.Done();
    if (merged_) NoteMerged(services_, path_, existing_ == 0);
    return true;
}

}  // namespace shapeio
