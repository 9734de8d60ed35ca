#pragma once

#include "model/expected.h"
#include "model/weapon.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wepn {

enum class FamilyTable { Penetration, Accuracy };

/// Why a value was not stored, as the message to show.
struct RefusedValue {
    std::string message;
};

/// The list row of entry `index` of a family table: the family, the value
/// shown as `valueText` (its number text when none is given) and, for
/// accuracy, the always-damage flag. `index` must be within the table.
std::string familyRow(const WeaponState& state, FamilyTable table, std::size_t index,
                      std::optional<std::string_view> valueText = std::nullopt);

/// Sets the value of entry `index` of a family table and, for accuracy, its
/// always-damage flag when one is given. An accuracy must lie from 0 to 1.
/// Returns the entry's row afterwards, showing `valueText` as the value, or
/// the message saying why the value is refused (nothing changes then).
/// `index` must be within the table.
Expected<std::string, RefusedValue>
setFamilyValue(WeaponState& state, FamilyTable table, std::size_t index, double value,
               std::string_view valueText, std::optional<std::int16_t> damage = std::nullopt);

} // namespace wepn
