#pragma once

// The setPenetration and setAccuracy statements with their family tables.
// Each consumes (empties) the lines it reads and throws detail::ScriptError.

#include "script_lines.h"
#include "weapon.h"

namespace wepn::detail {

void readPenetration(ScriptLines& lines, PenetrationSet& penetration);
void readAccuracy(ScriptLines& lines, AccuracySet& accuracy);

} // namespace wepn::detail
