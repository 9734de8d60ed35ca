#pragma once

#include "model/weapon.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace wepn {

enum class ValueKind { Text, Real, Int16, Int32 };

/// How the window shows a field.
enum class ControlKind {
    None,            ///< not shown
    TextBox,         ///< editable text box
    ReadOnlyTextBox, ///< text box the user cannot type into
    EditableCombo,   ///< drop-down whose edit text is the value
    TextCombo,       ///< pick-only drop-down whose selected row's text is the value
    IndexCombo,      ///< pick-only drop-down whose selected row index is the value (-1: none)
};

using ValueRef = std::variant<std::string*, double*, std::int16_t*, std::int32_t*>;

/// One scalar value of the weapon state: a StartWeaponConfig argument or a
/// value held beside the record. One table of these drives the reader, the
/// writer, JSON, batch edits and the window bindings.
struct ScalarField {
    std::string_view name; ///< e.g. "fWeaponFireRange"
    ValueKind kind;
    int argument;             ///< StartWeaponConfig argument, -1 when not in it
    std::string_view control; ///< window control's objectName, e.g. "Value(4)"
    ControlKind controlKind;
    std::string_view label;                 ///< caption of the label beside the control
    std::span<const std::string_view> rows; ///< drop-down rows
    ValueRef (*ref)(WeaponState&);

    ValueRef at(WeaponState& state) const { return ref(state); }
    /// Read-only access: nothing may be written through the result.
    ValueRef at(const WeaponState& state) const { return ref(const_cast<WeaponState&>(state)); }
};

/// The StartWeaponConfig fields in argument order (sWeaponName first), then
/// the angles (statement order), the turret values, the penetration numbers
/// and the accuracy's leading value.
std::span<const ScalarField> scalarFields();
/// The 26 StartWeaponConfig fields, argument 0 to 25.
std::span<const ScalarField> startWeaponConfigFields();
const ScalarField* findScalarField(std::string_view name);

/// The field's value as the window shows it: number text, integer text or
/// the text itself.
std::string fieldText(const ScalarField& field, const WeaponState& state);

/// Stores text converted by the window's rules: text unchanged, strict number
/// reading for reals and integers. False (state untouched) when it does not
/// convert.
bool setFieldFromText(const ScalarField& field, WeaponState& state, std::string_view text);

} // namespace wepn
