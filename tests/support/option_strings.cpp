#include "support/option_strings.h"

namespace testsupport {

std::string OptionsString(size_t n, const std::set<int>& ones, const std::map<int, char>& others) {
    std::string s(n, '0');
    for (int p : ones) s[static_cast<size_t>(p)] = '1';
    for (const auto& [p, c] : others) s[static_cast<size_t>(p)] = c;
    return s;
}

std::set<int> Range(int first, int last) {
    std::set<int> r;
    for (int p = first; p <= last; ++p) r.insert(p);
    return r;
}

std::set<int> operator+(std::set<int> a, const std::set<int>& b) {
    a.insert(b.begin(), b.end());
    return a;
}

}  // namespace testsupport
