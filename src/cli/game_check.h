#pragma once

#include "cli/failure.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

// What running a weapon file as the game does found: the error that stops
// the game, or each value the game receives otherwise than the editor shows
// (UTF-8 texts for the terminal).
struct GameCheck {
    std::optional<Failure> error;
    std::vector<std::string> differences;
};

// Reads the file and runs it as the game does. The values are compared only
// when the editor loads the file too, without a family list: its tables as
// the file names them. A file that cannot be read gives an empty check, as
// the load reports that.
GameCheck checkFileAsGame(std::string_view path);

// Prints the check's error as "FILE:LINE: error: ..." and each difference as
// "FILE: warning: ...".
void printGameCheck(std::ostream& err, std::string_view file, const GameCheck& check);

} // namespace wepn
