#pragma once

#include "model/expected.h"
#include "model/weapon.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace wepn {

/// Why a load failed: the 1-based line (0 when no single line is to blame)
/// and the reason, in the file's own 8-bit text.
struct LoadError {
    std::size_t line = 0;
    std::string reason;
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
};

ScriptRead readScript(const WeaponState& current, std::string_view bytes);

} // namespace detail
} // namespace wepn
