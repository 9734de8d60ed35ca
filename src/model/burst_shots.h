#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wepn {

/// The burst shots text for a fire delay and burst length as typed, or nothing
/// when the field keeps its previous text (delay reads as 0, or either text
/// is not a number).
std::optional<std::string> burstShotsText(std::string_view fireDelay, std::string_view burstLength);
/// The same for a fire delay and burst length a weapon state holds.
std::optional<std::string> burstShotsText(double fireDelay, double burstLength);

} // namespace wepn
