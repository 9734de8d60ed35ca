#pragma once

#include "sheet/desk_folder.h"

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace wepn::test {

// The sample weapons loaded as the desk loads them, with the sample data
// directory's checks, then the given extra files.
inline std::vector<DeskWeapon> sampleDesk(const std::vector<std::string>& extra = {},
                                          bool game = false) {
    const DeskChecks checks = readDeskChecks(std::string(WEPN_EXAMPLES_DIR), game).value();
    std::vector<std::string> files = weaponFileNames(std::string(WEPN_EXAMPLES_DIR) + "/Weapon");
    files.insert(files.end(), extra.begin(), extra.end());
    std::vector<DeskWeapon> weapons;
    for (const std::string& file : files) {
        weapons.push_back(loadDeskWeapon(file, file.substr(file.rfind('/') + 1), checks));
    }
    return weapons;
}

// The text of a case file as it should read: each "> CASE" line followed by
// what `run` gives for CASE (lines ending in a line break), then a blank line.
inline std::string caseOutputs(const std::string& cases,
                               const std::function<std::string(const std::string&)>& run) {
    std::istringstream lines(cases);
    std::string text;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("> ")) {
            text += line + "\n" + run(line.substr(2)) + "\n";
        }
    }
    return text;
}

} // namespace wepn::test
