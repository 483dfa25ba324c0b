// Readers of the files a layer writes, for checks that do not go through the
// writers' own code: dBASE tables and shapefile main files; and the expected
// bytes of such files, made by hand.
#pragma once

#include "shapeio/geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

struct DbfColumn {
    std::string name;
    char type = 0;
    int length = 0;
    int decimals = 0;
    int offset = 0;  // in the record, after the deletion byte
};

struct DbfContents {
    bool valid = false;
    uint32_t count = 0;
    int headerLength = 0;
    int recordLength = 0;
    std::vector<DbfColumn> columns;
    std::vector<std::string> records;  // whole records, deletion byte first
    bool endMarker = false;            // 0x1A right after the last record

    // The text of a field of a record (blanks kept); "" when no such field.
    std::string Field(size_t record, const std::string& name) const;
};
DbfContents ReadDbf(const std::string& path);

// One shape: a PolyLine, or a Point (its one point, no parts).
struct ShpShape {
    int32_t number = 0;
    int32_t shapeType = 0;
    shapeio::BoundingBox box;
    std::vector<int32_t> parts;
    std::vector<shapeio::PointXY> points;
};

struct ShpContents {
    bool valid = false;
    int64_t fileLength = 0;  // bytes, from the header
    int32_t shapeType = 0;
    shapeio::BoundingBox box;
    std::vector<ShpShape> shapes;
};
ShpContents ReadShp(const std::string& path);

// A field of a hand-made dBASE table.
struct DbfField {
    const char* name;
    char type;
    int length;
    int decimals = 0;
};
// The bytes of a dBASE III table of these fields and records, dated today;
// every record must be as long as the fields make it.
std::string DbfBytes(const std::vector<DbfField>& fields, const std::vector<std::string>& records);

// Little- and big-endian pieces of expected file bytes.
std::string Int32LE(int32_t value);
std::string Int32BE(int32_t value);
std::string DoubleLE(double value);

}  // namespace testsupport
