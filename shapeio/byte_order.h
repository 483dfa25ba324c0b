// Explicit byte order for the files we write, whatever the host's order.
#pragma once

#include <cstdint>
#include <string>

namespace shapeio {

void PutInt32LE(std::string& out, int32_t value);
void PutInt32BE(std::string& out, int32_t value);
void PutUInt16LE(std::string& out, uint16_t value);
void PutUInt32LE(std::string& out, uint32_t value);
void PutDoubleLE(std::string& out, double value);

uint16_t GetUInt16LE(const unsigned char* p);
uint32_t GetUInt32LE(const unsigned char* p);
int32_t GetInt32LE(const unsigned char* p);
int32_t GetInt32BE(const unsigned char* p);
double GetDoubleLE(const unsigned char* p);

}  // namespace shapeio
