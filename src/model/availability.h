#pragma once

#include <string>
#include <string_view>

namespace wepn {

struct ScalarField;
struct WeaponState;

/// True for the fire types the game knows, in any letter case.
bool isKnownFireType(std::string_view fireType);

/// Whether a field applies to the weapon, so that the user may edit it: the
/// projectile and beam fields follow the fire type (none applies for a type
/// that is not known), the turret rotations apply to animated turrets only,
/// and every other field always applies.
bool fieldApplies(const ScalarField& field, const WeaponState& state);

/// The message shown for a fire type that is not known.
std::string unrecognizedFireTypeMessage(std::string_view fireType);

} // namespace wepn
