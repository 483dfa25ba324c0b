// Byte strings for file checks: "00 00 27 0a" as bytes, and bytes as hex for
// readable failure messages.
#pragma once

#include <string>

namespace testsupport {

// Bytes from hexadecimal pairs; blanks and line breaks are ignored.
std::string Hex(const std::string& pairs);
// Bytes as hexadecimal pairs separated by blanks.
std::string ToHex(const std::string& bytes);

}  // namespace testsupport
