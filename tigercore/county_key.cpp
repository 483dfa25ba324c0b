#include "tigercore/county_key.h"

#include "platform/files.h"
#include "shapeio/stream_io.h"
#include "tigercore/record_lines.h"

#include <cerrno>
#include <vector>

namespace tigercore {

namespace {

// Calls `take` with the `count` columns from `column` (1-based) of each
// record of the file at `path` (found whatever the case of its name) that
// is long enough, until it returns false. A file that is not there gives
// none; false (`failure` set) when it cannot be opened or read.
template <typename Take>
bool EachRecordColumns(const std::string& path, const char* kind, size_t column, size_t count, Take take,
                       std::string& failure) {
    platform::FilePtr file = platform::OpenAnyCase(path, "rb");
    const int error = errno;
    const std::string found = platform::FindFileAnyCase(path);
    const std::string named = found.empty() ? path : found;
    if (!file) {
        if (error == ENOENT) return true;
        errno = error;
        failure = std::string("Could not read the ") + kind + " file " + named + shapeio::SystemReason();
        return false;
    }
    RecordLineReader reader(file.get());
    for (std::string_view line; reader.NextLine(line);) {
        line = RecordLineReader::WithoutEndOfFileMarks(line);
        if (line.size() >= column - 1 + count && !take(std::string(line.substr(column - 1, count)))) return true;
    }
    if (!reader.ReadError()) return true;
    failure = std::string("Could not read the ") + kind + " file " + named + shapeio::SystemReason();
    return false;
}

}  // namespace

CountyKeyReading ReadCountyKey(const std::string& type1Path, const std::string& typeIPath, int codeColumn,
                               char edition, shapeio::CountyKey& key) {
    CountyKeyReading reading;
    key = shapeio::CountyKey();
    key.edition = edition;
    bool version = false;
    if (!EachRecordColumns(type1Path, "type 1", 2, 4, [&](const std::string& columns) {
            key.version = columns;
            version = true;
            return false;
        }, reading.failure)) {
        return reading;
    }
    // Every row's code, each once.
    std::vector<std::string> codes;
    auto take = [&codes](const std::string& code) {
        for (const std::string& known : codes) {
            if (known == code) return true;
        }
        codes.push_back(code);
        return codes.size() < 8;  // enough to name
    };
    if (!EachRecordColumns(typeIPath, "type I", static_cast<size_t>(codeColumn), 5, take, reading.failure)) {
        return reading;
    }
    const bool blank = codes.size() == 1 && codes[0].find_first_not_of(' ') == std::string::npos;
    if (codes.size() > 1 || blank) {
        std::string named;
        for (const std::string& code : codes) {
            named += (named.empty() ? "" : ", ") +
                     (code.find_first_not_of(' ') == std::string::npos ? std::string("(blank)") : code);
        }
        const std::string found = platform::FindFileAnyCase(typeIPath);
        reading.failure = "The type I records of " + (found.empty() ? typeIPath : found) + " give the county code" +
                          (codes.size() > 1 ? "s " : " ") + named + ", where a county's records give one";
        return reading;
    }
    reading.known = version && !codes.empty();
    if (reading.known) key.code = codes[0];
    return reading;
}

}  // namespace tigercore
