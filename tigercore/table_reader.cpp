#include "tigercore/table_reader.h"

#include "tigercore/edition_lengths.h"

namespace tigercore {

namespace {

// The log's words for a record file that cannot be read, by record type.
constexpr const char* kReadMessages[] = {
    "ERROR reading type 2 records", "ERROR reading type 3 records", "ERROR reading type 4 records",
    "ERROR reading type 5 records", "ERROR reading type 6 records", "ERROR reading type 7 records",
    "ERROR reading type 8 records", "ERROR reading type 9 records", "ERROR reading type A records",
    "ERROR reading type B records", "ERROR reading type C records", "ERROR reading type E records",
    "ERROR reading type I records", "ERROR reading type M records", "ERROR reading type P records",
    "ERROR reading type S records", "ERROR reading type T records", "ERROR reading type U records",
    "ERROR reading type Z records",
};

std::string ReadMessage(char type) {
    constexpr size_t kTypeColumn = sizeof("ERROR reading type ") - 1;
    for (const char* message : kReadMessages) {
        if (message[kTypeColumn] == type) return message;
    }
    return platform::Format("ERROR reading type %c records", type);
}

}  // namespace

void SetCommonMessages(TableReading& reading) {
    reading.allocationMessage = platform::Format("\nMEMORY ALLOCATION ERROR, Record Type %c, size %%ld", reading.type);
    reading.readMessage = ReadMessage(reading.type);
}

void FailReading(shapeio::JobServices& services, platform::FilePtr& file, const std::string& message) {
    services.WriteLogLine(message);
    services.FailCounty();
    file.reset();
}

void NoteOtherEdition(const TableReading& reading, size_t length) {
    if (reading.edition == '\0') return;
    const std::string note = OtherEditionNote(reading.type, length, reading.edition, reading.typeOnePath);
    if (!note.empty()) reading.services->WriteLogLine(note);
}

std::string RecordTooShort(char type, int row, size_t length, int needed, bool lineEnded) {
    if (!lineEnded) {
        return platform::Format("ERROR in type %c record %d: the file ends inside the record (%zu of %d characters)",
                                type, row + 1, length, needed);
    }
    return platform::Format("ERROR in type %c record %d: %zu characters, fewer than the %d its fields need", type,
                            row + 1, length, needed);
}

std::string RecordFault(const TableReading& reading, int row, std::string_view line, size_t length, int needed,
                        bool lineEnded) {
    const char type = reading.type;
    // A NUL would end the record's text fields early in every output.
    const size_t nul = line.find('\0');
    if (nul != std::string_view::npos)
        return platform::Format("ERROR in type %c record %d: a NUL byte in column %zu", type, row + 1, nul + 1);
    if (reading.exactLength && length != reading.recordLength) {
        return platform::Format("ERROR in type %c record %d: %zu characters instead of %zu", type, row + 1, length,
                                reading.recordLength);
    }
    if (!reading.linesMayEndEarly && length < static_cast<size_t>(needed))
        return RecordTooShort(type, row, length, needed, lineEnded);
    const char recordType = line.empty() ? ' ' : line[0];
    if (recordType != type) {
        return platform::Format("ERROR in type %c record %d: the record type in column 1 is '%c'", type, row + 1,
                                recordType);
    }
    // A line longer than what was kept of it cannot be shown to end in blanks.
    if (reading.recordLength > 0 && length > reading.recordLength &&
        (length > line.size() || line.find_first_not_of(' ', reading.recordLength) != std::string_view::npos)) {
        return platform::Format("ERROR in type %c record %d: %zu characters, more than the %zu of its record type",
                                type, row + 1, length, reading.recordLength);
    }
    if (!gFieldFault.empty())
        return platform::Format("ERROR in type %c record %d: %s", type, row + 1, gFieldFault.c_str());
    return {};
}

}  // namespace tigercore
