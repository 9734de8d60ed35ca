#pragma once

#include "sheet/save_checks.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

// How `wepn` lets a save go on that the shared refusals stop.
inline constexpr std::string_view kDropMissingRemedy = "--drop-missing-families drops them";
inline constexpr std::string_view kDropLaterRemedy =
    "--drop-later-tables removes the later statements";

// Refuses a file after "--" that starts with "-" and names no file: an
// option put after the files, which must not be taken for one.
std::optional<std::string> optionAfterMarker(const std::vector<std::string>& files);

} // namespace wepn
