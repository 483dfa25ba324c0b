#include "tigercore/county_key.h"

#include "platform/files.h"

namespace tigercore {

namespace {

// `count` columns from `column` (1-based) of the first record of the file at
// `path` (found whatever the case of its name); false when it has no such
// record.
bool FirstRecordColumns(const std::string& path, size_t column, size_t count, std::string& columns) {
    platform::FilePtr file = platform::OpenAnyCase(path, "rb");
    if (!file) return false;
    std::string line;
    for (int c; line.size() < column - 1 + count && (c = std::fgetc(file.get())) != EOF && c != '\n' && c != '\r';) {
        line.push_back(static_cast<char>(c));
    }
    if (line.size() < column - 1 + count) return false;
    columns = line.substr(column - 1, count);
    return true;
}

}  // namespace

bool ReadCountyKey(const std::string& type1Path, const std::string& typeIPath, int codeColumn, char edition,
                   shapeio::CountyKey& key) {
    key.edition = edition;
    return FirstRecordColumns(type1Path, 2, 4, key.version) &&
           FirstRecordColumns(typeIPath, static_cast<size_t>(codeColumn), 5, key.code);
}

}  // namespace tigercore
