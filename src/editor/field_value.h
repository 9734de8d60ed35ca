#pragma once

#include "model/fields.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace wepn {

/// A scalar field's value as the weapon state holds it.
using FieldValue = std::variant<std::string, double, std::int16_t, std::int32_t>;

FieldValue fieldValue(const ScalarField& field, const WeaponState& state);
void storeFieldValue(const ScalarField& field, WeaponState& state, const FieldValue& value);
/// The value `text` converts to by the field's rules, or nothing when it
/// does not convert.
std::optional<FieldValue> readFieldValue(const ScalarField& field, std::string_view text);

} // namespace wepn
