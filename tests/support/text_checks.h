// Checks on text: that a part is in it or not (the whole text shown on a
// failure), how often a part occurs; text without its surrounding blanks,
// and blanks to fill expected fixed-width text.
#pragma once

#include <gtest/gtest.h>

#include <string>

#define EXPECT_HAS(text, part) \
    EXPECT_NE((text).find(part), std::string::npos) << "missing: " << (part) << "\nin:\n" << (text)
#define EXPECT_LACKS(text, part) \
    EXPECT_EQ((text).find(part), std::string::npos) << "unexpected: " << (part) << "\nin:\n" << (text)

namespace testsupport {

// The number of places in `text` where `part` begins.
int CountOf(const std::string& text, const std::string& part);

// `text` without the leading and trailing characters of `blanks`.
std::string Trim(const std::string& text, const char* blanks = " ");

// `n` blanks.
std::string Blanks(size_t n);
// `text` followed by blanks up to `width` characters.
std::string Pad(const std::string& text, size_t width);

}  // namespace testsupport
