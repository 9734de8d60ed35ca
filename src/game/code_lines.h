#pragma once

#include <string_view>
#include <vector>

namespace wepn::game {

/// The lines of a weapon script that a save must keep: every line Lua runs
/// that is no statement the editor writes itself (StartWeaponConfig,
/// AddWeaponResult, setAngles, setMiscValues anywhere in a line; the first
/// setPenetration and setAccuracy at a line's start, with their tables), in
/// file order, blank lines left out. Text after a long comment's closing
/// bracket counts as a line. Worked out from the script alone, apart from
/// the editor's reader, so that it can judge it.
std::vector<std::string_view> codeLines(std::string_view script);

} // namespace wepn::game
