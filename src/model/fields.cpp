#include "model/fields.h"

#include "model/number_text.h"

#include <array>

namespace wepn {
namespace {

constexpr std::array<std::string_view, 3> kActivationRows{"Normal", "Special Attack",
                                                          "Normal Only"};
constexpr std::array<std::string_view, 3> kFireAxisRows{"Forward", "Left", "Up"};
constexpr std::array<std::string_view, 2> kNoYesRows{"No", "Yes"};

#define WEAPON(member) [](WeaponState& s) -> ValueRef { return &s.CurrentWeapon.member; }
#define STATE(member) [](WeaponState& s) -> ValueRef { return &s.member; }

using K = ValueKind;
using C = ControlKind;

const std::array<ScalarField, 36> kFields{{
    {"sWeaponName", K::Text, 0, "", C::None, "", {}, WEAPON(sWeaponName)},
    {"sWeaponType",
     K::Text,
     1,
     "Value(0)",
     C::ReadOnlyTextBox,
     "Weapon Type:",
     {},
     WEAPON(sWeaponType)},
    {"sWeaponFireType",
     K::Text,
     2,
     "Value(1)",
     C::ReadOnlyTextBox,
     "Weapon Fire Type:",
     {},
     WEAPON(sWeaponFireType)},
    {"sWeaponFireName",
     K::Text,
     3,
     "cboWeaponEffects",
     C::EditableCombo,
     "Weapon Effects File:",
     {},
     WEAPON(sWeaponFireName)},
    {"sActivation", K::Text, 4, "cboActivation", C::TextCombo, "Activation:", kActivationRows,
     WEAPON(sActivation)},
    {"fWeaponFireSpeed",
     K::Real,
     5,
     "Value(3)",
     C::TextBox,
     "Projectile Velocity:",
     {},
     WEAPON(fWeaponFireSpeed)},
    {"fWeaponFireRange",
     K::Real,
     6,
     "Value(4)",
     C::TextBox,
     "Firing Range:",
     {},
     WEAPON(fWeaponFireRange)},
    {"fWeaponFireRadius",
     K::Real,
     7,
     "Value(5)",
     C::TextBox,
     "Blast Radius:",
     {},
     WEAPON(fWeaponFireRadius)},
    {"fWeaponFireLifetime",
     K::Real,
     8,
     "Value(6)",
     C::TextBox,
     "Fire Duration:",
     {},
     WEAPON(fWeaponFireLifetime)},
    {"fWeaponFireMisc1",
     K::Real,
     9,
     "Value(7)",
     C::TextBox,
     "Anticipation Time:",
     {},
     WEAPON(fWeaponFireMisc1)},
    {"iWeaponFireAxis", K::Int16, 10, "cboFireAxis", C::IndexCombo, "Fire Axis:", kFireAxisRows,
     WEAPON(iWeaponFireAxis)},
    {"iMaxEffectsSpawned",
     K::Int16,
     11,
     "Value(8)",
     C::TextBox,
     "Max Effects Spawned:",
     {},
     WEAPON(iMaxEffectsSpawned)},
    {"iUseVelocityPred", K::Int16, 12, "cboVelocityPredict", C::IndexCombo,
     "Use Velocity Prediction:", kNoYesRows, WEAPON(iUseVelocityPred)},
    {"iCheckLineOfFire", K::Int16, 13, "cboCheckLOF", C::IndexCombo,
     "Check Line of Fire:", kNoYesRows, WEAPON(iCheckLineOfFire)},
    {"fFireTime", K::Real, 14, "Value(9)", C::TextBox, "Fire Delay:", {}, WEAPON(fFireTime)},
    {"fBurstFireTime",
     K::Real,
     15,
     "Value(10)",
     C::TextBox,
     "Burst Length:",
     {},
     WEAPON(fBurstFireTime)},
    {"fBurstWaitTime",
     K::Real,
     16,
     "Value(12)",
     C::TextBox,
     "Burst Delay:",
     {},
     WEAPON(fBurstWaitTime)},
    {"iShootAtSecondaries", K::Int16, 17, "cboShootSecondaries", C::IndexCombo,
     "Shoot at Secondaries:", kNoYesRows, WEAPON(iShootAtSecondaries)},
    {"iShootAtSurroundings", K::Int16, 18, "cboShootSurroundings", C::IndexCombo,
     "Shoot at Surroundings:", kNoYesRows, WEAPON(iShootAtSurroundings)},
    {"fMaxAzimuthSpeed",
     K::Real,
     19,
     "Value(13)",
     C::TextBox,
     "Horizontal Tracking Speed:",
     {},
     WEAPON(fMaxAzimuthSpeed)},
    {"fMaxDeclinationSpeed",
     K::Real,
     20,
     "Value(14)",
     C::TextBox,
     "Vertical Tracking Speed:",
     {},
     WEAPON(fMaxDeclinationSpeed)},
    {"fSpeedMultiplierWhenPointingAtTarget",
     K::Real,
     21,
     "Value(15)",
     C::TextBox,
     "Speed Multiplier:",
     {},
     WEAPON(fSpeedMultiplierWhenPointingAtTarget)},
    {"sWeaponShieldPenetration",
     K::Text,
     22,
     "",
     C::None,
     "",
     {},
     WEAPON(sWeaponShieldPenetration)},
    {"iTrackTargetsOutsideRange", K::Int16, 23, "cboTrackDistantTargets", C::IndexCombo,
     "Track Distant Targets:", kNoYesRows, WEAPON(iTrackTargetsOutsideRange)},
    {"fWaitUntilCodeRedState", K::Real, 24, "", C::None, "", {}, WEAPON(fWaitUntilCodeRedState)},
    {"iInstantHitThreshold",
     K::Int32,
     25,
     "Value(16)",
     C::TextBox,
     "Beam Pass-Thru Health:",
     {},
     WEAPON(iInstantHitThreshold)},
    {"fFiringArc", K::Real, -1, "txtFiringArc", C::TextBox, "Firing Arc:", {}, STATE(fFiringArc)},
    {"fLeftRot", K::Real, -1, "txtLeftRot", C::TextBox, "Left Rotation:", {}, STATE(fLeftRot)},
    {"fRightRot", K::Real, -1, "txtRightRot", C::TextBox, "Right Rotation:", {}, STATE(fRightRot)},
    {"fDownRot", K::Real, -1, "txtDownRot", C::TextBox, "Down Rotation:", {}, STATE(fDownRot)},
    {"fUpRot", K::Real, -1, "txtUpRot", C::TextBox, "Up Rotation:", {}, STATE(fUpRot)},
    {"fBarrelRecoil",
     K::Real,
     -1,
     "txtBarrelRecoil",
     C::TextBox,
     "Barrel Recoil Distance:",
     {},
     STATE(fBarrelRecoil)},
    {"fSlaveFireDelay",
     K::Real,
     -1,
     "txtSlaveFireDelay",
     C::TextBox,
     "Slave Fire Delay:",
     {},
     STATE(fSlaveFireDelay)},
    {"iFieldPenetration",
     K::Int32,
     -1,
     "txtFieldPenetration",
     C::TextBox,
     "Shield Penetration:",
     {},
     STATE(Penetration.iFieldPenetration)},
    {"fDefaultPenetration",
     K::Real,
     -1,
     "txtDefaultPenetration",
     C::TextBox,
     "Default Penetration:",
     {},
     STATE(Penetration.fDefaultPenetration)},
    {"iLeadingValue", K::Int16, -1, "", C::None, "", {}, STATE(Accuracy.iLeadingValue)},
}};

#undef WEAPON
#undef STATE

struct StoreText {
    std::string_view text;
    bool operator()(std::string* v) const {
        *v = std::string(text);
        return true;
    }
    bool operator()(double* v) const { return store(v, readNumber(text)); }
    bool operator()(std::int16_t* v) const { return store(v, readInt16(text)); }
    bool operator()(std::int32_t* v) const { return store(v, readInt32(text)); }
    template <class T> static bool store(T* target, std::optional<T> value) {
        if (value) {
            *target = *value;
        }
        return value.has_value();
    }
};

struct ShowText {
    std::string operator()(const std::string* v) const { return *v; }
    std::string operator()(const double* v) const { return numberText(*v); }
    std::string operator()(const std::int16_t* v) const { return integerText(*v); }
    std::string operator()(const std::int32_t* v) const { return integerText(*v); }
};

} // namespace

std::span<const ScalarField> scalarFields() {
    return kFields;
}

std::span<const ScalarField> startWeaponConfigFields() {
    return std::span(kFields).first(26);
}

const ScalarField* findScalarField(std::string_view name) {
    for (const ScalarField& field : kFields) {
        if (field.name == name) {
            return &field;
        }
    }
    return nullptr;
}

std::string fieldText(const ScalarField& field, const WeaponState& state) {
    return std::visit(ShowText{}, field.at(state));
}

bool setFieldFromText(const ScalarField& field, WeaponState& state, std::string_view text) {
    return std::visit(StoreText{text}, field.at(state));
}

} // namespace wepn
