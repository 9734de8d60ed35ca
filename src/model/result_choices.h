#pragma once

#include <array>
#include <string_view>

namespace wepn {

/// The conditions an impact result can have, as the window offers them.
inline constexpr std::array<std::string_view, 2> kResultConditions{"Hit", "Miss"};
/// The effects an impact result can have, as the window offers them.
inline constexpr std::array<std::string_view, 4> kResultEffects{"DamageHealth", "Disable", "Push",
                                                                "SpawnWeaponFire"};

} // namespace wepn
