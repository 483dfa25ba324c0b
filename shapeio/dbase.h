// dBASE III tables: the field table type, the header, field descriptors and
// end marker in their file form, the header read-back, and the fixed-width
// record that every attribute table and every dbf.tmp row is made of.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace shapeio {

// One entry of a field table. A table is a constant array of entries ended by
// an entry whose name is null.
struct DbfFieldDef {
    const char* name;  // at most 10 characters
    char type;         // 'C' character, 'N' numeric
    uint8_t length;    // width in bytes
    uint8_t decimals;
};

int DbfFieldCount(const DbfFieldDef* fields);
// 1 (the deletion byte) plus the field lengths.
int DbfRecordLength(const DbfFieldDef* fields);
// 32 × fields + 33: where the first record starts.
int DbfHeaderLength(const DbfFieldDef* fields);

struct DbfDate {
    int year;   // e.g. 2024
    int month;  // 1-12
    int day;    // 1-31
};
// Today in local time.
DbfDate DbfToday();

// The 32 header bytes: 0x03, the date, the record count, header length and
// record length, all little-endian.
std::string DBF_Prepare_Header(uint32_t recordCount, const DbfFieldDef* fields, const DbfDate& date);
// One 32-byte descriptor per field, then 0x0D.
std::string DBF_Prepare_Field_Descriptors(const DbfFieldDef* fields);

// The writers put their bytes at the stream's position and report whether
// all of them were written.
bool DBF_Write_Header(std::FILE* file, uint32_t recordCount, const DbfFieldDef* fields);
bool DBF_Write_Field_Descriptors(std::FILE* file, const DbfFieldDef* fields);
bool DBF_Write_End_Marker(std::FILE* file);

// A header read back from a table.
struct DbfHeaderInfo {
    uint32_t recordCount = 0;
    uint16_t headerLength = 0;
    uint16_t recordLength = 0;
};
// Reads the 32 header bytes at the stream's position; false when fewer could
// be read.
bool DBF_Read_Header(std::FILE* file, DbfHeaderInfo& header);
// The record count of the header at the stream's position, 0 when no whole
// header could be read.
uint32_t DBF_Read_Header(std::FILE* file);

// Builds one fixed-width record of a table: the deletion blank, then each
// field in table order at exactly its width. Character fields are
// left-justified, numeric fields right-justified, both blank-filled; a
// character value longer than its field keeps only its first characters. A
// record given more values than its table has fields, or a number too wide
// for its field (123456789 in N 8, 12345.678 in N 6.2: only blanks may be
// cut), is overfull: it keeps no text, so that every writer refuses it for
// its length (a record of the wrong length fails its county) rather than
// write it without the values, or digits, it was given.
// Why the last record built was overfull, for the line that refuses it:
// " (<FIELD> <value> does not fit its <width> characters)" or " (more
// values than its <N> fields)"; empty when it was not.
std::string OverfullReason();

class DbfRecord {
public:
    explicit DbfRecord(const DbfFieldDef* fields);
    // The next field's text (cut to the field's width, NULs as blanks; a
    // numeric field's text is never cut but for blanks).
    DbfRecord& Add(std::string_view text);
    // The next field as a number with the field's decimals ("%*.*f").
    DbfRecord& AddNumber(double value);
    DbfRecord& AddNumber(long long value);
    // True when every field has been given, and no value more.
    bool Complete() const { return !overfull_ && fields_[next_].name == nullptr; }
    const std::string& text() const { return text_; }

private:
    DbfRecord& Overflow(std::string reason);

    const DbfFieldDef* fields_;
    int next_ = 0;
    bool overfull_ = false;
    std::string text_;
};

}  // namespace shapeio
