#pragma once

// Letter case of 8-bit text, shared by the model (names in a weapon's tables)
// and the file layer (file names), which must agree and may not include each
// other: header-only and standard library only, below both.

#include <algorithm>
#include <string_view>

namespace wepn::latin1 {

/// The small form of A-Z and of the Latin-1 capitals (0xC0-0xDE except the
/// multiplication sign 0xD7); every other byte as it is.
constexpr unsigned char foldCase(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    return c;
}

constexpr bool sameIgnoringCase(char a, char b) {
    return foldCase(static_cast<unsigned char>(a)) == foldCase(static_cast<unsigned char>(b));
}

/// True when `word` occurs anywhere in `text`, ignoring case.
inline bool containsIgnoringCase(std::string_view text, std::string_view word) {
    return std::search(text.begin(), text.end(), word.begin(), word.end(), sameIgnoringCase) !=
           text.end();
}

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), sameIgnoringCase);
}

} // namespace wepn::latin1
