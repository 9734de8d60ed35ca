#include "game/game_script.h"
#include "test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace wepn::game {
namespace {

std::vector<GameCall> run(const std::string& script) {
    const auto calls = runAsGame(script);
    EXPECT_TRUE(calls.ok()) << script << ": "
                            << (calls.ok() ? ""
                                           : std::to_string(calls.error().line) + ": " +
                                                 calls.error().message);
    return calls.ok() ? *calls : std::vector<GameCall>{};
}

// tests/data/game/calls/*: input.lua, and each call the game receives, one a
// line: its line, the function and each argument.
TEST(GameScript, RecordsWhatEachFunctionReceives) {
    const std::filesystem::path cases =
        std::filesystem::path(WEPN_TEST_DATA_DIR) / "game" / "calls";
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(cases)) {
        std::string text;
        for (const GameCall& call : run(test::readFile((entry.path() / "input.lua").string()))) {
            text += std::to_string(call.line) + " " + std::string(functionName(call.function));
            for (const LuaValue& argument : call.arguments) {
                text += " " + describe(argument);
            }
            text += "\n";
        }
        EXPECT_EQ(text, test::readFile((entry.path() / "calls").string()))
            << entry.path().filename();
        ++count;
    }
    EXPECT_GE(count, 12u);
}

TEST(GameScript, RefusesScriptsTheGameCannotRun) {
    const struct {
        const char* name;
        std::string script;
        std::size_t line;
        std::string message;
        GameLimits limits = {};
    } cases[] = {
        {"syntax error", "setAngles(NewWeaponType,1,2,3,4,5)\nsetAngles(NewWeaponType 1)", 2,
         "')' expected near '1'"},
        {"runtime error", "\nlocal x = nil\nsetAngles(NewWeaponType, x.y)", 3,
         "attempt to index a nil value (local 'x')"},
        {"a function the game lacks", "setWeaponSound(NewWeaponType,\"bang\")", 1,
         "attempt to call a nil value (global 'setWeaponSound')"},
        {"os.execute", "os.execute(\"touch /tmp/x\")", 1,
         "attempt to index a nil value (global 'os')"},
        {"require", "local os = require(\"os\")", 1,
         "attempt to call a nil value (global 'require')"},
        {"load", "load(\"return 1\")()", 1, "attempt to call a nil value (global 'load')"},
        {"io.open", "\n\nio.open(\"/etc/passwd\")", 3,
         "attempt to index a nil value (global 'io')"},
        {"string methods", "local s = (\"x\"):rep(10)", 1, "attempt to index a string value"},
        {"a loop without end",
         "local i = 0\nwhile true do\ni = i + 1\nend",
         3,
         "the script runs more than 100000 instructions",
         {100'000, std::size_t(64) << 20}},
        {"allocation without end",
         "local t = {}\nlocal i = 1\nwhile true do t[i] = i; i = i + 1 end",
         3,
         "the script needs more than 4 MiB of memory",
         {~0ull, std::size_t(4) << 20}},
        {"values beyond the memory limit for the game",
         "local t = {}\nfor i = 1, 40000 do t[i] = i end\nsetPenetration(NewWeaponType, t)",
         3,
         "the script passes more than 2 MiB of values to the game",
         {~0ull, std::size_t(2) << 20}},
        {"calls beyond the memory limit for the game",
         "for i = 1, 1000000 do\nsetAngles()\nend",
         2,
         "the script passes more than 2 MiB of values to the game",
         {~0ull, std::size_t(2) << 20}},
        {"a precompiled chunk", "\x1bLua\x54", 0, "attempt to load a binary chunk (mode is 't')"},
        {"a broken byte-order mark", "\xEF\xBB-- x", 1, "unexpected symbol near '<\\239>'"},
    };
    for (const auto& c : cases) {
        const auto result = runAsGame(c.script, c.limits);
        ASSERT_FALSE(result.ok()) << c.name;
        EXPECT_EQ(result.error().line, c.line) << c.name;
        EXPECT_NE(result.error().message.find(c.message), std::string::npos)
            << c.name << ": " << result.error().message;
    }
}

TEST(GameScript, OnlyTheWeaponFunctionsAndNewWeaponTypeAreGlobals) {
    for (const char* name :
         {"_G",    "os",    "io",    "require",   "package", "load",          "dofile", "loadfile",
          "print", "pairs", "next",  "error",     "pcall",   "setmetatable",  "rawset", "string",
          "math",  "table", "debug", "coroutine", "utf8",    "collectgarbage"}) {
        const auto calls = run(std::string("setAngles(NewWeaponType, ") + name + " == nil)");
        ASSERT_EQ(calls.size(), 1u) << name;
        EXPECT_EQ(describe(calls[0].arguments[1]), "true") << name << " is not defined";
    }
}

} // namespace
} // namespace wepn::game
