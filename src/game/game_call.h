#pragma once

#include "game/lua_value.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wepn::game {

/// The functions the game gives a weapon script, in the order the editor
/// reads their statements.
enum class GameFunction {
    StartWeaponConfig,
    AddWeaponResult,
    setAngles,
    setMiscValues,
    setPenetration,
    setAccuracy,
};

inline constexpr std::array<std::string_view, 6> kGameFunctionNames{
    "StartWeaponConfig", "AddWeaponResult", "setAngles",
    "setMiscValues",     "setPenetration",  "setAccuracy"};

inline std::string_view functionName(GameFunction function) {
    return kGameFunctionNames[std::size_t(function)];
}

/// One call a script made: what the function received, and the line of the
/// script that made the call (0 when not known).
struct GameCall {
    GameFunction function;
    std::vector<LuaValue> arguments;
    std::size_t line = 0;

    /// Calls compare by function and arguments; the line is where, not what.
    bool operator==(const GameCall& other) const {
        return function == other.function && arguments == other.arguments;
    }
};

/// Why the game could not run a script: Lua's message and the 1-based line it
/// names (0 when it names none).
struct GameError {
    std::size_t line = 0;
    std::string message;
};

} // namespace wepn::game
