#include "model/fields.h"

#include "model/number_text.h"

#include <array>

namespace wepn {
namespace {

constexpr std::array<std::string_view, 3> kActivationChoices{"Normal", "Special Attack",
                                                             "Normal Only"};
constexpr std::array<std::string_view, 3> kFireAxisChoices{"Forward", "Left", "Up"};
constexpr std::array<std::string_view, 2> kNoYesChoices{"No", "Yes"};

#define WEAPON(member) [](WeaponState& s) -> ValueRef { return &s.CurrentWeapon.member; }
#define STATE(member) [](WeaponState& s) -> ValueRef { return &s.member; }

using K = ValueKind;
constexpr ChoiceStorage kNone = ChoiceStorage::None;
constexpr ChoiceStorage kByText = ChoiceStorage::Text;
constexpr ChoiceStorage kByIndex = ChoiceStorage::Index;

// clang-format off
const std::array<ScalarField, 36> kFields{{
    {"sWeaponName", K::Text, 0, kNone, {}, WEAPON(sWeaponName)},
    {"sWeaponType", K::Text, 1, kNone, {}, WEAPON(sWeaponType)},
    {"sWeaponFireType", K::Text, 2, kNone, {}, WEAPON(sWeaponFireType)},
    {"sWeaponFireName", K::Text, 3, kNone, {}, WEAPON(sWeaponFireName)},
    {"sActivation", K::Text, 4, kByText, kActivationChoices, WEAPON(sActivation)},
    {"fWeaponFireSpeed", K::Real, 5, kNone, {}, WEAPON(fWeaponFireSpeed)},
    {"fWeaponFireRange", K::Real, 6, kNone, {}, WEAPON(fWeaponFireRange)},
    {"fWeaponFireRadius", K::Real, 7, kNone, {}, WEAPON(fWeaponFireRadius)},
    {"fWeaponFireLifetime", K::Real, 8, kNone, {}, WEAPON(fWeaponFireLifetime)},
    {"fWeaponFireMisc1", K::Real, 9, kNone, {}, WEAPON(fWeaponFireMisc1)},
    {"iWeaponFireAxis", K::Int16, 10, kByIndex, kFireAxisChoices, WEAPON(iWeaponFireAxis)},
    {"iMaxEffectsSpawned", K::Int16, 11, kNone, {}, WEAPON(iMaxEffectsSpawned)},
    {"iUseVelocityPred", K::Int16, 12, kByIndex, kNoYesChoices, WEAPON(iUseVelocityPred)},
    {"iCheckLineOfFire", K::Int16, 13, kByIndex, kNoYesChoices, WEAPON(iCheckLineOfFire)},
    {"fFireTime", K::Real, 14, kNone, {}, WEAPON(fFireTime)},
    {"fBurstFireTime", K::Real, 15, kNone, {}, WEAPON(fBurstFireTime)},
    {"fBurstWaitTime", K::Real, 16, kNone, {}, WEAPON(fBurstWaitTime)},
    {"iShootAtSecondaries", K::Int16, 17, kByIndex, kNoYesChoices, WEAPON(iShootAtSecondaries)},
    {"iShootAtSurroundings", K::Int16, 18, kByIndex, kNoYesChoices, WEAPON(iShootAtSurroundings)},
    {"fMaxAzimuthSpeed", K::Real, 19, kNone, {}, WEAPON(fMaxAzimuthSpeed)},
    {"fMaxDeclinationSpeed", K::Real, 20, kNone, {}, WEAPON(fMaxDeclinationSpeed)},
    {"fSpeedMultiplierWhenPointingAtTarget", K::Real, 21, kNone, {}, WEAPON(fSpeedMultiplierWhenPointingAtTarget)},
    {"sWeaponShieldPenetration", K::Text, 22, kNone, {}, WEAPON(sWeaponShieldPenetration)},
    {"iTrackTargetsOutsideRange", K::Int16, 23, kByIndex, kNoYesChoices, WEAPON(iTrackTargetsOutsideRange)},
    {"fWaitUntilCodeRedState", K::Real, 24, kNone, {}, WEAPON(fWaitUntilCodeRedState)},
    {"iInstantHitThreshold", K::Int32, 25, kNone, {}, WEAPON(iInstantHitThreshold)},
    {"fFiringArc", K::Real, -1, kNone, {}, STATE(fFiringArc)},
    {"fLeftRot", K::Real, -1, kNone, {}, STATE(fLeftRot)},
    {"fRightRot", K::Real, -1, kNone, {}, STATE(fRightRot)},
    {"fDownRot", K::Real, -1, kNone, {}, STATE(fDownRot)},
    {"fUpRot", K::Real, -1, kNone, {}, STATE(fUpRot)},
    {"fBarrelRecoil", K::Real, -1, kNone, {}, STATE(fBarrelRecoil)},
    {"fSlaveFireDelay", K::Real, -1, kNone, {}, STATE(fSlaveFireDelay)},
    {"iFieldPenetration", K::Int32, -1, kNone, {}, STATE(Penetration.iFieldPenetration)},
    {"fDefaultPenetration", K::Real, -1, kNone, {}, STATE(Penetration.fDefaultPenetration)},
    {"iLeadingValue", K::Int16, -1, kNone, {}, STATE(Accuracy.iLeadingValue)},
}};
// clang-format on

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
