#pragma once

#include "model/expected.h"
#include "model/family_list.h"
#include "model/load_warning.h"
#include "model/script_reader.h"
#include "model/weapon.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

/// What the editor shows after a load, and the state it would save.
struct LoadOutcome {
    WeaponState state;
    FamilyRows rows;                     ///< family list rows with the weapon's values
    std::vector<std::string> resultRows; ///< rows of the impact-result list
    std::vector<LoadWarning> warnings;
    /// Table statements after the first of their kind, kept in `state.strLines`.
    std::vector<LaterTable> laterTables;
};

/// Whether a later statement of `statement`'s table overrides the table for
/// the game: the first one of them, if any.
const LaterTable* laterTable(const std::vector<LaterTable>& laterTables,
                             std::string_view statement);

/// The first later statement of each table that `edited` holds otherwise
/// than the loaded `penetration` and `accuracy`: an edit the game would not
/// receive while the statement stays.
std::vector<LaterTable> overriddenTables(const PenetrationSet& penetration,
                                         const AccuracySet& accuracy, const WeaponState& edited,
                                         const std::vector<LaterTable>& laterTables);

/// Removes the later statements of `statement`'s table from the state's
/// unrecognised lines, so that the game takes the table the editor writes.
void dropLaterTables(WeaponState& state, const std::vector<LaterTable>& laterTables,
                     std::string_view statement);

/// What the penetration and accuracy tables hold after a load.
enum class LoadedTables {
    FromRows, ///< one entry per family row, in row order: what the window shows and saves
    AsNamed,  ///< the file's entries as it names them, in file order
};

/// The whole load: reads the script, matches its tables against the family
/// rows, gives unnamed families their defaults and checks what the window
/// would refuse to show. Without a family list (`familyList` empty) there are
/// no rows, so tables from the rows end up empty, and no family warning is
/// given.
Expected<LoadOutcome, LoadError> loadWeapon(const WeaponState& current,
                                            const std::optional<FamilyRows>& familyList,
                                            std::string_view bytes,
                                            LoadedTables tables = LoadedTables::FromRows);

/// Rows for the families a loaded weapon names, each once (ignoring case), in
/// the order it first names them: what to show it by when no family list can
/// be read.
FamilyRows familyRowsNamedBy(const WeaponState& state);

} // namespace wepn
