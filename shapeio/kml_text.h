// Text of a KML document: the values of fixed-width TIGER fields made into
// well-formed XML character data.
#pragma once

#include <string>

namespace shapeio {

// UTF-8 text of `bytes` with '&', '<' and '>' written as entities: safe as
// element content. Valid UTF-8 sequences are kept, every other byte is taken
// as Latin-1 (the character set of TIGER names) and transcoded; NUL and the
// other control characters that XML forbids become blanks.
std::string KmlText(const std::string& bytes);

// Appends the UTF-8 text of the `size` bytes at `bytes` to `out`, with
// `escape` as KmlText.
void AppendKmlText(std::string& out, const char* bytes, size_t size, bool escape);

// `text` for a CDATA section: every "]]>" is split across two sections.
std::string CdataSafe(const std::string& text);

// `text` without leading and trailing white space (blanks, tabs, line ends,
// NULs).
std::string TrimWhiteSpace(const std::string& text);

}  // namespace shapeio
