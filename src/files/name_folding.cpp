#include "files/name_folding.h"

#include <algorithm>
#include <cstddef>

namespace wepn::names {

bool lessIgnoringCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char fa = foldCase(static_cast<unsigned char>(a[i]));
        const unsigned char fb = foldCase(static_cast<unsigned char>(b[i]));
        if (fa != fb) {
            return fa < fb;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    return a < b;
}

bool wildcardMatch(std::string_view name, std::string_view pattern) {
    // Greedy match with one backtrack point: the last "*" seen.
    std::size_t n = 0, p = 0;
    std::size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || latin1::sameIgnoringCase(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

bool hasWildcard(std::string_view name) {
    return name.find_first_of("*?") != std::string_view::npos;
}

} // namespace wepn::names
