#include "cli/game_check.h"

#include "files/file_io.h"
#include "model/script_lines.h"

#include <ostream>

namespace wepn {

GameCheck checkFileAsGame(std::string_view path) {
    const ReadResult read = readFileBytes(path, kMaxScriptBytes);
    if (!read.ok()) {
        return {};
    }
    return gameCheckOf(read.bytes);
}

void printGameCheck(std::ostream& err, std::string_view file, const GameCheck& check) {
    if (check.error) {
        printFailure(err, file, *check.error);
    }
    for (const std::string& difference : check.differences) {
        err << shownName(file) << ": warning: " << difference << '\n';
    }
}

} // namespace wepn
