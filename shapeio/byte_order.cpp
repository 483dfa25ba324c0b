#include "shapeio/byte_order.h"

#include <cstring>

namespace shapeio {

void PutUInt32LE(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PutInt32LE(std::string& out, int32_t value) { PutUInt32LE(out, static_cast<uint32_t>(value)); }

void PutInt32BE(std::string& out, int32_t value) {
    uint32_t v = static_cast<uint32_t>(value);
    for (int i = 3; i >= 0; --i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PutUInt16LE(std::string& out, uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void PutDoubleLE(std::string& out, double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

uint16_t GetUInt16LE(const unsigned char* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t GetUInt32LE(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

int32_t GetInt32LE(const unsigned char* p) {
    uint32_t v = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                 static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
    return static_cast<int32_t>(v);
}

int32_t GetInt32BE(const unsigned char* p) {
    uint32_t v = static_cast<uint32_t>(p[3]) | static_cast<uint32_t>(p[2]) << 8 |
                 static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[0]) << 24;
    return static_cast<int32_t>(v);
}

double GetDoubleLE(const unsigned char* p) {
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | p[i];
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace shapeio
