#include "model/availability.h"

#include "model/fields.h"
#include "model/text_tokens.h"

#include <algorithm>
#include <array>

namespace wepn {
namespace {

// The fields that depend on the fire type, and for each fire type which apply.
constexpr std::array<std::string_view, 6> kFireTypeFields{
    "fWeaponFireSpeed", "fWeaponFireRadius",    "fWeaponFireLifetime",
    "fWeaponFireMisc1", "iInstantHitThreshold", "iWeaponFireAxis"};

struct FireTypeRow {
    std::string_view keyword;
    std::array<bool, kFireTypeFields.size()> applies;
};

constexpr std::array<FireTypeRow, 5> kFireTypes{{
    {"instanthit", {false, false, true, true, true, false}},
    {"bullet", {true, false, false, false, false, false}},
    {"mine", {true, false, false, false, false, false}},
    {"missile", {true, false, false, false, false, true}},
    {"sphereburst", {true, true, false, false, false, false}},
}};

constexpr std::array<std::string_view, 4> kRotationFields{"fLeftRot", "fRightRot", "fUpRot",
                                                          "fDownRot"};

const FireTypeRow* fireTypeRow(std::string_view fireType) {
    const std::string lower = toLowerLatin1(fireType);
    const auto row = std::find_if(kFireTypes.begin(), kFireTypes.end(),
                                  [&](const FireTypeRow& r) { return r.keyword == lower; });
    return row == kFireTypes.end() ? nullptr : &*row;
}

} // namespace

bool isKnownFireType(std::string_view fireType) {
    return fireTypeRow(fireType) != nullptr;
}

bool fieldApplies(const ScalarField& field, const WeaponState& state) {
    const auto fireField = std::find(kFireTypeFields.begin(), kFireTypeFields.end(), field.name);
    if (fireField != kFireTypeFields.end()) {
        const FireTypeRow* row = fireTypeRow(state.CurrentWeapon.sWeaponFireType);
        return row != nullptr && row->applies[std::size_t(fireField - kFireTypeFields.begin())];
    }
    if (std::find(kRotationFields.begin(), kRotationFields.end(), field.name) !=
        kRotationFields.end()) {
        return toLowerLatin1(state.CurrentWeapon.sWeaponType) == "animatedturret";
    }
    return true;
}

std::string unrecognizedFireTypeMessage(std::string_view fireType) {
    return "Unrecognized weapon type: '" + std::string(fireType) + "' -- Please notify BrEnN.";
}

} // namespace wepn
