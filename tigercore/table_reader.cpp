#include "tigercore/table_reader.h"

namespace tigercore {

void FailReading(shapeio::JobServices& services, platform::FilePtr& file, const std::string& message) {
    services.WriteLogLine(message);
    services.FailCounty();
    file.reset();
}

}  // namespace tigercore
