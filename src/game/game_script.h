#pragma once

#include "model/expected.h"
#include "game/game_call.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace wepn::game {

/// What one script may spend before the game's run of it is stopped.
struct GameLimits {
    /// Virtual-machine instructions; a weapon script runs a few hundred.
    std::uint64_t instructions = 10'000'000;
    /// Bytes held by the Lua state, and again by the values recorded from it.
    std::size_t memoryBytes = std::size_t(64) << 20;
};

/// Runs a weapon script's text as the game loads a file: a UTF-8 byte-order
/// mark at the start is skipped, as is a first line starting with "#", and
/// the rest is compiled as Lua text (never as a precompiled chunk) and run in
/// a fresh Lua 5.4 state whose only globals are the six weapon functions and
/// NewWeaponType. No library is opened: os, io, require, load, print and the
/// rest do not exist. Returns every call the script made, in order, or the
/// error that stopped it (a syntax error, a runtime error, or a limit).
Expected<std::vector<GameCall>, GameError> runAsGame(std::string_view text,
                                                     const GameLimits& limits = {});

} // namespace wepn::game
