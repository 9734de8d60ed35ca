#pragma once

// The setPenetration and setAccuracy statements with their family tables.
// Each reads the first statement of its kind, consumes (empties) the lines of
// every statement of its kind, and throws detail::ScriptError.

#include "model/script_lines.h"
#include "model/weapon.h"

namespace wepn::detail {

void readPenetration(ScriptLines& lines, PenetrationSet& penetration);
void readAccuracy(ScriptLines& lines, AccuracySet& accuracy);

} // namespace wepn::detail
