#pragma once

#include "model/weapon.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace wepn {

enum class ValueKind { Text, Real, Int16, Int32 };

/// How a field with a fixed set of choices stores the chosen one.
enum class ChoiceStorage {
    None,  ///< the field has no choices
    Text,  ///< the choice's text
    Index, ///< the choice's index (-1: none chosen)
};

using ValueRef = std::variant<std::string*, double*, std::int16_t*, std::int32_t*>;

/// One scalar value of the weapon state: a StartWeaponConfig argument or a
/// value held beside the record. One table of these drives the reader, the
/// writer, JSON, batch edits and the window's bindings.
struct ScalarField {
    std::string_view name;      ///< e.g. "fWeaponFireRange"
    std::string_view statement; ///< the statement that carries it, e.g. "setAngles"
    ValueKind kind;
    int argument; ///< StartWeaponConfig argument, -1 when not in it
    ChoiceStorage storage;
    std::span<const std::string_view> choices; ///< the choices, in the order of their indexes
    ValueRef (*ref)(WeaponState&);

    ValueRef at(WeaponState& state) const { return ref(state); }
    /// Read-only access: nothing may be written through the result.
    ValueRef at(const WeaponState& state) const { return ref(const_cast<WeaponState&>(state)); }
};

/// What a number of the kind must be, for messages: "a number", or for the
/// integers "a number from -32768 to 32767" (and the 32-bit range).
std::string numberRange(ValueKind kind);
/// Why a text does not convert to the kind, after the quoted text: "is not"
/// and its number range. The window, the reader and `wepn` say it alike.
std::string notANumberReason(ValueKind kind);

/// The StartWeaponConfig fields in argument order (sWeaponName first), then
/// the angles (statement order), the turret values, the penetration numbers
/// and the accuracy's leading value.
std::span<const ScalarField> scalarFields();
/// The 26 StartWeaponConfig fields, argument 0 to 25.
std::span<const ScalarField> startWeaponConfigFields();
const ScalarField* findScalarField(std::string_view name);

/// The fields a statement carries after NewWeaponType, in argument order;
/// none for a statement without scalar fields.
std::span<const ScalarField> statementFields(std::string_view statement);

/// Whether a save writes the statement: setMiscValues (barrel recoil and slave
/// fire delay) only for a weapon with turret values, every other always.
bool statementWritten(std::string_view statement, const WeaponState& state);

/// The field's value as the window shows it: number text, integer text or
/// the text itself.
std::string fieldText(const ScalarField& field, const WeaponState& state);

/// Stores text converted by the window's rules: text unchanged, strict number
/// reading for reals and integers. False (state untouched) when it does not
/// convert.
bool setFieldFromText(const ScalarField& field, WeaponState& state, std::string_view text);

} // namespace wepn
