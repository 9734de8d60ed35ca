#pragma once

#include <span>
#include <string_view>

namespace wepn {

/// The conditions an impact result can have, as the window offers them.
std::span<const std::string_view> resultConditionChoices();
/// The effects an impact result can have, as the window offers them.
std::span<const std::string_view> resultEffectChoices();

} // namespace wepn
