// Hand-made fixed-column record lines for tests: values placed at their
// 1-based columns, blanks everywhere else; and record files of such lines.
#pragma once

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

// The lines joined, each ended by `end`: CR LF, as record files have them.
std::string RecordFile(const std::vector<std::string>& lines, const std::string& end = "\r\n");

}  // namespace testsupport
