#pragma once

#include "model/expected.h"
#include "model/family_list.h"
#include "sheet/desk_weapon.h"

#include <optional>
#include <string>
#include <vector>

namespace wepn {

/// What the desk checks in every weapon it loads, made once per folder.
struct DeskChecks {
    /// The data directory's family list: the tables follow its rows. Without
    /// one the tables stay as each file names them.
    std::optional<FamilyRows> rows;
    /// With a data directory, the folders under its Scripts\Weaponfire, for
    /// `wepn check --data`'s warnings.
    std::optional<std::vector<std::string>> weaponFireFolders;
    /// Also run each file as the game does (`wepn check --game`).
    bool game = false;
};

/// Reads the family list and the weapon-fire folders of a data directory (in
/// the Windows form or native), or says why not; without one, only `game`.
Expected<DeskChecks, std::string> readDeskChecks(const std::optional<std::string>& dataDir,
                                                 bool game);

/// The weapon files of a native folder in the order `wepn table` lists them
/// (ordered ignoring letter case, names holding ".wepn"), as paths joined
/// with "/".
std::vector<std::string> weaponFileNames(const std::string& nativeFolder);

/// Reads and loads one weapon file for the desk: its fingerprint and stamp,
/// the state as loaded and as edited, and what the checks find, in UTF-8
/// (the load's warnings, then `check --data`'s, then `check --game`'s); or
/// the line and reason it failed. Shares nothing between calls, so threads
/// may load different files at once.
DeskWeapon loadDeskWeapon(const std::string& nativeFile, const std::string& named,
                          const DeskChecks& checks);

} // namespace wepn
