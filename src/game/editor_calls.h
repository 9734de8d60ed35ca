#pragma once

#include "game/game_call.h"
#include "model/weapon.h"

#include <string>
#include <vector>

namespace wepn::game {

/// The calls the editor shows `state` as (or, `saved`, that the game receives
/// from the script a save of `state` writes), in
/// the order the save writes them: StartWeaponConfig, one AddWeaponResult per
/// impact result, setAngles, setMiscValues when the turret values are on, and
/// the two tables with one family table each ({Fighter=1.2}, with damage=N
/// when the family's damage flag is not 0), or one empty table when the
/// table has no family. The weapon identifier is always NewWeaponType. The
/// two differ in a loaded text with escapes (`strLoadedEscapes`): a save
/// writes it as it stands, and the game reads its escapes.
std::vector<GameCall> editorCalls(const WeaponState& state, bool saved = false);

/// Names argument k of a call for messages: "argument 10 of StartWeaponConfig
/// (iWeaponFireAxis)".
std::string argumentName(GameFunction function, std::size_t k);

/// How many leading arguments of a table call are numbers (the weapon
/// identifier included); the family tables follow them. 0 for other calls.
std::size_t tableCallLeadingArguments(GameFunction function);

} // namespace wepn::game
