#pragma once

#include "model/weapon.h"

#include <nlohmann/json.hpp>

namespace wepn {

// The weapon state as JSON: every scalar field by its name, then `Results`,
// `Penetration`, `Accuracy`, `bTurretProperties` and `unrecognisedLines`
// (the lines the reader did not use, with their 1-based line numbers).
// Texts are converted from Latin-1 to UTF-8; reals are exact doubles.
nlohmann::ordered_json weaponJson(const WeaponState& state);

} // namespace wepn
