// Hand-made fixed-column record lines for tests: values placed at their
// 1-based columns, blanks everywhere else; and record files of such lines.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

class RecordLine {
public:
    // A line of `length` blanks (it grows when a value lies beyond it).
    explicit RecordLine(int length = 0) : text_(static_cast<size_t>(length), ' ') {}

    // `value` from column `first` on.
    RecordLine& Put(int first, std::string_view value);
    // `value` right-aligned so that it ends at column `last`.
    RecordLine& PutRight(int last, std::string_view value);

    const std::string& str() const { return text_; }
    operator const std::string&() const { return text_; }

private:
    std::string text_;
};

// One field of a parsed row as a text: a text as it is, a character as
// itself ('@' for a zero byte), a number in decimal, degrees to six places.
struct Field {
    Field(const char* text) : text(text) {}
    Field(char c) : text(c ? std::string(1, c) : "@") {}
    Field(int n) : text(std::to_string(n)) {}
    Field(long long n) : text(std::to_string(n)) {}
    Field(double d) : text(std::to_string(d)) {}
    std::string text;
};

// A row's fields in one text, joined by '|'.
std::string Fields(std::initializer_list<Field> fields);

// The lines joined, each ended by `end`: CR LF, as record files have them.
std::string RecordFile(const std::vector<std::string>& lines, const std::string& end = "\r\n");

// The end points of a type 1 line (FRLONG to TOLAT, columns 191-228), which
// no type 1 record may leave blank.
constexpr std::string_view kLineEnds = " -71000000+42000000 -71000100+42000100";

}  // namespace testsupport
