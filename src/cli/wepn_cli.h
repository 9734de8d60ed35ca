#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace wepn {

// Runs the command-line tool on its arguments (without the program name):
// parses them, runs the chosen verb and returns the exit code (0 success,
// 1 a file failed, 2 usage error). Normal output goes to `out`, errors and
// warnings to `err`.
int runWepn(std::vector<std::string> args, std::ostream& out, std::ostream& err);

} // namespace wepn
