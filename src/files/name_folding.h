#pragma once

#include <string_view>

namespace wepn::names {

/// Name comparison without regard to letter case, the way the game's platform
/// compares file names. Names are 8-bit text: A-Z and the Latin-1 capitals
/// (0xC0-0xDE except the multiplication sign 0xD7) fold to their small forms.
unsigned char foldCase(unsigned char c);

/// True when both names are equal once folded.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

/// Orders folded names; names equal once folded keep byte order, so a listing
/// always comes out the same.
bool lessIgnoringCase(std::string_view a, std::string_view b);

/// True when `needle` occurs anywhere in `haystack`, ignoring case.
bool containsIgnoringCase(std::string_view haystack, std::string_view needle);

/// Matches a listing pattern: "*" stands for any run of characters (also
/// none), "?" for exactly one; everything else matches ignoring case.
bool wildcardMatch(std::string_view name, std::string_view pattern);

/// True when `name` holds a wildcard character ("*" or "?").
bool hasWildcard(std::string_view name);

} // namespace wepn::names
