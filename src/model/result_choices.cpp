#include "model/result_choices.h"

#include <array>

namespace wepn {
namespace {

constexpr std::array<std::string_view, 2> kConditions{"Hit", "Miss"};
constexpr std::array<std::string_view, 4> kEffects{"DamageHealth", "Disable", "Push",
                                                   "SpawnWeaponFire"};

} // namespace

std::span<const std::string_view> resultConditionChoices() {
    return kConditions;
}

std::span<const std::string_view> resultEffectChoices() {
    return kEffects;
}

} // namespace wepn
