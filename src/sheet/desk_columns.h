#pragma once

#include <string_view>

namespace wepn {

// The desk's column after the table's own: what the checks found for the weapon.
inline constexpr std::string_view kProblemsColumn = "problems";

} // namespace wepn
