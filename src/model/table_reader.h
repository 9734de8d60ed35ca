#pragma once

// The setPenetration and setAccuracy statements with their family tables.
// Each consumes (empties) the lines it reads and throws detail::ScriptError.
// `kinds` holds the keyword bits of each line.

#include "weapon.h"

#include <cstdint>
#include <string>
#include <vector>

namespace wepn::detail {

void readPenetration(std::vector<std::string>& lines, const std::vector<std::uint8_t>& kinds,
                     PenetrationSet& penetration);
void readAccuracy(std::vector<std::string>& lines, const std::vector<std::uint8_t>& kinds,
                  AccuracySet& accuracy);

} // namespace wepn::detail
