#include "cli/game_check.h"

#include "game/editor_reading.h"
#include "files/file_io.h"
#include "game/game_differences.h"
#include "game/game_script.h"
#include "sheet/latin1.h"
#include "model/load.h"
#include "model/script_lines.h"

#include <ostream>

namespace wepn {

GameCheck checkFileAsGame(std::string_view path) {
    const ReadResult read = readFileBytes(path, kMaxScriptBytes);
    if (!read.ok()) {
        return {};
    }
    const auto calls = game::runAsGame(read.bytes);
    if (!calls) {
        return {Failure{calls.error().line,
                        "the game could not load the file: " + latin1ToUtf8(calls.error().message)},
                {}};
    }
    GameCheck check;
    if (const auto state = game::editorReading(read.bytes, std::nullopt)) {
        for (const std::string& difference : game::gameDifferences(*state, *calls)) {
            check.differences.push_back(latin1ToUtf8(difference));
        }
    }
    return check;
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
