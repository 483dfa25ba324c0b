// The lines one run adds to a log that it appends to: the log's size is
// taken before the run and what lies beyond it read after. A caller of a
// conversion library reads a county's own lines of its log this way.
#pragma once

#include <string>
#include <vector>

namespace platform {

class AppendedLines {
public:
    // Remembers the size of the log at `path` now (0 when there is none).
    explicit AppendedLines(std::string path);
    // The lines added to the log since, without their line ends; none when
    // the log is no longer than it was.
    std::vector<std::string> Read() const;

private:
    std::string path_;
    long long size_ = 0;
};

// The first of `lines` that starts with `prefix`; empty when none does.
std::string FirstLineStartingWith(const std::vector<std::string>& lines, const std::string& prefix);

}  // namespace platform
