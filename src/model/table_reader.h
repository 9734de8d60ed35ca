#pragma once

// The setPenetration and setAccuracy statements with their family tables.
// Each consumes (empties) the lines it reads and throws detail::ScriptError.

#include "weapon.h"

#include <string>
#include <vector>

namespace wepn::detail {

void readPenetration(std::vector<std::string>& lines, PenetrationSet& penetration);
void readAccuracy(std::vector<std::string>& lines, AccuracySet& accuracy);

} // namespace wepn::detail
