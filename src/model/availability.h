#pragma once

#include <string>
#include <string_view>

namespace wepn {

/// Which fire-type dependent fields apply to a fire type.
struct FireTypeAvailability {
    bool known = false;
    bool projectileVelocity = false; ///< Value(3)
    bool blastRadius = false;        ///< Value(5)
    bool fireDuration = false;       ///< Value(6)
    bool anticipationTime = false;   ///< Value(7)
    bool beamPassThruHealth = false; ///< Value(16)
    bool fireAxis = false;           ///< cboFireAxis

    bool operator==(const FireTypeAvailability&) const = default;
};

FireTypeAvailability fireTypeAvailability(std::string_view fireType);

/// True when the weapon type is a turret whose rotation fields apply.
bool rotationsAvailable(std::string_view weaponType);

/// The message shown for a fire type that is not known.
std::string unrecognizedFireTypeMessage(std::string_view fireType);

} // namespace wepn
