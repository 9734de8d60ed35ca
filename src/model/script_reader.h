#pragma once

#include "model/expected.h"
#include "model/weapon.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

/// Why a load failed: the 1-based line (0 when no single line is to blame)
/// and the reason, in the file's own 8-bit text.
struct LoadError {
    std::size_t line = 0;
    std::string reason;
};

/// A table statement after the first of its kind, or a call of the table's
/// function after other code on a line. The reader leaves it among
/// the unrecognised lines, so a save carries it and the game, which runs it
/// after the editor's own, takes its values.
struct LaterTable {
    std::string_view statement; ///< "setPenetration" or "setAccuracy"
    std::size_t firstLine = 0;  ///< 1-based: the statement's line
    std::size_t lastLine = 0;   ///< the line that closes it, or the last before
                                ///< the next table statement or the file's end
    /// It stands before the statement the editor reads (a call after other
    /// code on its line): a save puts it after, where the game takes it last.
    bool beforeFirst = false;
};

/// Reads a weapon script over `current`: statements the file lacks keep
/// `current`'s values, the lists start empty. Tables hold the families as the
/// file names them. Fails with the first error; `current` is never touched.
Expected<WeaponState, LoadError> readWeaponScript(const WeaponState& current,
                                                  std::string_view bytes);

namespace detail {

// The reader behind readWeaponScript, for the load pipeline: it also tells
// which line gave the weapon's configuration, and throws detail::ScriptError.
struct ScriptRead {
    WeaponState state;
    std::size_t configLine = 0; ///< line of the StartWeaponConfig that counts, 0 if none
    std::size_t hashLines = 0;  ///< lines a "#" first line covers (ScriptLines::hashLines)
    std::vector<LaterTable> laterTables;
    std::uint8_t found = 0; ///< Keyword bits of the statements the file has
    /// Lines of results that name a spawned effect without SpawnWeaponFire.
    std::vector<std::size_t> unreadSpawns;
};

ScriptRead readScript(const WeaponState& current, std::string_view bytes);

} // namespace detail
} // namespace wepn
