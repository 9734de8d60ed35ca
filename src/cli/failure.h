#pragma once

#include "sheet/weapon_file.h"

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace wepn {

// A file name as the text outputs print it: as it is, unless it holds a
// control character (a line break or tab would cut the line that names it):
// then in the shell's $'...' form, with \n, \t, \r, \\, \' and \xHH.
std::string shownName(std::string_view file);

// Prints "FILE:LINE: error: MESSAGE", or "FILE: error: MESSAGE" without a line.
void printFailure(std::ostream& err, std::string_view file, const Failure& failure);

// Prints a message that concerns no single file (a usage error, an unreadable
// family list) as "wepn: MESSAGE".
void printToolError(std::ostream& err, std::string_view message);

} // namespace wepn
