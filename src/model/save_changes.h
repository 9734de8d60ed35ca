#pragma once

// What a save without edits gives the game otherwise than the loaded file
// did, where the editor's own form of the weapon differs from the file's.

#include "model/load_warning.h"
#include "model/weapon.h"

#include <cstdint>
#include <vector>

namespace wepn::detail {

/// Adds a warning for each kind of change: numbers whose 15-digit text is
/// another number, statements the file lacks and a save writes, and (with
/// the family list, whose rows a save writes) families the file names twice.
/// Also damage parts other than 0 and 1, and the spawned effects of results
/// whose effect is not SpawnWeaponFire (`unreadSpawns`: their lines). `found`
/// holds the Keyword bits of the statements the file has.
void warnOfSaveChanges(const WeaponState& state, std::uint8_t found, bool tablesFromRows,
                       const std::vector<std::size_t>& unreadSpawns,
                       std::vector<LoadWarning>& warnings);

} // namespace wepn::detail
