#include "support/record_line.h"

#include <stdexcept>

namespace testsupport {

RecordLine& RecordLine::Put(int first, std::string_view value) {
    if (first < 1) throw std::invalid_argument("columns start at 1");
    size_t end = static_cast<size_t>(first - 1) + value.size();
    if (text_.size() < end) text_.resize(end, ' ');
    text_.replace(static_cast<size_t>(first - 1), value.size(), value);
    return *this;
}

RecordLine& RecordLine::PutRight(int last, std::string_view value) {
    return Put(last - static_cast<int>(value.size()) + 1, value);
}

std::string RecordFile(const std::vector<std::string>& lines, const std::string& end) {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}

std::string Fields(std::initializer_list<Field> fields) {
    std::string joined;
    for (const Field& f : fields) {
        if (&f != fields.begin()) joined += '|';
        joined += f.text;
    }
    return joined;
}

}  // namespace testsupport
