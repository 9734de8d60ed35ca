#pragma once

// The setPenetration and setAccuracy statements with their family tables.
// Each reads the first statement of its kind, consumes (empties) its lines,
// returns the later statements of its kind, which stay, and throws
// detail::ScriptError.

#include "model/script_lines.h"
#include "model/script_reader.h"
#include "model/weapon.h"

namespace wepn::detail {

std::vector<LaterTable> readPenetration(ScriptLines& lines, PenetrationSet& penetration);
std::vector<LaterTable> readAccuracy(ScriptLines& lines, AccuracySet& accuracy);

} // namespace wepn::detail
