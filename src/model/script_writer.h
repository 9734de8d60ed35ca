#pragma once

#include "model/expected.h"
#include "model/weapon.h"

#include <string>

namespace wepn {

/// Why a state cannot be written: the field and what is wrong with it.
struct WriteError {
    std::string field;
    std::string reason;
};

/// The StartWeaponConfig line (no line end).
std::string swcString(const VyrWeapon& weapon);

/// The whole script, lines ended with CR LF. Refuses what would not read back
/// as written, by the reader or by the game's Lua: a quoted value holding a
/// double quote or a backslash (but for a text of `strLoadedEscapes`, which
/// the game read the same way from the loaded file), any written text
/// holding a line break, a
/// family name that is not a Lua name, and an accuracy family name holding
/// "damage".
Expected<std::string, WriteError> writeWeaponScript(const WeaponState& state);

} // namespace wepn
