// Expected options strings of the front end: '0' everywhere but at the
// positions a test names, and sets of positions to name them by.
#pragma once

#include <map>
#include <set>
#include <string>

namespace testsupport {

// `n` characters '0', with '1' at each of `ones` and then the character
// given for each position of `others`.
std::string OptionsString(size_t n, const std::set<int>& ones, const std::map<int, char>& others = {});

// The positions `first` to `last`, both included.
std::set<int> Range(int first, int last);
// The positions of both sets.
std::set<int> operator+(std::set<int> a, const std::set<int>& b);

}  // namespace testsupport
