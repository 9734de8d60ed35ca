#pragma once

#include "sheet/desk_folder.h"

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

} // namespace wepn::test
