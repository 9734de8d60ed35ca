#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace wepn {

// `wepn check --data DIR`: loads each file with the data directory's family
// list and warns, as "FILE: warning: ...", about what the game would trip
// over: a weapon-fire effect without its folder under Scripts\Weaponfire
// (matched ignoring case, as the game's platform does), families the list
// lacks, and impact results whose condition or effect the window does not
// offer. With `strict` a warning fails the file. With `game` each file is
// also run as the game does. Returns the exit code.
// How `check --data` judges and reports each file.
struct DataCheckOptions {
    bool strict = false; // warnings fail the file
    bool game = false;   // also run each file as the game does
    bool quiet = false;  // no "FILE: ok" lines
};

int checkAgainstData(const std::vector<std::string>& files, const std::string& dataDir,
                     const DataCheckOptions& options, std::ostream& out, std::ostream& err);

} // namespace wepn
