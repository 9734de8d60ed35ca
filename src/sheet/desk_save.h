#pragma once

#include "sheet/desk_weapon.h"

#include <string>

namespace wepn {

/// How saving one weapon of the desk ended.
struct DeskSaveResult {
    enum class Kind {
        Saved,         ///< written; the weapon is now as on disk
        Unchanged,     ///< nothing to write
        ChangedOnDisk, ///< the file changed since it was loaded: nothing written
        Refused,       ///< nothing written; `reason` says why (also in `refused`)
    } kind;
    std::string reason; ///< UTF-8, naming the file
};

/// Saves an edited weapon with the guarantees of `wepn apply`: reads the file
/// again and stops when it changed since it was loaded (unless
/// `overwriteChangedFile`); refuses a file that is no weapon script, a save
/// that would drop family entries the family list lacks, an edited table a
/// later statement of the file sets again, and a value the writer refuses;
/// writes through the one writer, all or nothing. Once saved, `loaded`,
/// `source` and `readAs` are what is now on disk and `refused` is cleared; a
/// refusal leaves its reason in `refused`.
DeskSaveResult saveDeskWeapon(DeskWeapon& weapon, bool overwriteChangedFile);

} // namespace wepn
