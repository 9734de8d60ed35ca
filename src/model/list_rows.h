#pragma once

#include "model/weapon.h"

#include <optional>
#include <string>
#include <string_view>

namespace wepn {

/// Row of the impact-result list: condition - effect - min - max - spawned.
std::string resultRow(const WeaponResult& result);
/// Row of the penetration list: family - value text.
std::string penetrationRow(std::string_view family, std::string_view valueText);
/// Row of the accuracy list: family - value text - damage flag.
std::string accuracyRow(std::string_view family, std::string_view valueText, std::int16_t damage);
/// The family part of a family row: the text before its first " - ".
std::string_view rowFamily(std::string_view row);

/// The value text that marks a family row not yet given a value.
inline constexpr std::string_view kPlaceholderValue = "N";

} // namespace wepn
