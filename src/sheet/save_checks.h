#pragma once

#include "model/load.h"
#include "sheet/edit.h"
#include "sheet/weapon_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

// The refusals shared by every save of an edited weapon file, by `wepn` and
// by the desk.

// Fails when the bytes hold no StartWeaponConfig line: whatever its name,
// such a file is no weapon script and is not rewritten as one.
std::optional<Failure> notWeaponScript(std::string_view file, std::string_view bytes);

// The table entries of the file's bytes that a save of the loaded weapon
// drops (families the family list lacks), each as a change to "(dropped)".
std::vector<EditChange> droppedEntries(std::string_view bytes, const LoadOutcome& loaded);

// The failure of a save that would drop the entries unasked, ending with
// `remedy` in brackets.
Failure droppingFailure(const std::vector<EditChange>& dropped, std::string_view remedy);

// Fails, naming its line and ending with `remedy`, for a table the edits
// changed that a later statement of the file sets again (the game would not
// receive the edit); with `drop`, removes such statements from `edited`
// instead.
std::optional<Failure> settleLaterTables(WeaponState& edited, const PenetrationSet& penetration,
                                         const AccuracySet& accuracy,
                                         const std::vector<LaterTable>& laterTables, bool drop,
                                         std::string_view remedy);

} // namespace wepn
