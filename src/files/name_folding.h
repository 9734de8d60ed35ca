#pragma once

#include "text/latin1_case.h"

#include <string_view>

namespace wepn::names {

/// Name comparison without regard to letter case, the way the game's platform
/// compares file names: names are 8-bit text, folded as Latin-1.
using latin1::containsIgnoringCase;
using latin1::equalsIgnoringCase;
using latin1::foldCase;

/// Orders folded names; names equal once folded keep byte order, so a listing
/// always comes out the same.
bool lessIgnoringCase(std::string_view a, std::string_view b);

/// Matches a listing pattern: "*" stands for any run of characters (also
/// none), "?" for exactly one; everything else matches ignoring case.
bool wildcardMatch(std::string_view name, std::string_view pattern);

/// True when `name` holds a wildcard character ("*" or "?").
bool hasWildcard(std::string_view name);

} // namespace wepn::names
