#pragma once

#include "game/game_call.h"
#include "model/weapon.h"

#include <string>
#include <vector>

namespace wepn::game {

/// Every value the game receives from a script's calls that differs from what
/// the editor read from the same script into `state`, one message each:
/// StartWeaponConfig, setAngles, setMiscValues and the two tables as the
/// editor took them against the last call of each the game makes, the impact
/// results in order, and each family table entry by entry, family names
/// included. A table's damage=0 is the same as no damage part, and an empty
/// table carries no family. Values appear in script form: 2.5, "text",
/// {Fighter=1.2}.
std::vector<std::string> gameDifferences(const WeaponState& state,
                                         const std::vector<GameCall>& calls);

/// A call in script form: setAngles(NewWeaponType, 20, -160, 160, -5, 80).
std::string describeCall(const GameCall& call);

} // namespace wepn::game
