#pragma once

#include "model/weapon.h"

#include <QStringList>
#include <array>

namespace wepn {

/// The rows of the results, penetration and accuracy lists with the state
/// that holds their values.
struct ListSnapshot {
    WeaponState state;
    std::array<QStringList, 3> rows;
};

} // namespace wepn
