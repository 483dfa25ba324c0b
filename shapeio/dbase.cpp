#include "shapeio/dbase.h"

#include "shapeio/byte_order.h"
#include "shapeio/number_format.h"
#include "shapeio/stream_io.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <ctime>

namespace shapeio {

int DbfFieldCount(const DbfFieldDef* fields) {
    int count = 0;
    while (fields && fields[count].name) ++count;
    return count;
}

int DbfRecordLength(const DbfFieldDef* fields) {
    int length = 1;
    for (int i = 0; fields && fields[i].name; ++i) length += fields[i].length;
    return length;
}

int DbfHeaderLength(const DbfFieldDef* fields) { return 32 * DbfFieldCount(fields) + 33; }

DbfDate DbfToday() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DbfDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string DBF_Prepare_Header(uint32_t recordCount, const DbfFieldDef* fields, const DbfDate& date) {
    std::string header;
    header.push_back(0x03);
    header.push_back(static_cast<char>(date.year - 1900));
    header.push_back(static_cast<char>(date.month));
    header.push_back(static_cast<char>(date.day));
    PutUInt32LE(header, recordCount);
    PutUInt16LE(header, static_cast<uint16_t>(DbfHeaderLength(fields)));
    PutUInt16LE(header, static_cast<uint16_t>(DbfRecordLength(fields)));
    header.append(20, '\0');
    return header;
}

std::string DBF_Prepare_Field_Descriptors(const DbfFieldDef* fields) {
    std::string bytes;
    for (int i = 0; fields && fields[i].name; ++i) {
        std::string descriptor(32, '\0');
        size_t nameLength = std::min<size_t>(std::strlen(fields[i].name), 10);
        descriptor.replace(0, nameLength, fields[i].name, nameLength);
        descriptor[11] = fields[i].type;
        descriptor[16] = static_cast<char>(fields[i].length);
        descriptor[17] = static_cast<char>(fields[i].decimals);
        bytes += descriptor;
    }
    bytes.push_back(0x0D);
    return bytes;
}

bool DBF_Write_Header(std::FILE* file, uint32_t recordCount, const DbfFieldDef* fields) {
    return WriteAll(file, DBF_Prepare_Header(recordCount, fields, DbfToday()));
}

bool DBF_Write_Field_Descriptors(std::FILE* file, const DbfFieldDef* fields) {
    return WriteAll(file, DBF_Prepare_Field_Descriptors(fields));
}

bool DBF_Write_End_Marker(std::FILE* file) { return WriteAll(file, std::string(1, '\x1A')); }

bool DBF_Read_Header(std::FILE* file, DbfHeaderInfo& header) {
    unsigned char bytes[32];
    if (!ReadExact(file, bytes, sizeof bytes)) return false;
    header.recordCount = GetUInt32LE(bytes + 4);
    header.headerLength = GetUInt16LE(bytes + 8);
    header.recordLength = GetUInt16LE(bytes + 10);
    return true;
}

uint32_t DBF_Read_Header(std::FILE* file) {
    DbfHeaderInfo header;
    return DBF_Read_Header(file, header) ? header.recordCount : 0;
}

namespace {

// Of the last record built: one county at a time, and a record is refused
// right after it is built.
std::string gOverfullReason;

}  // namespace

std::string OverfullReason() { return gOverfullReason; }

DbfRecord::DbfRecord(const DbfFieldDef* fields) : fields_(fields) {
    text_.reserve(static_cast<size_t>(DbfRecordLength(fields)));
    text_.push_back(' ');
    gOverfullReason.clear();
}

DbfRecord& DbfRecord::Overflow(std::string reason) {
    overfull_ = true;
    text_.clear();
    gOverfullReason = " (" + reason + ")";
    return *this;
}

DbfRecord& DbfRecord::Add(std::string_view text) {
    const DbfFieldDef& field = fields_[next_];
    if (overfull_) return *this;
    if (!field.name) return Overflow("more values than its " + std::to_string(next_) + " fields");
    const size_t width = field.length;
    // A number too wide for its field would lose digits: the record is
    // refused as an overfull one is.
    if (field.type == 'N' && text.size() > width && text.find_first_not_of(' ', width) != std::string_view::npos) {
        const size_t start = std::min(text.find_first_not_of(' '), text.size());
        return Overflow(std::string(field.name) + " " + std::string(text.substr(start)) + " does not fit its " +
                        std::to_string(width) + " characters");
    }
    const size_t length = std::min(text.size(), width);
    if (field.type == 'N') text_.append(width - length, ' ');
    const size_t at = text_.size();
    text_.append(text.data(), length);
    std::replace(text_.begin() + static_cast<std::ptrdiff_t>(at), text_.end(), '\0', ' ');
    if (field.type != 'N') text_.append(width - length, ' ');
    ++next_;
    return *this;
}

DbfRecord& DbfRecord::AddNumber(double value) {
    const DbfFieldDef& field = fields_[next_];
    if (overfull_) return *this;
    if (!field.name) return Overflow("more values than its " + std::to_string(next_) + " fields");
    return Add(FormatFixed(value, field.length, field.decimals));
}

DbfRecord& DbfRecord::AddNumber(long long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return Add(std::string_view(digits, static_cast<size_t>(end - digits)));
}

}  // namespace shapeio
