#pragma once

#include "cli/failure.h"
#include "sheet/weapon_checks.h"

#include <string_view>

namespace wepn {

// Reads the file and runs it as the game does. The values are compared only
// when the editor loads the file too, without a family list: its tables as
// the file names them. A file that cannot be read gives an empty check, as
// the load reports that.
GameCheck checkFileAsGame(std::string_view path);

// Prints the check's error as "FILE:LINE: error: ..." and each difference as
// "FILE: warning: ...".
void printGameCheck(std::ostream& err, std::string_view file, const GameCheck& check);

} // namespace wepn
