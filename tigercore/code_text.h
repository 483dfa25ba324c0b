// The code text of one level on one side of a line, as the border steps of
// both libraries make and compare it: the level's code (the joined text for
// levels made of parts), at most 23 characters and a NUL.
#pragma once

#include <cstring>

namespace tigercore {

struct CodeText {
    char text[24] = {};
    bool operator==(const CodeText& o) const { return std::strcmp(text, o.text) == 0; }
    bool operator!=(const CodeText& o) const { return !(*this == o); }
};

}  // namespace tigercore
