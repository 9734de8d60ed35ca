#pragma once

#include "model/weapon.h"

#include <nlohmann/json.hpp>
#include <string_view>

namespace wepn {

// The version of the dump's shape, raised when a key changes meaning or goes.
inline constexpr int kDumpFormat = 1;

// The weapon state as one JSON document: "format", "file", every scalar field
// by its own name, then "results", "penetration" and "accuracy" (each an
// ordered object family -> value; accuracy's values hold the value and the
// damage flag; a family named more than once holds an array of its values),
// bTurretProperties and "unrecognised_lines" (the lines the reader did not
// use, with their 1-based line numbers). Texts are converted from Latin-1 to
// UTF-8; reals are exact doubles.
nlohmann::ordered_json weaponJson(std::string_view file, const WeaponState& state);

} // namespace wepn
