#pragma once

// The reader behind readWeaponScript, for the load pipeline: it also tells
// which line gave the weapon's configuration, and throws detail::ScriptError.

#include "model/weapon.h"

#include <cstddef>
#include <string_view>

namespace wepn::detail {

struct ScriptRead {
    WeaponState state;
    std::size_t configLine = 0; ///< line of the StartWeaponConfig that counts, 0 if none
};

ScriptRead readScript(const WeaponState& current, std::string_view bytes);

} // namespace wepn::detail
