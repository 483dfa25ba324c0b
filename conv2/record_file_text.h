// The text of one record file, read whole in large blocks, and its record
// lines. A record line ends at a line feed; the carriage return of a CR LF
// line end is not part of it. Line ends, empty lines and a Ctrl-Z (the old
// end-of-file mark) at the very end of the file are not records.
#pragma once

#include <cstdio>
#include <string_view>
#include <vector>

namespace vornak2 {

class RecordFileText {
public:
    // Reads `file` from its current position to its end. False when the
    // stream reports a read error.
    bool Load(std::FILE* file);

    // The number of record lines.
    long long LineCount() const;

    // The record lines in file order, from the first:
    //   size_t position = 0; std::string_view line;
    //   while (text.NextLine(position, line)) ...
    bool NextLine(size_t& position, std::string_view& line) const;

private:
    std::vector<char> text_;
    size_t end_ = 0;  // the end of the last record line
};

}  // namespace vornak2
