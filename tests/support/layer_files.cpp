#include "support/layer_files.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>

namespace testsupport {

namespace {

uint32_t LE32(const std::string& s, size_t at) {
    uint32_t v = 0;
    for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(s[at + static_cast<size_t>(k)]);
    return v;
}
uint32_t BE32(const std::string& s, size_t at) {
    uint32_t v = 0;
    for (int k = 0; k < 4; ++k) v = (v << 8) | static_cast<unsigned char>(s[at + static_cast<size_t>(k)]);
    return v;
}
uint16_t LE16(const std::string& s, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(s[at]) | (static_cast<unsigned char>(s[at + 1]) << 8));
}
double LEDouble(const std::string& s, size_t at) {
    uint64_t bits = 0;
    for (int k = 7; k >= 0; --k) bits = (bits << 8) | static_cast<unsigned char>(s[at + static_cast<size_t>(k)]);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
shapeio::BoundingBox Box(const std::string& s, size_t at) {
    return shapeio::BoundingBox{LEDouble(s, at), LEDouble(s, at + 8), LEDouble(s, at + 16), LEDouble(s, at + 24)};
}

}  // namespace

std::string DbfContents::Field(size_t record, const std::string& name) const {
    for (const DbfColumn& c : columns) {
        if (c.name == name) return records.at(record).substr(static_cast<size_t>(1 + c.offset), static_cast<size_t>(c.length));
    }
    return "";
}

DbfContents ReadDbf(const std::string& path) {
    DbfContents dbf;
    if (!Exists(path)) return dbf;
    const std::string bytes = ReadFile(path);
    if (bytes.size() < 33) return dbf;
    dbf.count = LE32(bytes, 4);
    dbf.headerLength = LE16(bytes, 8);
    dbf.recordLength = LE16(bytes, 10);
    int offset = 0;
    for (size_t at = 32; at + 32 <= bytes.size() && bytes[at] != '\x0D'; at += 32) {
        DbfColumn c;
        c.name = std::string(bytes.c_str() + at, strnlen(bytes.c_str() + at, 11));
        c.type = bytes[at + 11];
        c.length = static_cast<unsigned char>(bytes[at + 16]);
        c.decimals = static_cast<unsigned char>(bytes[at + 17]);
        c.offset = offset;
        offset += c.length;
        dbf.columns.push_back(c);
    }
    const size_t rowsEnd = static_cast<size_t>(dbf.headerLength) + size_t{dbf.count} * static_cast<size_t>(dbf.recordLength);
    if (dbf.recordLength <= 0 || rowsEnd > bytes.size()) return dbf;
    for (uint32_t r = 0; r < dbf.count; ++r) {
        dbf.records.push_back(bytes.substr(static_cast<size_t>(dbf.headerLength) + r * static_cast<size_t>(dbf.recordLength),
                                           static_cast<size_t>(dbf.recordLength)));
    }
    dbf.endMarker = rowsEnd + 1 == bytes.size() && bytes[rowsEnd] == '\x1A';
    dbf.valid = true;
    return dbf;
}

ShpContents ReadShp(const std::string& path) {
    ShpContents shp;
    if (!Exists(path)) return shp;
    const std::string bytes = ReadFile(path);
    if (bytes.size() < 100 || BE32(bytes, 0) != 9994) return shp;
    shp.fileLength = 2 * static_cast<int64_t>(BE32(bytes, 24));
    shp.shapeType = static_cast<int32_t>(LE32(bytes, 32));
    shp.box = Box(bytes, 36);
    size_t at = 100;
    while (at + 8 <= bytes.size()) {
        ShpShape shape;
        shape.number = static_cast<int32_t>(BE32(bytes, at));
        const size_t length = 2 * static_cast<size_t>(BE32(bytes, at + 4));
        const size_t content = at + 8;
        if (content + length > bytes.size() || length < 4) return shp;
        shape.shapeType = static_cast<int32_t>(LE32(bytes, content));
        if (shape.shapeType == 1) {  // a Point: x, y
            if (length != 20) return shp;
            const shapeio::PointXY point{LEDouble(bytes, content + 4), LEDouble(bytes, content + 12)};
            shape.box = {point.x, point.y, point.x, point.y};
            shape.points.push_back(point);
            shp.shapes.push_back(shape);
            at = content + length;
            continue;
        }
        if (length < 44) return shp;
        shape.box = Box(bytes, content + 4);
        const uint32_t parts = LE32(bytes, content + 36);
        const uint32_t points = LE32(bytes, content + 40);
        if (44 + 4 * size_t{parts} + 16 * size_t{points} != length) return shp;
        for (uint32_t p = 0; p < parts; ++p) shape.parts.push_back(static_cast<int32_t>(LE32(bytes, content + 44 + 4 * p)));
        const size_t pointsAt = content + 44 + 4 * size_t{parts};
        for (uint32_t p = 0; p < points; ++p)
            shape.points.push_back({LEDouble(bytes, pointsAt + 16 * p), LEDouble(bytes, pointsAt + 16 * p + 8)});
        shp.shapes.push_back(shape);
        at = content + length;
    }
    shp.valid = at == bytes.size() && static_cast<int64_t>(bytes.size()) == shp.fileLength;
    return shp;
}

std::string DbfBytes(const std::vector<DbfField>& fields, const std::vector<std::string>& records) {
    int recordLength = 1;
    for (const DbfField& f : fields) recordLength += f.length;
    std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    std::string bytes{'\x03', static_cast<char>(today.tm_year), static_cast<char>(today.tm_mon + 1),
                      static_cast<char>(today.tm_mday)};
    bytes += Int32LE(static_cast<int32_t>(records.size()));
    const int headerLength = 32 * static_cast<int>(fields.size()) + 33;
    bytes += Int32LE(headerLength | (recordLength << 16));
    bytes += std::string(20, '\0');
    for (const DbfField& f : fields) {
        std::string d(32, '\0');
        d.replace(0, std::string(f.name).size(), f.name);
        d[11] = f.type;
        d[16] = static_cast<char>(f.length);
        d[17] = static_cast<char>(f.decimals);
        bytes += d;
    }
    bytes += '\x0D';
    for (const std::string& r : records) {
        EXPECT_EQ(r.size(), static_cast<size_t>(recordLength)) << r;
        bytes += r;
    }
    return bytes + '\x1A';
}

std::string Int32LE(int32_t value) {
    std::string s;
    for (int k = 0; k < 4; ++k) s.push_back(static_cast<char>((static_cast<uint32_t>(value) >> (8 * k)) & 0xFF));
    return s;
}

std::string Int32BE(int32_t value) {
    std::string s;
    for (int k = 3; k >= 0; --k) s.push_back(static_cast<char>((static_cast<uint32_t>(value) >> (8 * k)) & 0xFF));
    return s;
}

std::string DoubleLE(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    std::string s;
    for (int k = 0; k < 8; ++k) s.push_back(static_cast<char>((bits >> (8 * k)) & 0xFF));
    return s;
}

}  // namespace testsupport
