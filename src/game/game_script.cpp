#include "game/game_script.h"

#include <algorithm>
#include <cstdlib>
#include <lua.hpp>
#include <memory>
#include <optional>
#include <string>

namespace wepn::game {
namespace {

// The address that stands for NewWeaponType: a light userdata no script can
// make, so only the value the game handed out compares equal to it.
constexpr char kWeaponMarker = 0;

// The name Lua gives the script in its messages ("script:3: ...").
constexpr std::string_view kChunkName = "script";

// Tables inside tables are recorded this deep; deeper ones only by type.
constexpr int kMaxTableDepth = 8;

// The count hook runs after this many instructions.
constexpr int kHookInterval = 1000;

// Thrown while recording when the recorded values outgrow the memory limit;
// caught before control returns to Lua.
struct RecordingTooLarge {};

// Everything one run keeps beside its Lua state; the allocator's user data.
struct Run {
    GameLimits limits;
    std::size_t allocated = 0;
    std::uint64_t instructions = 0;
    std::size_t lastLine = 0;
    std::size_t recorded = 0;
    std::optional<GameError> limitError;
    std::vector<GameCall> calls;
};

Run& runOf(lua_State* L) {
    void* run = nullptr;
    lua_getallocf(L, &run);
    return *static_cast<Run*>(run);
}

void* allocate(void* user, void* block, std::size_t oldSize, std::size_t newSize) {
    Run& run = *static_cast<Run*>(user);
    // Without a block, oldSize tells what kind of object Lua makes, not a size.
    const std::size_t held = block != nullptr ? oldSize : 0;
    if (newSize == 0) {
        std::free(block);
        run.allocated -= held;
        return nullptr;
    }
    if (newSize > held && run.allocated - held + newSize > run.limits.memoryBytes) {
        return nullptr;
    }
    void* grown = std::realloc(block, newSize);
    if (grown != nullptr) {
        run.allocated = run.allocated - held + newSize;
    }
    return grown;
}

std::string megabytes(std::size_t bytes) {
    return std::to_string(bytes >> 20) + " MiB";
}

// The line the running Lua function (level 0) or its caller (level 1) is at.
std::size_t lineAt(lua_State* L, int level) {
    lua_Debug ar;
    if (lua_getstack(L, level, &ar) == 0 || lua_getinfo(L, "l", &ar) == 0 || ar.currentline < 0) {
        return 0;
    }
    return std::size_t(ar.currentline);
}

void countInstructions(lua_State* L, lua_Debug* ar) {
    Run& run = runOf(L);
    if (lua_getinfo(L, "l", ar) != 0 && ar->currentline > 0) {
        run.lastLine = std::size_t(ar->currentline);
    }
    run.instructions += kHookInterval;
    if (run.instructions > run.limits.instructions) {
        run.limitError =
            GameError{run.lastLine, "the script runs more than " +
                                        std::to_string(run.limits.instructions) + " instructions"};
        lua_pushliteral(L, "instruction limit");
        lua_error(L);
    }
}

LuaValue valueAt(lua_State* L, int index, int depth, Run& run);

LuaValue tableAt(lua_State* L, int index, int depth, Run& run) {
    LuaValue table;
    if (depth >= kMaxTableDepth || !lua_checkstack(L, 3)) {
        table.kind = LuaValue::Kind::Other;
        table.text = "table nested too deep";
        return table;
    }
    table.kind = LuaValue::Kind::Table;
    index = lua_absindex(L, index);
    lua_pushnil(L);
    while (lua_next(L, index) != 0) {
        TableEntry entry{valueAt(L, -2, depth + 1, run), valueAt(L, -1, depth + 1, run)};
        table.entries.push_back(std::move(entry));
        lua_pop(L, 1);
    }
    sortEntries(table);
    return table;
}

// Counts bytes the recorded calls hold against the memory limit.
void record(Run& run, std::size_t bytes) {
    run.recorded += bytes;
    if (run.recorded > run.limits.memoryBytes) {
        throw RecordingTooLarge{};
    }
}

LuaValue valueAt(lua_State* L, int index, int depth, Run& run) {
    record(run, sizeof(LuaValue));
    LuaValue value;
    switch (lua_type(L, index)) {
    case LUA_TNIL:
        break;
    case LUA_TBOOLEAN:
        value.kind = LuaValue::Kind::Boolean;
        value.boolean = lua_toboolean(L, index) != 0;
        break;
    case LUA_TNUMBER:
        value = LuaValue::ofNumber(lua_isinteger(L, index) ? double(lua_tointeger(L, index))
                                                           : double(lua_tonumber(L, index)));
        break;
    case LUA_TSTRING: {
        std::size_t size = 0;
        const char* bytes = lua_tolstring(L, index, &size);
        record(run, size);
        value = LuaValue::ofString(std::string(bytes, size));
        break;
    }
    case LUA_TTABLE:
        value = tableAt(L, index, depth, run);
        break;
    case LUA_TLIGHTUSERDATA:
        if (lua_touserdata(L, index) == &kWeaponMarker) {
            value = LuaValue::weapon();
            break;
        }
        [[fallthrough]];
    default:
        value.kind = LuaValue::Kind::Other;
        value.text = lua_typename(L, lua_type(L, index));
        break;
    }
    return value;
}

// Records one call; false when the recorded values outgrow the limit.
bool recordCall(lua_State* L) {
    Run& run = runOf(L);
    GameCall call{GameFunction(lua_tointeger(L, lua_upvalueindex(1))), {}, lineAt(L, 1)};
    try {
        record(run, sizeof(GameCall));
        const int count = lua_gettop(L);
        for (int i = 1; i <= count; ++i) {
            call.arguments.push_back(valueAt(L, i, 0, run));
        }
        run.calls.push_back(std::move(call));
        return true;
    } catch (const RecordingTooLarge&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// The C function behind each of the six game functions. Lua errors unwind by
// longjmp, so none is raised while a C++ object lives in a frame it skips.
int gameFunction(lua_State* L) {
    if (!recordCall(L)) {
        Run& run = runOf(L);
        run.limitError = GameError{lineAt(L, 1), "the script passes more than " +
                                                     megabytes(run.limits.memoryBytes) +
                                                     " of values to the game"};
        lua_pushliteral(L, "recording limit");
        return lua_error(L);
    }
    return 0;
}

int defineGlobals(lua_State* L) {
    for (std::size_t i = 0; i < kGameFunctionNames.size(); ++i) {
        lua_pushinteger(L, lua_Integer(i));
        lua_pushcclosure(L, gameFunction, 1);
        lua_setglobal(L, kGameFunctionNames[i].data());
    }
    lua_pushlightuserdata(L, const_cast<char*>(&kWeaponMarker));
    lua_setglobal(L, "NewWeaponType");
    return 0;
}

// The text Lua compiles from a file's bytes, as its file loader sees them.
std::string_view chunkOf(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    if (text.starts_with('#')) {
        // The line is skipped up to its line feed, which stays so that line
        // numbers still count it.
        const std::size_t lineFeed = text.find('\n');
        text.remove_prefix(lineFeed == std::string_view::npos ? text.size() : lineFeed);
    }
    return text;
}

// Lua's message without the "script:LINE: " it starts with, and that line.
GameError luaError(lua_State* L) {
    const char* text = lua_tostring(L, -1);
    std::string message = text != nullptr ? text : "the script raised an error that is not text";
    const std::string prefix = std::string(kChunkName) + ":";
    if (!message.starts_with(prefix)) {
        return GameError{0, message};
    }
    const std::size_t digits = message.find_first_not_of("0123456789", prefix.size());
    if (digits == prefix.size() || digits == std::string::npos ||
        message.compare(digits, 2, ": ") != 0) {
        return GameError{0, message};
    }
    const std::size_t line = std::stoul(message.substr(prefix.size(), digits - prefix.size()));
    return GameError{line, message.substr(digits + 2)};
}

struct CloseState {
    void operator()(lua_State* L) const { lua_close(L); }
};

} // namespace

Expected<std::vector<GameCall>, GameError> runAsGame(std::string_view text,
                                                     const GameLimits& limits) {
    Run run;
    run.limits = limits;
    const std::unique_ptr<lua_State, CloseState> state(lua_newstate(allocate, &run));
    lua_State* L = state.get();
    if (L == nullptr) {
        return GameError{0, "cannot make a Lua state within " + megabytes(limits.memoryBytes)};
    }
    lua_pushcfunction(L, defineGlobals);
    int status = lua_pcall(L, 0, 0, 0);
    const std::string_view chunk = chunkOf(text);
    const std::string chunkName = "=" + std::string(kChunkName);
    if (status == LUA_OK) {
        status = luaL_loadbufferx(L, chunk.data(), chunk.size(), chunkName.c_str(), "t");
    }
    if (status == LUA_OK) {
        lua_sethook(L, countInstructions, LUA_MASKCOUNT, kHookInterval);
        status = lua_pcall(L, 0, 0, 0);
    }
    if (status == LUA_OK) {
        return std::move(run.calls);
    }
    if (run.limitError) {
        return *run.limitError;
    }
    if (status == LUA_ERRMEM) {
        return GameError{run.lastLine, "the script needs more than " +
                                           megabytes(limits.memoryBytes) + " of memory"};
    }
    return luaError(L);
}

} // namespace wepn::game
