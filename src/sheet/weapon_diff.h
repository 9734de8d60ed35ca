#pragma once

#include "model/weapon.h"

#include <optional>
#include <string>
#include <vector>

namespace wepn {

// One difference between two weapons. Values are in UTF-8 as the window
// shows them; nothing where the element exists on one side only.
struct WeaponDifference {
    std::string kind; // "field", "result", "family" or "line"
    std::string name; // e.g. "fWeaponFireRange", "result 2 sEffect", "accuracy.Fighter"
    std::optional<std::string> a;
    std::optional<std::string> b;
};

// The differences in order: fields, impact results, families, unrecognised
// lines (each line of one weapon that the other lacks, by text).
std::vector<WeaponDifference> weaponDifferences(const WeaponState& a, const WeaponState& b);

} // namespace wepn
