#include "tigercore/table_reader.h"

namespace tigercore {

void FailReading(shapeio::JobServices& services, platform::FilePtr& file, const std::string& message) {
    services.WriteLogLine(message);
    services.FailCounty();
    file.reset();
}

std::string RecordTooShort(char type, int row, size_t length, int needed, bool lineEnded) {
    if (!lineEnded) {
        return platform::Format("ERROR in type %c record %d: the file ends inside the record (%zu of %d characters)",
                                type, row + 1, length, needed);
    }
    return platform::Format("ERROR in type %c record %d: %zu characters, fewer than the %d its fields need", type,
                            row + 1, length, needed);
}

}  // namespace tigercore
