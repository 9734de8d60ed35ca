#pragma once

#include "model/expected.h"
#include "model/family_list.h"
#include "model/weapon.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

inline constexpr std::size_t kMaxScriptLines = 32768;
inline constexpr std::size_t kMaxScriptBytes = 16 * 1024 * 1024;

/// Why a load failed: the 1-based line (0 when no single line is to blame)
/// and the reason, in the file's own 8-bit text.
struct LoadError {
    std::size_t line = 0;
    std::string reason;
};

struct LoadWarning {
    enum class Kind { UnknownFireType, FamiliesNotInList };
    Kind kind;
    std::string text;
};

/// What the editor shows after a load, and the state it would save.
struct LoadOutcome {
    WeaponState state;
    FamilyRows rows;                     ///< family list rows with the weapon's values
    std::vector<std::string> resultRows; ///< rows of the impact-result list
    std::vector<LoadWarning> warnings;
};

/// Reads a weapon script over `current`: statements the file lacks keep
/// `current`'s values, the lists start empty. Tables hold the families as the
/// file names them. Fails with the first error; `current` is never touched.
Expected<WeaponState, LoadError> readWeaponScript(const WeaponState& current,
                                                  std::string_view bytes);

/// The whole load: reads the script, matches its tables against the family
/// rows, gives unnamed families their defaults and checks what the window
/// would refuse to show. Without a family list (`familyList` empty) the
/// tables end up empty and no family warning is given.
Expected<LoadOutcome, LoadError> loadWeapon(const WeaponState& current,
                                            const std::optional<FamilyRows>& familyList,
                                            std::string_view bytes);

} // namespace wepn
