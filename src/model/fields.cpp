#include "model/fields.h"

#include "model/number_text.h"

#include <algorithm>
#include <array>
#include <limits>

namespace wepn {
namespace {

constexpr std::array<std::string_view, 3> kActivationChoices{"Normal", "Special Attack",
                                                             "Normal Only"};
constexpr std::array<std::string_view, 3> kFireAxisChoices{"Forward", "Left", "Up"};
constexpr std::array<std::string_view, 2> kNoYesChoices{"No", "Yes"};

#define WEAPON(member) [](WeaponState& s) -> ValueRef { return &s.CurrentWeapon.member; }
#define STATE(member) [](WeaponState& s) -> ValueRef { return &s.member; }

using K = ValueKind;
constexpr std::string_view kConfig = "StartWeaponConfig";
constexpr std::string_view kAngles = "setAngles";
constexpr std::string_view kMisc = "setMiscValues";
constexpr std::string_view kPenetration = "setPenetration";
constexpr std::string_view kAccuracy = "setAccuracy";
constexpr ChoiceStorage kNone = ChoiceStorage::None;
constexpr ChoiceStorage kByText = ChoiceStorage::Text;
constexpr ChoiceStorage kByIndex = ChoiceStorage::Index;

// clang-format off
const std::array<ScalarField, 36> kFields{{
    {"sWeaponName", kConfig, K::Text, 0, kNone, {}, WEAPON(sWeaponName)},
    {"sWeaponType", kConfig, K::Text, 1, kNone, {}, WEAPON(sWeaponType)},
    {"sWeaponFireType", kConfig, K::Text, 2, kNone, {}, WEAPON(sWeaponFireType)},
    {"sWeaponFireName", kConfig, K::Text, 3, kNone, {}, WEAPON(sWeaponFireName)},
    {"sActivation", kConfig, K::Text, 4, kByText, kActivationChoices, WEAPON(sActivation)},
    {"fWeaponFireSpeed", kConfig, K::Real, 5, kNone, {}, WEAPON(fWeaponFireSpeed)},
    {"fWeaponFireRange", kConfig, K::Real, 6, kNone, {}, WEAPON(fWeaponFireRange)},
    {"fWeaponFireRadius", kConfig, K::Real, 7, kNone, {}, WEAPON(fWeaponFireRadius)},
    {"fWeaponFireLifetime", kConfig, K::Real, 8, kNone, {}, WEAPON(fWeaponFireLifetime)},
    {"fWeaponFireMisc1", kConfig, K::Real, 9, kNone, {}, WEAPON(fWeaponFireMisc1)},
    {"iWeaponFireAxis", kConfig, K::Int16, 10, kByIndex, kFireAxisChoices, WEAPON(iWeaponFireAxis)},
    {"iMaxEffectsSpawned", kConfig, K::Int16, 11, kNone, {}, WEAPON(iMaxEffectsSpawned)},
    {"iUseVelocityPred", kConfig, K::Int16, 12, kByIndex, kNoYesChoices, WEAPON(iUseVelocityPred)},
    {"iCheckLineOfFire", kConfig, K::Int16, 13, kByIndex, kNoYesChoices, WEAPON(iCheckLineOfFire)},
    {"fFireTime", kConfig, K::Real, 14, kNone, {}, WEAPON(fFireTime)},
    {"fBurstFireTime", kConfig, K::Real, 15, kNone, {}, WEAPON(fBurstFireTime)},
    {"fBurstWaitTime", kConfig, K::Real, 16, kNone, {}, WEAPON(fBurstWaitTime)},
    {"iShootAtSecondaries", kConfig, K::Int16, 17, kByIndex, kNoYesChoices, WEAPON(iShootAtSecondaries)},
    {"iShootAtSurroundings", kConfig, K::Int16, 18, kByIndex, kNoYesChoices, WEAPON(iShootAtSurroundings)},
    {"fMaxAzimuthSpeed", kConfig, K::Real, 19, kNone, {}, WEAPON(fMaxAzimuthSpeed)},
    {"fMaxDeclinationSpeed", kConfig, K::Real, 20, kNone, {}, WEAPON(fMaxDeclinationSpeed)},
    {"fSpeedMultiplierWhenPointingAtTarget", kConfig, K::Real, 21, kNone, {}, WEAPON(fSpeedMultiplierWhenPointingAtTarget)},
    {"sWeaponShieldPenetration", kConfig, K::Text, 22, kNone, {}, WEAPON(sWeaponShieldPenetration)},
    {"iTrackTargetsOutsideRange", kConfig, K::Int16, 23, kByIndex, kNoYesChoices, WEAPON(iTrackTargetsOutsideRange)},
    {"fWaitUntilCodeRedState", kConfig, K::Real, 24, kNone, {}, WEAPON(fWaitUntilCodeRedState)},
    {"iInstantHitThreshold", kConfig, K::Int32, 25, kNone, {}, WEAPON(iInstantHitThreshold)},
    {"fFiringArc", kAngles, K::Real, -1, kNone, {}, STATE(fFiringArc)},
    {"fLeftRot", kAngles, K::Real, -1, kNone, {}, STATE(fLeftRot)},
    {"fRightRot", kAngles, K::Real, -1, kNone, {}, STATE(fRightRot)},
    {"fDownRot", kAngles, K::Real, -1, kNone, {}, STATE(fDownRot)},
    {"fUpRot", kAngles, K::Real, -1, kNone, {}, STATE(fUpRot)},
    {"fBarrelRecoil", kMisc, K::Real, -1, kNone, {}, STATE(fBarrelRecoil)},
    {"fSlaveFireDelay", kMisc, K::Real, -1, kNone, {}, STATE(fSlaveFireDelay)},
    {"iFieldPenetration", kPenetration, K::Int32, -1, kNone, {}, STATE(Penetration.iFieldPenetration)},
    {"fDefaultPenetration", kPenetration, K::Real, -1, kNone, {}, STATE(Penetration.fDefaultPenetration)},
    {"iLeadingValue", kAccuracy, K::Int16, -1, kNone, {}, STATE(Accuracy.iLeadingValue)},
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

template <class Int> std::string rangeOf() {
    return "a number from " + std::to_string(std::numeric_limits<Int>::min()) + " to " +
           std::to_string(std::numeric_limits<Int>::max());
}

} // namespace

std::string numberRange(ValueKind kind) {
    switch (kind) {
    case ValueKind::Int16:
        return rangeOf<std::int16_t>();
    case ValueKind::Int32:
        return rangeOf<std::int32_t>();
    case ValueKind::Real:
    case ValueKind::Text:
        break;
    }
    return "a number";
}

std::string notANumberReason(ValueKind kind) {
    return "is not " + numberRange(kind);
}

std::span<const ScalarField> scalarFields() {
    return kFields;
}

std::span<const ScalarField> startWeaponConfigFields() {
    return statementFields(kConfig);
}

std::span<const ScalarField> statementFields(std::string_view statement) {
    const auto first = std::find_if(kFields.begin(), kFields.end(),
                                    [&](const ScalarField& f) { return f.statement == statement; });
    const auto end = std::find_if(first, kFields.end(),
                                  [&](const ScalarField& f) { return f.statement != statement; });
    return {first, end};
}

bool statementWritten(std::string_view statement, const WeaponState& state) {
    return statement != kMisc || state.bTurretProperties;
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
